// The windows' recovery copies in the user's data folder. Each window keeps its copy in a file of
// its own ("window-ID.KRT") beside a lock ("window-ID.lock") that it holds while it runs, so a
// copy whose lock nobody holds was left by a window that ended without closing.
#pragma once

#include <QLockFile>
#include <QString>
#include <functional>
#include <string_view>

namespace tova {

class RecoveryFolder {
 public:
  // Takes this window's lock in `folder`, made when missing; where that fails, the window keeps
  // no copy. Destruction releases the lock.
  explicit RecoveryFolder(const QString& folder);

  // "recovery" in the user's data folder.
  [[nodiscard]] static QString DefaultPath();
  // The file of this window's copy; empty when it keeps none.
  [[nodiscard]] const QString& copy() const { return copy_; }

  // Gives `offer` the newest copy left by a window that no longer runs (an unreadable one as the
  // bytes that could be read), then deletes it. Held meanwhile, no other window takes it. False
  // when no such copy was there.
  bool OfferNewestLeft(const std::function<void(std::string_view)>& offer) const;

 private:
  QString folder_;
  QString copy_;
  QLockFile lock_;
};

}  // namespace tova
