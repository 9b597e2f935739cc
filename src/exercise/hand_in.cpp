#include "exercise/hand_in.h"

#include <charconv>
#include <cmath>

#include "document/document_format.h"

namespace tova {
namespace {

constexpr std::string_view kHandInHeader = "Tova hand-in";
// The counts by name, in the order of Aid.
constexpr const char* kCountNames[kAidCount] = {"checks", "wheres", "peeks", "objects"};

// A name or title on one line: line ends and other control characters become spaces.
std::string OneLine(std::string_view text) {
  std::string line(text);
  for (char& c : line) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  return line;
}

std::optional<long> Count(std::string_view s) {
  long v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size() || v < 0) return std::nullopt;
  return v;
}

}  // namespace

std::string FormatHandIn(const Tables& drawing, const HandIn& h) {
  std::string text = FormatDocument(drawing);
  text += std::string(kHandInHeader) + "\r\n";
  text += "exercise: " + OneLine(h.exercise) + "\r\n";
  text += "name: " + OneLine(h.name) + "\r\n";
  text += "seconds: " + std::to_string(std::lround(std::max(0.0, h.progress.seconds))) + "\r\n";
  for (int i = 0; i < kAidCount; ++i) {
    text += std::string(kCountNames[i]) + ": " + std::to_string(h.progress.used[i]) + "\r\n";
  }
  return text;
}

std::optional<HandIn> ReadHandIn(std::string_view text) {
  // The trailer is the last "Tova hand-in" line's and what follows; the drawing before it holds
  // only numbers, so the header cannot stand inside it.
  const std::size_t at = text.rfind(kHandInHeader);
  if (at == std::string_view::npos || (at > 0 && text[at - 1] != '\n')) return std::nullopt;
  std::string_view rest = text.substr(at + kHandInHeader.size());
  HandIn h;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t colon = line.find(": ");
    if (colon == std::string_view::npos) continue;
    const std::string_view name = line.substr(0, colon), value = line.substr(colon + 2);
    if (name == "exercise") h.exercise = value;
    if (name == "name") h.name = value;
    const std::optional<long> n = Count(value);
    if (!n) continue;
    if (name == "seconds") h.progress.seconds = static_cast<double>(*n);
    for (int i = 0; i < kAidCount; ++i) {
      if (name == kCountNames[i]) h.progress.used[i] = static_cast<int>(std::min<long>(*n, 1 << 30));
    }
  }
  h.progress.student = h.name;
  return h;
}

std::string HandInFileName(const HandIn& h) {
  std::string name = OneLine(h.name.empty() ? "hand-in" : h.name) + " - " + OneLine(h.exercise);
  for (char& c : name) {
    if (std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) c = '_';
  }
  return name + ".KRT";
}

}  // namespace tova
