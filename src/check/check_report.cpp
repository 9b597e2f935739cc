#include "check/check_report.h"

#include <algorithm>

#include "check/check_json.h"
#include "check/difference_picture.h"
#include "check/difference_words.h"
#include "figures/json_text.h"
#include "figures/number_text.h"

namespace tova {
namespace {

std::string Html(std::string_view text) {
  std::string out;
  for (const char c : ValidUtf8(text)) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string CsvField(const std::string& text) {
  std::string valid = ValidUtf8(text);
  // A field that a spreadsheet would take for a formula is kept as text.
  if (!valid.empty() && std::string_view("=+-@\t\r").find(valid[0]) != std::string_view::npos) valid.insert(0, "'");
  if (valid.find_first_of(",\"\r\n") == std::string::npos) return valid;
  std::string out = "\"";
  for (const char c : valid) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

// A heading in the difference's colour, then a line for each sentence of each item.
template <typename T, typename F>
std::string HtmlList(const char* heading, const char* colour, const std::vector<T>& items, F sentences) {
  if (items.empty()) return {};
  std::string html = std::string("<h3><span class=\"swatch\" style=\"background:") + colour + "\"></span>" + heading +
                     "</h3>\n<ul>\n";
  for (const T& item : items) {
    for (const std::string& sentence : sentences(item)) html += "<li>" + Html(sentence) + "</li>\n";
  }
  return html + "</ul>\n";
}

std::string Counted(long n, const char* one, const char* many) { return std::to_string(n) + " " + (n == 1 ? one : many); }

// "12 min, 2 checks, 1 show-where, 0 peeks, 1 object view": whole minutes, as a teacher reads them.
std::string HelpWords(const HandInNote& h) {
  return std::to_string(h.seconds / 60) + " min, " + Counted(h.checks, "check", "checks") + ", " +
         Counted(h.wheres, "show-where", "show-wheres") + ", " + Counted(h.peeks, "peek", "peeks") + ", " +
         Counted(h.objects, "object view", "object views");
}

std::string StudentName(const HandInNote& h) { return h.name.empty() ? "no name given" : h.name; }

std::string Names(const std::vector<std::string>& files) { return Joined(files, ", "); }

// The class at a glance: the key once, each element coloured by the share of the drawings read
// that got it wrong (missing, or another line kind), then the elements most got wrong, with who.
std::string ClassAtAGlance(const CheckRun& run, const std::vector<const CheckedDrawing*>& byName) {
  const std::vector<Element>& key = run.keyElements;
  const auto index = [&key](const Element& e) {
    const auto same = [&e](const Element& k) {
      return k.row == e.row && (k.kind == ElementKind::Relation) == (e.kind == ElementKind::Relation);
    };
    return static_cast<std::size_t>(std::find_if(key.begin(), key.end(), same) - key.begin());
  };
  std::vector<std::vector<std::string>> missing(key.size()), otherKind(key.size()), otherSize(key.size()),
      wrong(key.size());
  std::size_t read = 0;
  for (const CheckedDrawing* d : byName) {
    if (!d->result) continue;
    ++read;
    for (const Element& e : d->result->missing) {
      if (const std::size_t i = index(e); i < key.size()) missing[i].push_back(d->file), wrong[i].push_back(d->file);
    }
    for (const WrongSize& w : d->result->wrongSize) {
      if (const std::size_t i = index(w.key); i < key.size()) otherSize[i].push_back(d->file), wrong[i].push_back(d->file);
    }
    for (const WrongKind& w : d->result->wrongKind) {
      std::string views;
      for (const KindDifference& v : w.views) views += std::string(views.empty() ? "" : ", ") + ViewName(v.pane) + " view";
      if (const std::size_t i = index(w.key); i < key.size()) {
        otherKind[i].push_back(d->file + " (" + views + ")"), wrong[i].push_back(d->file);
      }
    }
  }
  if (read == 0 || key.empty()) return {};
  std::vector<ClassShare> shares(key.size());
  std::vector<std::size_t> worst;
  const auto percent = [read](std::size_t n) { return std::to_string((200 * n + read) / (2 * read)) + "%"; };
  for (std::size_t i = 0; i < key.size(); ++i) {
    shares[i].share = static_cast<double>(wrong[i].size()) / static_cast<double>(read);
    if (wrong[i].empty()) continue;
    shares[i].title = Html(percent(wrong[i].size()) + " got it wrong: " + Names(wrong[i]));
    shares[i].link = "#element-" + std::to_string(i + 1);
    worst.push_back(i);
  }
  std::stable_sort(worst.begin(), worst.end(), [&](std::size_t a, std::size_t b) { return wrong[a].size() > wrong[b].size(); });
  std::string html = "<section id=\"class\">\n<h2>The class at a glance</h2>\n<p>The key, each element in red as "
                     "deep as the share of the " + std::to_string(read) + " drawings read that got it wrong (missing, "
                     "another line kind or another size); hover over it, or choose it, for who.</p>\n" + ClassPicture(key, shares);
  if (worst.empty()) return html + "<p>Nobody got any element wrong.</p>\n</section>\n";
  html += "<h3>The mistakes most made</h3>\n<table class=\"mistakes\">\n<thead><tr><th>Element of the key</th>"
          "<th>Got it wrong</th><th>Missing</th><th>Another line kind</th><th>Another size</th></tr></thead>\n<tbody>\n";
  for (std::size_t n = 0; n < worst.size() && n < 10; ++n) {
    const std::size_t i = worst[n];
    html += "<tr id=\"element-" + std::to_string(i + 1) + "\"><td>" + Html(ElementInWords(key[i])) +
            "</td><td class=\"number\">" + percent(wrong[i].size()) + "</td><td>" + Html(Names(missing[i])) +
            "</td><td>" + Html(Names(otherKind[i])) + "</td><td>" + Html(Names(otherSize[i])) + "</td></tr>\n";
  }
  return html + "</tbody>\n</table>\n</section>\n";
}

constexpr const char* kStyle = R"(
body { font-family: "Noto Sans", "Noto Sans CJK SC", "WenQuanYi Micro Hei", "Microsoft YaHei", "PingFang SC", sans-serif;
       margin: 2em auto; max-width: 60em; padding: 0 1em; color: #202020; }
table { border-collapse: collapse; }
th, td { border: 1px solid #c0c0c0; padding: 0.25em 0.75em; text-align: left; }
td.number { text-align: right; font-variant-numeric: tabular-nums; }
section { border-top: 1px solid #c0c0c0; margin-top: 2em; }
svg { max-width: 100%; height: auto; border: 1px solid #c0c0c0; }
.swatch { display: inline-block; width: 0.8em; height: 0.8em; margin-right: 0.4em; }
.error { color: #a00000; }
tr:target { background: #fff0c0; }
)";

}  // namespace

std::string CheckLines(const CheckedDrawing& d) {
  const std::string file =
      d.file + (d.handIn ? " (" + StudentName(*d.handIn) + "; " + HelpWords(*d.handIn) + ")" : std::string());
  if (!d.result) return file + ": not read";
  std::string lines = file + ": " + std::to_string(d.result->score) + " (" + DifferencesInWords(*d.result) + ")";
  for (const std::string& sentence : DifferenceSentences(*d.result)) lines += "\n  " + sentence;
  return lines;
}

std::string CheckSummary(const CheckRun& run) {
  std::size_t matching = 0, differing = 0, unread = 0;
  for (const CheckedDrawing& d : run.drawings) {
    if (!d.result) ++unread;
    else if (d.result->Matches()) ++matching;
    else ++differing;
  }
  const std::size_t n = run.drawings.size();
  return std::to_string(n) + (n == 1 ? " drawing: " : " drawings: ") + std::to_string(matching) +
         (matching == 1 ? " matches" : " match") + " the key, " + std::to_string(differing) +
         (differing == 1 ? " differs" : " differ") + ", " + std::to_string(unread) + " could not be read";
}

std::string FormatCheckJson(const CheckRun& run) {
  std::string json = "{\"key\":" + JsonQuoted(run.key) + ",\"tolerance\":" + NumberText(run.options.tolerance) +
                     ",\"anywhere\":" + (run.options.anywhere ? "true" : "false") + ",\"drawings\":[";
  for (std::size_t i = 0; i < run.drawings.size(); ++i) {
    const CheckedDrawing& d = run.drawings[i];
    json += std::string(i ? ",\n" : "\n") + "{\"file\":" + JsonQuoted(d.file) + ",";
    if (const std::optional<HandInNote>& h = d.handIn) {
      json += "\"handIn\":{\"exercise\":" + JsonQuoted(h->exercise) + ",\"name\":" + JsonQuoted(h->name) +
              ",\"seconds\":" + std::to_string(h->seconds) + ",\"checks\":" + std::to_string(h->checks) +
              ",\"wheres\":" + std::to_string(h->wheres) + ",\"peeks\":" + std::to_string(h->peeks) +
              ",\"objects\":" + std::to_string(h->objects) + "},";
    }
    if (!d.result) {
      json += "\"error\":" + JsonQuoted(d.error) + "}";
      continue;
    }
    json += CheckResultMembers(*d.result);
    if (run.options.anywhere) {
      const Shift& s = d.result->shift;
      json += ",\"moved\":[" + std::to_string(s.a) + "," + std::to_string(s.b) + "," + std::to_string(s.c) + "]";
    }
    json += "}";
  }
  return json + "\n]}\n";
}

std::string FormatCheckCsv(const CheckRun& run) {
  std::string csv = "\xEF\xBB\xBF" "file,score,missing,extra,wrong line kind,error,wrong size,"
                    "name,seconds,checks,wheres,peeks,objects\r\n";
  for (const CheckedDrawing& d : run.drawings) {
    csv += CsvField(d.file) + ",";
    if (d.result) {
      const CheckResult& r = *d.result;
      csv += std::to_string(r.score) + "," + std::to_string(r.missing.size()) + "," + std::to_string(r.extra.size()) +
             "," + std::to_string(r.wrongKind.size()) + ",," + std::to_string(r.wrongSize.size());
    } else {
      csv += ",,,," + CsvField(d.error) + ",";
    }
    if (const std::optional<HandInNote>& h = d.handIn) {
      csv += "," + CsvField(h->name);
      for (const long n : {h->seconds, long{h->checks}, long{h->wheres}, long{h->peeks}, long{h->objects}}) {
        csv += "," + std::to_string(n);
      }
      csv += "\r\n";
    } else {
      csv += ",,,,,,\r\n";
    }
  }
  return csv;
}

std::string FormatCheckHtml(const CheckRun& run) {
  std::vector<const CheckedDrawing*> byName;
  for (const CheckedDrawing& d : run.drawings) byName.push_back(&d);
  std::stable_sort(byName.begin(), byName.end(),
                   [](const CheckedDrawing* a, const CheckedDrawing* b) { return a->file < b->file; });

  const std::string key = Html(run.key);
  std::string html = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                     "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                     "<title>Drawings checked against " + key + "</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n";
  html += "<h1>Drawings checked against " + key + "</h1>\n<p>" + Html(CheckSummary(run)) + ". Points within " +
          NumberText(run.options.tolerance) + " px count as the same" +
          (run.options.anywhere ? "; each drawing was moved to where it matches the key best" : "") + ".</p>\n";
  // Hand-ins add who made each drawing and the help used.
  const bool handIns =
      std::any_of(byName.begin(), byName.end(), [](const CheckedDrawing* d) { return d->handIn.has_value(); });
  html += std::string("<table class=\"class\">\n<thead><tr><th>Drawing</th>") + (handIns ? "<th>Student</th>" : "") +
          "<th>Score</th><th>Missing</th><th>Extra</th><th>Wrong line kind</th><th>Wrong size</th>" +
          (handIns ? "<th>Minutes</th><th>Checks</th><th>Show-wheres</th><th>Peeks</th><th>Object views</th>" : "") +
          "</tr></thead>\n<tbody>\n";
  for (std::size_t i = 0; i < byName.size(); ++i) {
    const CheckedDrawing& d = *byName[i];
    html += "<tr><td><a href=\"#drawing-" + std::to_string(i + 1) + "\">" + Html(d.file) + "</a></td>";
    if (handIns) html += "<td>" + (d.handIn ? Html(StudentName(*d.handIn)) : std::string()) + "</td>";
    if (d.result) {
      const CheckResult& r = *d.result;
      for (const std::size_t n : {static_cast<std::size_t>(r.score), r.missing.size(), r.extra.size(), r.wrongKind.size(),
                                  r.wrongSize.size()}) {
        html += "<td class=\"number\">" + std::to_string(n) + "</td>";
      }
    } else {
      html += "<td colspan=\"5\" class=\"error\">not read</td>";
    }
    if (const std::optional<HandInNote>& h = d.handIn) {
      for (const long n : {h->seconds / 60, long{h->checks}, long{h->wheres}, long{h->peeks}, long{h->objects}}) {
        html += "<td class=\"number\">" + std::to_string(n) + "</td>";
      }
    } else if (handIns) {
      html += "<td colspan=\"5\"></td>";
    }
    html += "</tr>\n";
  }
  html += "</tbody>\n</table>\n" + ClassAtAGlance(run, byName);
  for (std::size_t i = 0; i < byName.size(); ++i) {
    const CheckedDrawing& d = *byName[i];
    html += "<section class=\"drawing\" id=\"drawing-" + std::to_string(i + 1) + "\">\n<h2>" + Html(d.file) + "</h2>\n";
    if (const std::optional<HandInNote>& h = d.handIn) {
      html += "<p>Handed in by " + Html(StudentName(*h)) + " for the exercise \u201c" + Html(h->exercise) +
              "\u201d: " + Html(HelpWords(*h)) + ".</p>\n";
    }
    if (!d.result) {
      html += "<p class=\"error\">Not read: " + Html(d.error) + "</p>\n</section>\n";
      continue;
    }
    const CheckResult& r = *d.result;
    html += "<p>Score " + std::to_string(r.score) + ": " + Html(DifferencesInWords(r)) + ".</p>\n";
    if (const std::string where = PlacementInWords(r); !where.empty()) html += "<p>" + Html(where) + "</p>\n";
    html += CheckPicture(run.keyElements, d.elements, r);
    html += HtmlList("Missing", kMissingColour, r.missing, MissingInWords);
    html += HtmlList("Wrong line kind", kWrongKindColour, r.wrongKind, WrongKindInWords);
    html += HtmlList("Wrong size", kWrongSizeColour, r.wrongSize, [](const WrongSize& w) {
      return std::vector<std::string>{WrongSizeInWords(w)};
    });
    html += HtmlList("Extra", kExtraColour, r.extra, ExtraInWords);
    html += HtmlList("Drawn in another way (no mistake where the element is whole)", "#606060", r.notes,
                     [](const ShownNote& n) { return std::vector<std::string>{NoteInWords(n)}; });
    html += "</section>\n";
  }
  return html + "</body>\n</html>\n";
}

}  // namespace tova
