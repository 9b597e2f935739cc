#include "tools/check_command.h"

#include <optional>
#include <ostream>

#include "check/check_report.h"
#include "exercise/hand_in.h"
#include "tools/atomic_file.h"
#include "tools/command_line.h"
#include "tools/read_drawing.h"

namespace tova {
namespace {

inline constexpr int kMatch = 0, kDiffers = 1, kTrouble = 2;

struct Request {
  CheckOptions options;
  std::string key;
  std::vector<std::string> drawings;
  std::string csv, html;
  bool json = false, help = false;
};

// The request, or the message that says what is wrong with the command line.
std::optional<std::string> Parse(const std::vector<std::string>& arguments, Request& r) {
  CommandLine line;
  if (std::optional<std::string> wrong = SplitCommandLine(arguments, {"--anywhere", "--json"}, line)) return wrong;
  for (const auto& [a, value] : line.options) {
    if (a == "--help" || a == "-h") {
      r.help = true;
    } else if (a == "--anywhere") {
      r.options.anywhere = true;
    } else if (a == "--json") {
      r.json = true;
    } else if (a == "--tolerance") {
      if (std::optional<std::string> wrong = ReadTolerance(value, 1000, r.options.tolerance)) return wrong;
    } else if (a == "--csv" || a == "--html") {
      if (!value || value->empty()) return a + " wants a file name";
      (a == "--csv" ? r.csv : r.html) = *value;
    } else {
      return "unknown option " + a + " (tova-check --help lists them)";
    }
  }
  if (r.help) return std::nullopt;
  if (line.files.size() < 2) return "give the key and at least one drawing (tova-check --help)";
  r.key = line.files.front();
  r.drawings.assign(line.files.begin() + 1, line.files.end());
  return std::nullopt;
}

// What a hand-in tells besides the drawing, for the reports.
std::optional<HandInNote> NoteOf(const std::optional<HandIn>& handIn) {
  if (!handIn) return std::nullopt;
  const auto used = [&handIn](Aid aid) { return handIn->progress.used[static_cast<int>(aid)]; };
  return HandInNote{handIn->exercise, handIn->name, static_cast<long>(handIn->progress.seconds), used(Aid::Check),
                    used(Aid::Where), used(Aid::Peek), used(Aid::Object)};
}

}  // namespace

int RunCheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const auto trouble = [&err](const std::string& message) {
    err << "tova-check: " << message << '\n';
    return kTrouble;
  };
  Request request;
  if (const std::optional<std::string> wrong = Parse(arguments, request)) return trouble(*wrong);
  if (request.help) {
    out << kCheckUsage;
    return kMatch;
  }
  // A report never takes the place of the key or a drawing it reports on.
  for (const std::string* report : {&request.csv, &request.html}) {
    if (report->empty()) continue;
    if (SameFile(*report, request.key)) return trouble(*report + ": is the key itself; choose another name");
    for (const std::string& d : request.drawings) {
      if (SameFile(*report, d)) return trouble(*report + ": is one of the drawings; choose another name");
    }
  }
  const DrawingFile key = ReadDrawing(request.key);
  if (!key.tables) return trouble("the key " + key.failure);

  CheckRun run{request.key, DrawingElements(*key.tables), request.options, {}};
  int status = kMatch;
  for (const std::string& file : request.drawings) {
    DrawingFile drawing = ReadDrawing(file);
    CheckedDrawing checked{file, std::nullopt, {}, {}, NoteOf(ReadHandIn(drawing.text))};
    if (drawing.tables) {
      checked.elements = DrawingElements(*drawing.tables);
      checked.result = CheckDrawing(run.keyElements, checked.elements, request.options);
      if (!checked.result->Matches() && status == kMatch) status = kDiffers;
    } else {
      checked.error = drawing.failure;
      err << "tova-check: " << drawing.failure << '\n';
      status = kTrouble;
    }
    if (!request.json) out << CheckLines(checked) << '\n';
    run.drawings.push_back(std::move(checked));
  }
  if (request.json) {
    out << FormatCheckJson(run);
  } else {
    out << CheckSummary(run) << '\n';
  }
  const std::pair<const std::string*, std::string (*)(const CheckRun&)> reports[] = {
      {&request.csv, FormatCheckCsv}, {&request.html, FormatCheckHtml}};
  for (const auto& [path, format] : reports) {
    if (path->empty()) continue;
    const std::string problem = WriteFileAtomically(*path, format(run));
    if (!problem.empty()) status = trouble(*path + ": cannot be written (" + problem + ")");
  }
  return status;
}

}  // namespace tova
