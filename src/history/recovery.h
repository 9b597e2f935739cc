// The recovery copy: the drawing as it stands whenever it differs from the document last read,
// started or saved, kept by the shell for this window or tab alone, so that a crash, a kill or a
// lost tab loses nothing. A clean end removes it; the next start after an end that was not clean
// offers the copy it left.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "document/tables.h"

namespace tova {

struct Program;

inline constexpr std::string_view kRecoveryDamagedMessage =
    "The drawing kept when Tova last ended without closing is damaged and cannot be restored. "
    "It has been discarded.";

// A copy: the drawing as a document (any Tova opens it as one), then when it was last changed.
[[nodiscard]] std::string FormatRecoveryCopy(const Tables& drawing, int64_t changedAt);

struct RecoveryCopy {
  Tables drawing;
  int64_t changedAt = 0;  // seconds since 1970
};
// The copy, or nothing when it is not a whole one.
[[nodiscard]] std::optional<RecoveryCopy> ReadRecoveryCopy(std::string_view text);

// The question that offers a copy, naming when its drawing was last changed (local time).
[[nodiscard]] std::string RecoveryQuestion(int64_t changedAt);

// After an event: gives the shell a new copy when the drawing changed since the last one and
// differs from the document last read, started or saved; removes the copy once it no longer does.
void KeepRecoveryCopy(Program& program);

// The program is ending cleanly: the copy goes, and no later event keeps one.
void EndRecovery(Program& program);

// Offers a copy left by an end that was not clean, once the start-up drawing is drawn: asks
// first unless `ask` is false (a tab the browser discarded comes back as it was) or its drawing
// stands already. A damaged copy is refused with a message. True when its drawing now stands,
// kept as this window's copy; one put back has a history of its own.
bool OfferRecoveryCopy(Program& program, std::string_view copy, bool ask);

}  // namespace tova
