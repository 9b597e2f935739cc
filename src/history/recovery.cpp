#include "history/recovery.h"

#include <charconv>
#include <cstdio>
#include <ctime>

#include "diagram/rendering.h"
#include "document/document_format.h"
#include "history/undo.h"
#include "platform/message_box.h"
#include "program/program.h"

namespace tova {
namespace {

constexpr std::string_view kTrailer = "Tova recovery\r\nchanged: ";
constexpr std::string_view kEnd = "\r\nend\r\n";

constexpr const char* kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

std::string WithTrailer(const std::string& document, int64_t changedAt) {
  return document + std::string(kTrailer) + std::to_string(changedAt) + std::string(kEnd);
}

}  // namespace

std::string FormatRecoveryCopy(const Tables& drawing, int64_t changedAt) {
  return WithTrailer(FormatDocument(drawing), changedAt);
}

std::optional<RecoveryCopy> ReadRecoveryCopy(std::string_view text) {
  // The trailer stands last and whole; a copy cut short anywhere lacks its end.
  const std::size_t at = text.rfind(kTrailer);
  if (at == std::string_view::npos || (at > 0 && text[at - 1] != '\n') || !text.ends_with(kEnd)) {
    return std::nullopt;
  }
  const std::string_view stamp = text.substr(at + kTrailer.size(), text.size() - kEnd.size() - at - kTrailer.size());
  RecoveryCopy copy;
  const auto [end, ec] = std::from_chars(stamp.data(), stamp.data() + stamp.size(), copy.changedAt);
  if (ec != std::errc() || end != stamp.data() + stamp.size()) return std::nullopt;
  std::optional<Tables> drawing = ParseDocument(text.substr(0, at));
  if (!drawing) return std::nullopt;
  copy.drawing = *drawing;
  return copy;
}

std::string RecoveryQuestion(int64_t changedAt) {
  const std::time_t t = static_cast<std::time_t>(changedAt);
  std::tm local{};
  std::string when = "an unknown time";
  if (localtime_r(&t, &local) != nullptr) {
    char clock[8];
    std::snprintf(clock, sizeof clock, "%02d:%02d", local.tm_hour % 24, local.tm_min % 60);
    when = std::string(clock) + " on " + std::to_string(local.tm_mday) + " " + kMonths[local.tm_mon % 12] + " " +
           std::to_string(local.tm_year + 1900);
  }
  return "Tova ended without closing last time. Restore the drawing as it was at " + when +
         ", when it was last changed? Cancel discards it.";
}

void KeepRecoveryCopy(Program& program) {
  HistoryVars& h = program.history;
  if (h.ended) return;
  std::string document = FormatDocument(program.tables);
  if (document == program.app.storedDocument) {
    if (!h.keptDocument.empty()) program.shell.StoreRecoveryCopy({});
    h.keptDocument.clear();
    return;
  }
  if (document == h.keptDocument) return;
  program.shell.StoreRecoveryCopy(WithTrailer(document, std::time(nullptr)));
  h.keptDocument = std::move(document);
}

void EndRecovery(Program& program) {
  HistoryVars& h = program.history;
  if (!h.keptDocument.empty()) program.shell.StoreRecoveryCopy({});
  h.keptDocument.clear();
  h.ended = true;
}

bool OfferRecoveryCopy(Program& program, std::string_view copy, bool ask) {
  const std::optional<RecoveryCopy> read = ReadRecoveryCopy(copy);
  if (!read) {
    Notify(program.shell, kRecoveryDamagedMessage);
    return false;
  }
  // A drawing that stands already (an exercise's, put back by the page) is not asked about.
  if (!SameDrawing(read->drawing, program.tables)) {
    if (ask && !Ask(program.shell, RecoveryQuestion(read->changedAt))) return false;
    TakeDrawing(program.tables, read->drawing);
    RepaintCanvas(program);
    BeginHistory(program);
  }
  KeepRecoveryCopy(program);
  return true;
}

}  // namespace tova
