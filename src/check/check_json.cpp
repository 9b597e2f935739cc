#include "check/check_json.h"

#include "check/difference_picture.h"
#include "check/difference_words.h"
#include "document/document_format.h"
#include "figures/json_text.h"

namespace tova {
namespace {

std::string Numbers(std::initializer_list<int> values) {
  std::string out = "[";
  for (const int v : values) out += (out.size() > 1 ? "," : "") + std::to_string(v);
  return out + "]";
}

std::string Coordinates(const CanvasFigure& f) {
  switch (f.kind) {
    case FigureKind::Line: return "\"line\":" + Numbers({f.x1, f.y1, f.x2, f.y2});
    case FigureKind::Circle: return "\"circle\":" + Numbers({f.cx, f.cy, f.radius});
    case FigureKind::Arc: return "\"arc\":" + Numbers({f.cx, f.cy, f.radius, f.startDeg, f.endDeg});
  }
  return {};
}

std::string View(const CanvasFigure& f, const std::string& kinds) {
  return "{\"view\":" + JsonQuoted(ViewName(f.pane)) + "," + Coordinates(f) + "," + kinds + "}";
}

std::string Head(const Element& e) {
  return "{\"kind\":" + JsonQuoted(ElementKindName(e.kind)) + ",\"row\":" + std::to_string(e.row);
}

std::string Words(const std::vector<std::string>& sentences) { return ",\"words\":" + JsonList(sentences, JsonQuoted); }

std::string ElementJson(const Element& e, const std::vector<std::string>& sentences) {
  std::string views;
  for (const CanvasFigure& f : e.Figures()) {
    views += (views.empty() ? "" : ",") + View(f, "\"lineKind\":" + JsonQuoted(LineKindName(f.lineKind)));
  }
  return Head(e) + ",\"views\":[" + views + "]" + Words(sentences) + "}";
}

std::string WrongKindJson(const WrongKind& w) {
  std::string views;
  for (const KindDifference& d : w.views) {
    views += (views.empty() ? "" : ",") + View(w.drawing.figures[d.figure], "\"key\":" + JsonQuoted(LineKindName(d.key)) +
                                                                          ",\"drawing\":" + JsonQuoted(LineKindName(d.drawing)));
  }
  return Head(w.key) + ",\"drawingRow\":" + std::to_string(w.drawing.row) + ",\"views\":[" + views + "]" +
         Words(WrongKindInWords(w)) + "}";
}

}  // namespace

std::string CheckResultMembers(const CheckResult& r) {
  return "\"score\":" + std::to_string(r.score) + ",\"missing\":" +
         JsonList(r.missing, [](const Element& e) { return ElementJson(e, MissingInWords(e)); }) + ",\"extra\":" +
         JsonList(r.extra, [](const Element& e) { return ElementJson(e, ExtraInWords(e)); }) + ",\"wrongKind\":" +
         JsonList(r.wrongKind, WrongKindJson) + ",\"wrongSize\":" +
         JsonList(r.wrongSize, [](const WrongSize& w) {
           return ElementJson(w.drawing, {WrongSizeInWords(w)}).insert(1, "\"keyRow\":" + std::to_string(w.key.row) + ",");
         }) +
         ",\"notes\":" + JsonList(r.notes, [](const ShownNote& n) { return JsonQuoted(NoteInWords(n)); }) +
         [&r] {
           const std::string where = PlacementInWords(r);
           return where.empty() ? std::string() : ",\"placement\":" + JsonQuoted(where);
         }();
}

std::string SelfCheckJson(const Tables& drawing, std::string_view keyText) {
  const DocumentReading key = ReadDocument(keyText);
  if (!key.tables) return "{\"error\":" + JsonQuoted(key.reason) + "}";
  const CheckResult r = CheckDrawing(*key.tables, drawing, {});
  return "{" + CheckResultMembers(r) + ",\"counts\":" + JsonQuoted(DifferencesInWords(r)) +
         ",\"sentences\":" + JsonList(DifferenceSentences(r), JsonQuoted) +
         ",\"overlay\":" + JsonQuoted(DifferencesOverCanvas(r)) + "}";
}

}  // namespace tova
