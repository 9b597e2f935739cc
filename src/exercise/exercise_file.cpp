#include "exercise/exercise_file.h"

#include <charconv>
#include <cmath>

#include "document/document_format.h"
#include "figures/number_text.h"
#include "program/line_kinds.h"
#include "program/panes.h"

namespace tova {
namespace {

constexpr const char* kViewWords[] = {"front", "top", "side"};
constexpr const char* kAidWords[] = {"check", "where", "peek", "object"};
constexpr const char* kKindWords[] = {"solid", "thick", "dotted"};

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// The comma-separated items of `value`, trimmed.
std::vector<std::string_view> Items(std::string_view value) {
  std::vector<std::string_view> items;
  for (;;) {
    const std::size_t comma = value.find(',');
    items.push_back(Trimmed(value.substr(0, comma)));
    if (comma == std::string_view::npos) return items;
    value.remove_prefix(comma + 1);
  }
}

// Sets the flags named in `value` ("none" for none); false on a word not in `words`.
template <std::size_t N>
bool ReadFlags(std::string_view value, const char* const (&words)[N], std::array<bool, N>& flags) {
  flags = {};
  if (Trimmed(value) == "none") return true;
  for (std::string_view item : Items(value)) {
    std::size_t i = 0;
    while (i < N && item != words[i]) ++i;
    if (i == N) return false;
    flags[i] = true;
  }
  return true;
}

template <std::size_t N>
std::string FlagWords(const std::array<bool, N>& flags, const char* const (&words)[N]) {
  std::string text;
  for (std::size_t i = 0; i < N; ++i) {
    if (flags[i]) text += (text.empty() ? "" : ", ") + std::string(words[i]);
  }
  return text.empty() ? "none" : text;
}

std::optional<int16_t> Int16(std::string_view s) {
  int v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size() || v < -32768 || v > 32767) return std::nullopt;
  return static_cast<int16_t>(v);
}

std::optional<int16_t> KindNumber(std::string_view word) {
  for (int16_t k = 0; k < 3; ++k) {
    if (word == kKindWords[k]) return k;
  }
  return std::nullopt;
}

// "x1, y1, x2, y2, kind" or "cx, cy, radius, start, end, kind".
std::optional<GivenFigure> ReadFigure(std::string_view value, bool circle) {
  const std::vector<std::string_view> items = Items(value);
  const std::size_t numbers = circle ? 5 : 4;
  if (items.size() != numbers + 1) return std::nullopt;
  std::array<int16_t, 5> v{};
  for (std::size_t i = 0; i < numbers; ++i) {
    const std::optional<int16_t> n = Int16(items[i]);
    if (!n) return std::nullopt;
    v[i] = *n;
  }
  const std::optional<int16_t> kind = KindNumber(items[numbers]);
  if (!kind) return std::nullopt;
  GivenFigure f{.circle = circle, .lineKind = *kind};
  if (circle) {
    f.cx = v[0], f.cy = v[1], f.radius = v[2], f.startDeg = v[3], f.endDeg = v[4];
  } else {
    f.x1 = v[0], f.y1 = v[1], f.x2 = v[2], f.y2 = v[3];
  }
  return f;
}

std::string FigureText(const GivenFigure& f) {
  const auto list = [](std::initializer_list<int16_t> values) {
    std::string text;
    for (int16_t v : values) text += std::to_string(v) + ", ";
    return text;
  };
  const char* kind = f.lineKind >= 0 && f.lineKind < 3 ? kKindWords[f.lineKind] : "solid";
  return (f.circle ? "circle: " + list({f.cx, f.cy, f.radius, f.startDeg, f.endDeg})
                   : "line: " + list({f.x1, f.y1, f.x2, f.y2})) + kind + "\n";
}

// A tolerance: digits, a point and digits; any locale's way of writing numbers aside.
std::optional<double> Pixels(std::string_view s) {
  const std::size_t point = s.find('.');
  const std::string_view whole = s.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? std::string_view() : s.substr(point + 1);
  const auto digits = [](std::string_view d) { return d.find_first_not_of("0123456789") == std::string_view::npos; };
  if (whole.empty() || whole.size() > 4 || !digits(whole) || !digits(fraction) ||
      (point != std::string_view::npos && fraction.empty())) {
    return std::nullopt;
  }
  double value = std::stoi(std::string(whole)), scale = 1;
  for (char c : fraction.substr(0, 6)) value += (c - '0') * (scale /= 10);
  return value;
}

// Reads the lines of `text` one at a time, counting them.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : rest_(text) {}
  bool Next(std::string_view& line) {
    if (rest_.empty()) return false;
    const std::size_t end = rest_.find('\n');
    line = rest_.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
    ++number_;
    return true;
  }
  int Number() const { return number_; }

 private:
  std::string_view rest_;
  int number_ = 0;
};

}  // namespace

const char* AidName(Aid aid) { return kAidWords[static_cast<int>(aid)]; }

bool LooksLikeExercise(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a byte-order mark
  return text.starts_with(kExerciseHeader);
}

bool NeedsKey(const Exercise& exercise) {
  for (bool offered : exercise.aids) {
    if (offered) return true;
  }
  return false;
}

ExerciseReading ReadExercise(std::string_view text) {
  if (!LooksLikeExercise(text)) return {std::nullopt, "it is not a Tova exercise (line 1)"};
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  LineReader lines(text);
  std::string_view line;
  (void)lines.Next(line);  // the header
  Exercise ex;
  const auto fail = [&lines](const std::string& what) {
    return ExerciseReading{std::nullopt, what + " (line " + std::to_string(lines.Number()) + ")"};
  };
  while (lines.Next(line)) {
    const std::string_view trimmed = Trimmed(line);
    if (trimmed.empty() || trimmed.front() == '#') continue;
    if (trimmed.starts_with("begin ")) {
      const std::string_view which = Trimmed(trimmed.substr(6));
      if (which != "key" && which != "start") return fail("there is no drawing called \"" + std::string(which) + "\"");
      std::string document;
      bool ended = false;
      while (!ended && lines.Next(line)) {
        if (Trimmed(line) == "end " + std::string(which)) {
          ended = true;
        } else {
          document.append(line).append("\r\n");
        }
      }
      if (!ended) return fail("the " + std::string(which) + " drawing has no end");
      const DocumentReading read = ReadDocument(document);
      if (!read.tables) return fail("the " + std::string(which) + " drawing is damaged: " + read.reason);
      (which == "key" ? ex.key : ex.start) = FormatDocument(*read.tables);
      continue;
    }
    const std::size_t colon = trimmed.find(':');
    if (colon == std::string_view::npos) return fail("\"" + std::string(trimmed) + "\" is not \"name: value\"");
    const std::string_view name = Trimmed(trimmed.substr(0, colon));
    const std::string_view value = Trimmed(trimmed.substr(colon + 1));
    if (name == "title") {
      ex.title = value;
    } else if (name == "task") {
      ex.task += (ex.task.empty() ? "" : "\n") + std::string(value);
    } else if (name == "given") {
      if (!ReadFlags(value, kViewWords, ex.given)) return fail("the given views are front, top and side");
    } else if (name == "aids") {
      if (!ReadFlags(value, kAidWords, ex.aids)) return fail("the aids are check, where, peek and object");
    } else if (name == "tolerance") {
      const std::optional<double> t = Pixels(value);
      if (!t || *t > kMaxExerciseTolerance) return fail("the tolerance is a number of pixels from 0 to 20");
      ex.tolerance = *t;
    } else if (name == "placement") {
      if (value != "fixed" && value != "free") return fail("the placement is fixed or free");
      ex.anywhere = value == "free";
    } else if (name == "line" || name == "circle") {
      const std::optional<GivenFigure> f = ReadFigure(value, name == "circle");
      if (!f) return fail("a " + std::string(name) + " is " + (name == "line" ? "x1, y1, x2, y2" : "cx, cy, radius, start, end") + " and solid, thick or dotted");
      ex.givenFigures.push_back(*f);
    } else {
      return fail("\"" + std::string(name) + "\" is not a part of an exercise");
    }
  }
  if (ex.title.empty()) return fail("the exercise has no title");
  if (NeedsKey(ex) && !ex.key) return fail("its aids need the key's drawing, and it has none");
  return {std::move(ex), {}};
}

std::string FormatExercise(const Exercise& ex) {
  std::string text = std::string(kExerciseHeader) + "\n";
  text += "title: " + ex.title + "\n";
  std::string_view task = ex.task;
  while (!task.empty()) {
    const std::size_t end = task.find('\n');
    text += "task: " + std::string(task.substr(0, end)) + "\n";
    task.remove_prefix(end == std::string_view::npos ? task.size() : end + 1);
  }
  text += "given: " + FlagWords(ex.given, kViewWords) + "\n";
  text += "aids: " + FlagWords(ex.aids, kAidWords) + "\n";
  text += "tolerance: " + NumberText(ex.tolerance) + "\n";
  text += std::string("placement: ") + (ex.anywhere ? "free" : "fixed") + "\n";
  for (const GivenFigure& f : ex.givenFigures) text += FigureText(f);
  const auto drawing = [&text](const char* which, const std::optional<std::string>& document) {
    if (!document) return;
    text += std::string("begin ") + which + "\n";
    for (char c : *document) {
      if (c != '\r') text += c;
    }
    if (!text.ends_with('\n')) text += '\n';
    text += std::string("end ") + which + "\n";
  };
  if (NeedsKey(ex)) drawing("key", ex.key);
  drawing("start", ex.start);
  return text;
}

std::vector<GivenFigure> GivenFigures(const Tables& key, const std::array<bool, 3>& given) {
  const auto shown = [&given](int16_t x, int16_t y) {
    const int16_t pane = PaneAt(x, y);
    return pane >= 0 && pane < 3 && given[pane];
  };
  std::vector<GivenFigure> figures;
  for (const LineRecord& m : key.lineTable) {
    if (m.state == kRowLive && shown(m.x1, m.y1)) {
      figures.push_back({.circle = false, .x1 = m.x1, .y1 = m.y1, .x2 = m.x2, .y2 = m.y2, .lineKind = m.lineKind});
    }
  }
  for (const CircleRecord& k : key.circleTable) {
    if (k.state == kRowLive && shown(k.cx, k.cy)) {
      figures.push_back({.circle = true, .cx = k.cx, .cy = k.cy, .radius = k.radius, .startDeg = k.startDeg,
                         .endDeg = k.endDeg, .lineKind = k.lineKind});
    }
  }
  return figures;
}

}  // namespace tova
