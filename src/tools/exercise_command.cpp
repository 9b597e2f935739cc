#include "tools/exercise_command.h"

#include <algorithm>
#include <array>
#include <ostream>

#include "document/document_format.h"
#include "exercise/exercise_file.h"
#include "tools/atomic_file.h"
#include "tools/command_line.h"
#include "tools/read_drawing.h"

namespace tova {
namespace {

inline constexpr int kWritten = 0, kTrouble = 2;

struct Request {
  Exercise exercise;
  std::string key, start, output;
  bool help = false;
};

std::string Trimmed(std::string_view s) {
  const std::size_t first = s.find_first_not_of(" \t"), last = s.find_last_not_of(" \t");
  return first == std::string_view::npos ? std::string() : std::string(s.substr(first, last - first + 1));
}

// Sets the flags that the comma-separated `value` names from `words`, none for "none"; false,
// and nothing set, when it names another word.
template <std::size_t N>
bool SetFlags(const std::string& value, const std::array<std::string, N>& words, std::array<bool, N>& flags) {
  std::array<bool, N> named{};
  for (std::size_t from = 0; Trimmed(value) != "none" && from <= value.size();) {
    const std::size_t comma = std::min(value.find(',', from), value.size());
    const auto word = std::find(words.begin(), words.end(), Trimmed(std::string_view(value).substr(from, comma - from)));
    if (word == words.end()) return false;
    named[static_cast<std::size_t>(word - words.begin())] = true;
    from = comma + 1;
  }
  flags = named;
  return true;
}

bool OneLine(const std::string& text) {
  return std::none_of(text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; });
}

// The request, or the message that says what is wrong with the command line.
std::optional<std::string> Parse(const std::vector<std::string>& arguments, Request& r) {
  CommandLine line;
  if (std::optional<std::string> wrong = SplitCommandLine(arguments, {"--anywhere"}, line)) return wrong;
  const std::array<std::string, 3> views{"front", "top", "side"};
  std::array<std::string, kAidCount> aids;
  for (int i = 0; i < kAidCount; ++i) aids[i] = AidName(static_cast<Aid>(i));
  Exercise& e = r.exercise;
  for (const auto& [a, value] : line.options) {
    if (a == "--help" || a == "-h") {
      r.help = true;
    } else if (a == "--anywhere") {
      e.anywhere = true;
    } else if (a == "--tolerance") {
      if (std::optional<std::string> wrong = ReadTolerance(value, kMaxExerciseTolerance, e.tolerance)) return wrong;
    } else if (a == "--title" || a == "--task") {
      if (!value || !OneLine(*value)) return a + " wants one line of text";
      if (a == "--title") e.title = Trimmed(*value);
      else if (const std::string task = Trimmed(*value); !task.empty()) e.task += (e.task.empty() ? "" : "\n") + task;
    } else if (a == "--given" || a == "--aids") {
      const bool given = a == "--given";
      if (!(given ? SetFlags(value.value_or(""), views, e.given) : SetFlags(value.value_or(""), aids, e.aids))) {
        return a + (given ? " wants views from front, top and side" : " wants aids from check, where, peek and object") +
               ", or none" + (value ? ", not '" + *value + "'" : std::string());
      }
    } else if (a == "--start" || a == "-o" || a == "--output") {
      if (!value || value->empty()) return a + " wants a file name";
      (a == "--start" ? r.start : r.output) = *value;
    } else {
      return "unknown option " + a + " (tova-exercise --help lists them)";
    }
  }
  if (r.help) return std::nullopt;
  if (line.files.size() != 1) return "give one key drawing (tova-exercise --help)";
  if (e.title.empty()) return "give the exercise a --title";
  if (r.output.empty()) return "name the exercise file to write with -o";
  r.key = line.files.front();
  return std::nullopt;
}

}  // namespace

int RunExercise(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const auto trouble = [&err](const std::string& message) {
    err << "tova-exercise: " << message << '\n';
    return kTrouble;
  };
  Request request;
  if (const std::optional<std::string> wrong = Parse(arguments, request)) return trouble(*wrong);
  if (request.help) {
    out << kExerciseUsage;
    return kWritten;
  }
  if (SameFile(request.output, request.key)) {
    return trouble(request.output + ": is the key itself; choose another name");
  }
  if (!request.start.empty() && SameFile(request.output, request.start)) {
    return trouble(request.output + ": is the start drawing itself; choose another name");
  }
  Exercise& exercise = request.exercise;
  const DrawingFile key = ReadDrawing(request.key);
  if (!key.tables) return trouble("the key " + key.failure);
  exercise.givenFigures = GivenFigures(*key.tables, exercise.given);
  if (NeedsKey(exercise)) exercise.key = FormatDocument(*key.tables);
  if (!request.start.empty()) {
    const DrawingFile start = ReadDrawing(request.start);
    if (!start.tables) return trouble("the start drawing " + start.failure);
    exercise.start = FormatDocument(*start.tables);
  }
  const std::string text = FormatExercise(exercise);
  // What Tova could not open is not written.
  if (const ExerciseReading back = ReadExercise(text); !back.exercise) {
    return trouble("cannot make the exercise: " + back.reason);
  }
  const std::string problem = WriteFileAtomically(request.output, text);
  if (!problem.empty()) return trouble(request.output + ": cannot be written (" + problem + ")");
  return kWritten;
}

}  // namespace tova
