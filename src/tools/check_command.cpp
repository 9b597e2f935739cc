#include "tools/check_command.h"

#include <charconv>
#include <optional>
#include <ostream>

#include "check/check_report.h"
#include "tools/atomic_file.h"
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
  std::vector<std::string> files;
  bool optionsEnd = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (optionsEnd || arguments[i].empty() || arguments[i][0] != '-' || arguments[i] == "-") {
      files.push_back(arguments[i]);
      continue;
    }
    // A value follows its option as the next argument or after an equals sign.
    const std::size_t equals = arguments[i].find('=');
    const std::string a = arguments[i].substr(0, equals);
    const std::optional<std::string> attached =
        equals == std::string::npos ? std::nullopt : std::optional(arguments[i].substr(equals + 1));
    const auto value = [&]() -> const std::string* {
      return attached ? &*attached : i + 1 < arguments.size() ? &arguments[++i] : nullptr;
    };
    const bool flag = a == "--" || a == "--help" || a == "-h" || a == "--anywhere" || a == "--json";
    if (flag && attached) return a + " takes no value";
    if (a == "--") {
      optionsEnd = true;
    } else if (a == "--help" || a == "-h") {
      r.help = true;
    } else if (a == "--anywhere") {
      r.options.anywhere = true;
    } else if (a == "--json") {
      r.json = true;
    } else if (a == "--tolerance") {
      const std::string* v = value();
      double px = -1;
      if (v) {
        const auto [end, error] = std::from_chars(v->data(), v->data() + v->size(), px);
        if (error != std::errc() || end != v->data() + v->size()) px = -1;
      }
      if (!(px >= 0 && px <= 1000)) return "--tolerance wants a number of pixels from 0 to 1000" + (v ? ", not '" + *v + "'" : std::string());
      r.options.tolerance = px;
    } else if (a == "--csv" || a == "--html") {
      const std::string* v = value();
      if (!v || v->empty()) return a + " wants a file name";
      (a == "--csv" ? r.csv : r.html) = *v;
    } else {
      return "unknown option " + a + " (tova-check --help lists them)";
    }
  }
  if (r.help) return std::nullopt;
  if (files.size() < 2) return "give the key and at least one drawing (tova-check --help)";
  r.key = files.front();
  r.drawings.assign(files.begin() + 1, files.end());
  return std::nullopt;
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
    CheckedDrawing checked{file, std::nullopt, {}, {}};
    DrawingFile drawing = ReadDrawing(file);
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
