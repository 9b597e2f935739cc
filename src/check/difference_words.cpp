#include "check/difference_words.h"

namespace tova {
namespace {

std::string Point(int x, int y) { return "(" + std::to_string(x) + ", " + std::to_string(y) + ")"; }

std::string ViewTitle(int16_t pane) {
  const std::string view = ViewName(pane);
  if (view == "outside") return "Outside the views";
  return char(view[0] - 'a' + 'A') + view.substr(1) + " view";
}

// The figure as a teacher names it: a line unit's line is an edge, a circle unit's projection line
// is its circle seen edge-on, a relation's lines join its two circles.
std::string FigureWords(const Element& e, std::size_t i) {
  const CanvasFigure& f = e.figures[i];
  const std::string from = " from " + Point(f.x1, f.y1) + " to " + Point(f.x2, f.y2);
  switch (f.kind) {
    case FigureKind::Circle: return "the circle at " + Point(f.cx, f.cy) + " with radius " + std::to_string(f.radius);
    case FigureKind::Arc:
      return "the arc at " + Point(f.cx, f.cy) + " with radius " + std::to_string(f.radius) + " from " +
             std::to_string(f.startDeg) + "° to " + std::to_string(f.endDeg) + "°";
    case FigureKind::Line:
      if (e.kind == ElementKind::Line && f.x1 == f.x2 && f.y1 == f.y2) return "the edge seen end-on at " + Point(f.x1, f.y1);
      if (e.kind == ElementKind::Line) return "the edge" + from;
      if (e.kind == ElementKind::Relation) return "the line joining two circles" + from;
      return std::string(e.kind == ElementKind::Arc ? "the arc" : "the circle") + " seen edge-on" + from;
  }
  return {};
}

// A relation's circles are its units' and are judged with them: its words are its joining lines.
std::size_t FirstJudged(const Element& e) { return e.kind == ElementKind::Relation ? 2 : 0; }

std::vector<std::string> Sentences(const Element& e, const std::string& what) {
  std::vector<std::string> out;
  for (std::size_t i = FirstJudged(e); i < e.count; ++i) {
    out.push_back(ViewTitle(e.figures[i].pane) + ": " + FigureWords(e, i) + " " + what + ".");
  }
  return out;
}

}  // namespace

std::string Joined(const std::vector<std::string>& texts, const std::string& separator) {
  std::string out;
  for (const std::string& t : texts) out += (out.empty() ? "" : separator) + t;
  return out;
}

std::string LineKindWord(int16_t lineKind) {
  static constexpr const char* kWords[] = {"solid", "thick", "dotted"};
  return lineKind >= 0 && lineKind <= 2 ? kWords[lineKind] : "line kind " + std::to_string(lineKind);
}

std::string ElementInWords(const Element& e) {
  // The first view that shows more than a point, where there is one.
  std::size_t i = FirstJudged(e);
  while (i + 1 < e.count && e.figures[i].kind == FigureKind::Line && e.figures[i].x1 == e.figures[i].x2 &&
         e.figures[i].y1 == e.figures[i].y2) {
    ++i;
  }
  return i < e.count ? ViewTitle(e.figures[i].pane) + ": " + FigureWords(e, i) : std::string();
}

std::vector<std::string> MissingInWords(const Element& key) { return Sentences(key, "is missing"); }
std::vector<std::string> ExtraInWords(const Element& drawing) { return Sentences(drawing, "is not in the key"); }

std::vector<std::string> WrongKindInWords(const WrongKind& w) {
  std::vector<std::string> out;
  for (const KindDifference& d : w.views) {
    out.push_back(ViewTitle(d.pane) + ": " + FigureWords(w.drawing, d.figure) + " is " + LineKindWord(d.drawing) +
                  "; the key's is " + LineKindWord(d.key) + ".");
  }
  return out;
}

std::string WrongSizeInWords(const WrongSize& w) {
  const CanvasFigure &k = w.key.figures[0], &d = w.drawing.figures[0];
  const std::string at = ViewTitle(d.pane) + ": the " + (d.kind == FigureKind::Arc ? "arc" : "circle") + " at " +
                         Point(d.cx, d.cy);
  const auto angles = [](const CanvasFigure& f) {
    return f.kind == FigureKind::Circle ? std::string("is a whole circle")
                                        : "runs from " + std::to_string(f.startDeg) + "° to " + std::to_string(f.endDeg) + "°";
  };
  if (k.radius != d.radius) {
    return at + " has radius " + std::to_string(d.radius) + "; the key's has " + std::to_string(k.radius) + ".";
  }
  return at + " " + angles(d) + "; the key's " + angles(k) + ".";
}

std::string NoteInWords(const ShownNote& n) { return ElementInWords(n.key) + " is " + n.what + "."; }

std::string PlacementInWords(const CheckResult& r) {
  const Shift s = r.shift != Shift{} ? r.shift : r.elsewhere ? r.elsewhere->shift : Shift{};
  // The drawing stands where the key is less the move that takes it there.
  const std::pair<int, const char*> kParts[] = {{-s.a, " further right"}, {s.a, " further left"}, {-s.c, " lower"},
                                                 {s.c, " higher"}, {-s.b, " lower in the top view"},
                                                 {s.b, " higher in the top view"}};
  std::vector<std::string> parts;
  for (const auto& [n, way] : kParts) {
    if (n > 0) parts.push_back(std::to_string(n) + " px" + way);
  }
  if (parts.empty()) return {};
  std::string where = "The whole object is drawn ";
  for (std::size_t i = 0; i < parts.size(); ++i) {
    where += (i == 0 ? "" : i + 1 == parts.size() ? " and " : ", ") + parts[i];
  }
  where += " than the key's; ";
  if (r.shift != Shift{}) return where + "it was compared where the key has it.";
  return where + "placed where the key has it, it would score " + std::to_string(r.elsewhere->score) + ".";
}

std::vector<std::string> DifferenceSentences(const CheckResult& r) {
  std::vector<std::string> out;
  if (std::string where = PlacementInWords(r); !where.empty()) out.push_back(std::move(where));
  const auto add = [&out](const std::vector<std::string>& more) { out.insert(out.end(), more.begin(), more.end()); };
  for (const Element& e : r.missing) add(MissingInWords(e));
  for (const WrongKind& w : r.wrongKind) add(WrongKindInWords(w));
  for (const WrongSize& w : r.wrongSize) out.push_back(WrongSizeInWords(w));
  for (const Element& e : r.extra) add(ExtraInWords(e));
  for (const ShownNote& n : r.notes) out.push_back(NoteInWords(n));
  return out;
}

}  // namespace tova
