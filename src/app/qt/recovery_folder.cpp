#include "app/qt/recovery_folder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QUuid>

namespace tova {
namespace {

QString LockOf(const QString& copy) { return copy.chopped(4) + ".lock"; }

}  // namespace

RecoveryFolder::RecoveryFolder(const QString& folder)
    : folder_(folder),
      copy_(QDir(folder).filePath("window-" + QUuid::createUuid().toString(QUuid::WithoutBraces) + ".KRT")),
      lock_(LockOf(copy_)) {
  if (folder.isEmpty() || !QDir().mkpath(folder) || !lock_.tryLock(0)) copy_.clear();
}

QString RecoveryFolder::DefaultPath() {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  return data.isEmpty() ? QString() : data + "/recovery";
}

bool RecoveryFolder::OfferNewestLeft(const std::function<void(std::string_view)>& offer) const {
  if (folder_.isEmpty()) return false;
  // Newest first: the first copy whose lock can be taken is the one to offer. Qt counts a lock
  // older than 30 seconds as stale, leaving only its owner's file lock to keep it (which a network
  // file system may not honour): here a running window's lock stands however old it is, and that
  // of a window no longer running is taken at once.
  for (const QFileInfo& file : QDir(folder_).entryInfoList({"window-*.KRT"}, QDir::Files, QDir::Time)) {
    QLockFile lock(LockOf(file.filePath()));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0)) continue;
    QFile in(file.filePath());
    const QByteArray bytes = in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    in.close();
    offer(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    QFile::remove(file.filePath());
    return true;  // the lock goes with it
  }
  return false;
}

}  // namespace tova
