#include "tools/export_command.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <optional>
#include <ostream>
#include <variant>

#include "export/dxf_export.h"
#include "export/obj_export.h"
#include "export/pdf_sheet.h"
#include "export/png_image.h"
#include "export/svg_export.h"
#include "export/view_picture.h"
#include "program/window_layout.h"
#include "tools/atomic_file.h"
#include "tools/read_drawing.h"

namespace tova {
namespace {

enum class Format { Svg, Dxf, Png, Obj, Pdf };

struct Request {
  std::string drawing, output;
  ViewOptions view;
  std::vector<std::string> viewOptionsGiven;
  SheetFields sheet;
  std::vector<std::string> sheetOptionsGiven;
  bool help = false;
};

// A failure: the message that ends the command.
struct Failure {
  std::string message;
};

std::optional<int16_t> WholeNumber(const std::string& text, int lowest, int highest) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [at, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || at != end || text.empty() || value < lowest || value > highest) {
    return std::nullopt;
  }
  return static_cast<int16_t>(value);
}

std::optional<Rgb> Colour(const std::string& text) {
  if (text.size() == 7 && text[0] == '#') {
    unsigned value = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data() + 1, end, value, 16);
    if (error == std::errc() && at == end) return value;
    return std::nullopt;
  }
  if (const std::optional<int16_t> n = WholeNumber(text, 0, 15)) return ColourNumber(*n);
  return std::nullopt;
}

// The picture's numeric options; --size and --centre take what the "Size:" and "Centre:" bars
// allow.
struct NumberOption {
  const char* name;
  int16_t ViewOptions::*field;
  int lowest, highest;
};
constexpr NumberOption kNumberOptions[] = {
    {"--tilt", &ViewOptions::tilt, -32768, 32767},
    {"--turn", &ViewOptions::turn, -32768, 32767},
    {"--size", &ViewOptions::size, kSizeRange.min, kSizeRange.max},
    {"--centre", &ViewOptions::centre, kCentreRange.min, kCentreRange.max},
};
constexpr const char* kColourOptions[] = {"--pen", "--background"};

// The title block's fields.
constexpr std::pair<const char*, std::string SheetFields::*> kSheetOptions[] = {
    {"--title", &SheetFields::title},
    {"--author", &SheetFields::author},
    {"--date", &SheetFields::date},
    {"--number", &SheetFields::number},
};

// A date of the calendar written as ISO 8601 has it: YYYY-MM-DD.
bool IsIsoDate(const std::string& text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  const std::optional<int16_t> y = WholeNumber(text.substr(0, 4), 1, 9999);
  const std::optional<int16_t> m = WholeNumber(text.substr(5, 2), 1, 12);
  const std::optional<int16_t> d = WholeNumber(text.substr(8, 2), 1, 31);
  return y && m && d &&
         std::chrono::year_month_day(std::chrono::year(*y), std::chrono::month(*m), std::chrono::day(*d)).ok();
}

bool IsSheetOption(const std::string& name) {
  return std::any_of(std::begin(kSheetOptions), std::end(kSheetOptions),
                     [&](const auto& option) { return name == option.first; });
}

// Sets the sheet option `name` from `value`, or says what is wrong with it.
std::optional<Failure> SetSheetOption(SheetFields& sheet, const std::string& name, const std::string& value) {
  if (name == "--date" && !IsIsoDate(value)) return Failure{"--date wants YYYY-MM-DD, not '" + value + "'"};
  for (const auto& [option, field] : kSheetOptions) {
    if (name == option) sheet.*field = value;
  }
  return std::nullopt;
}

// Today in the local calendar, as YYYY-MM-DD.
std::string Today() {
  const std::time_t now = std::time(nullptr);
  char text[16] = "";
  std::strftime(text, sizeof text, "%Y-%m-%d", std::localtime(&now));
  return text;
}

bool IsViewOption(const std::string& name) {
  return std::any_of(std::begin(kNumberOptions), std::end(kNumberOptions),
                     [&](const NumberOption& n) { return name == n.name; }) ||
         std::find(std::begin(kColourOptions), std::end(kColourOptions), name) != std::end(kColourOptions);
}

// Sets the view option `name` from `value`, or says what is wrong with it.
std::optional<Failure> SetViewOption(ViewOptions& view, const std::string& name, const std::string& value) {
  for (const NumberOption& n : kNumberOptions) {
    if (name != n.name) continue;
    const std::optional<int16_t> v = WholeNumber(value, n.lowest, n.highest);
    if (!v) {
      const std::string wants = n.lowest == -32768 ? "a whole number of degrees"
                                                   : "a whole number from " + std::to_string(n.lowest) +
                                                         " to " + std::to_string(n.highest);
      return Failure{name + " wants " + wants + ", not '" + value + "'"};
    }
    view.*n.field = *v;
    return std::nullopt;
  }
  const std::optional<Rgb> colour = Colour(value);
  if (!colour) return Failure{name + " wants #RRGGBB or a colour number from 0 to 15, not '" + value + "'"};
  (name == "--pen" ? view.pen : view.background) = *colour;
  return std::nullopt;
}

std::variant<Request, Failure> ParseArguments(const std::vector<std::string>& arguments) {
  Request request;
  std::vector<std::string> files;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& a = arguments[i];
    if (optionsEnded || a.size() < 2 || a[0] != '-') {
      files.push_back(a);
    } else if (a == "--") {
      optionsEnded = true;
    } else if (a == "--help" || a == "-h") {
      request.help = true;
      return request;
    } else {
      const std::size_t equals = a.find('=');
      const std::string name = a.substr(0, equals);
      const bool sheetOption = IsSheetOption(name);
      if (!sheetOption && !IsViewOption(name)) {
        return Failure{"unknown option '" + a + "' (see tova-export --help)"};
      }
      std::string value;
      if (equals != std::string::npos) {
        value = a.substr(equals + 1);
      } else if (i + 1 < arguments.size()) {
        value = arguments[++i];
      } else {
        return Failure{name + " wants a value"};
      }
      std::optional<Failure> failure = sheetOption ? SetSheetOption(request.sheet, name, value)
                                                    : SetViewOption(request.view, name, value);
      if (failure) return *failure;
      (sheetOption ? request.sheetOptionsGiven : request.viewOptionsGiven).push_back(name);
    }
  }
  if (files.size() != 2) return Failure{"wants a drawing and an output file (see tova-export --help)"};
  request.drawing = files[0];
  request.output = files[1];
  return request;
}

std::optional<Format> FormatOf(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".svg") return Format::Svg;
  if (extension == ".dxf") return Format::Dxf;
  if (extension == ".png") return Format::Png;
  if (extension == ".obj") return Format::Obj;
  if (extension == ".pdf") return Format::Pdf;
  return std::nullopt;
}

// The title block's fields: what the options gave, the title defaulting to the drawing's name
// and the date to today.
SheetFields SheetOf(const Request& request) {
  SheetFields sheet = request.sheet;
  const auto given = [&](const char* option) {
    return std::find(request.sheetOptionsGiven.begin(), request.sheetOptionsGiven.end(), option) !=
           request.sheetOptionsGiven.end();
  };
  if (!given("--title")) sheet.title = std::filesystem::path(request.drawing).stem().string();
  if (!given("--date")) sheet.date = Today();
  return sheet;
}

}  // namespace

int RunExport(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const auto fail = [&err](const std::string& message) {
    err << "tova-export: " << message << '\n';
    return 1;
  };
  std::variant<Request, Failure> parsed = ParseArguments(arguments);
  if (const Failure* failure = std::get_if<Failure>(&parsed)) return fail(failure->message);
  const Request& request = std::get<Request>(parsed);
  if (request.help) {
    out << kExportUsage;
    return 0;
  }
  const std::optional<Format> format = FormatOf(request.output);
  if (!format) {
    return fail(request.output + ": unknown format (the name must end in .svg, .dxf, .png, .obj or .pdf)");
  }
  if (*format != Format::Png && !request.viewOptionsGiven.empty()) {
    return fail(request.output + ": " + request.viewOptionsGiven.front() + " applies only to a .png picture");
  }
  if (*format != Format::Pdf && !request.sheetOptionsGiven.empty()) {
    return fail(request.output + ": " + request.sheetOptionsGiven.front() + " applies only to a .pdf sheet");
  }
  const DrawingFile read = ReadDrawing(request.drawing);
  if (!read.tables) return fail(read.failure);
  const Tables& tables = *read.tables;
  if (SameFile(request.drawing, request.output)) {
    return fail(request.output + ": is the drawing itself; choose another output name");
  }

  std::optional<std::string> bytes;
  switch (*format) {
    case Format::Svg: bytes = FormatSvg(tables); break;
    case Format::Dxf: bytes = FormatDxf(tables); break;
    case Format::Obj: bytes = FormatObj(tables); break;
    case Format::Png: bytes = EncodePng(RenderViewPicture(tables, request.view)); break;
    case Format::Pdf: bytes = FormatPdfSheet(tables, SheetOf(request)); break;
  }
  if (!bytes) return fail(request.output + ": the picture could not be encoded");
  const std::string problem = WriteFileAtomically(request.output, *bytes);
  if (!problem.empty()) return fail(request.output + ": cannot be written (" + problem + ")");
  return 0;
}

}  // namespace tova
