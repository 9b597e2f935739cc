#include "check/difference_picture.h"

#include <algorithm>
#include <cstdio>

#include "check/difference_words.h"
#include "figures/svg_figures.h"
#include "program/window_layout.h"

namespace tova {
namespace {

std::string Title(const std::vector<std::string>& sentences) { return Joined(sentences, "\n"); }

// Words at (x, y); in the colour of the group it stands in, unless one is given.
std::string Text(int x, int y, const std::string& words, const char* colour = nullptr) {
  return "<text x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\"" +
         (colour ? std::string(" fill=\"") + colour + "\"" : "") + ">" + words + "</text>";
}

// The element's figures in one group of that colour; with `only`, just the figures it names.
std::string Group(const Element& e, const char* colour, const std::string& title,
                  const std::vector<KindDifference>* only = nullptr) {
  std::string svg = std::string("<g stroke=\"") + colour + "\">";
  if (!title.empty()) svg += "<title>" + title + "</title>";
  if (only) {
    for (const KindDifference& d : *only) svg += SvgElement(e.figures[d.figure]);
  } else {
    for (const CanvasFigure& f : e.Figures()) svg += SvgElement(f);
  }
  return svg + "</g>\n";
}

Shift Back(Shift s) { return {-s.a, -s.b, -s.c}; }

// Extra elements first, then wrong line kinds (wider, so that they show round the line), then
// missing ones on top, dashed, so that a missing element shows where an extra one lies over it
// and the extra one shows through its gaps.
std::string Differences(const CheckResult& r, bool inDrawingPlace) {
  std::string svg;
  for (const Element& e : r.extra) {
    svg += Group(inDrawingPlace ? e : Shifted(e, r.shift), kExtraColour, Title(ExtraInWords(e)));
  }
  svg += "<g stroke-width=\"4\" stroke-opacity=\"0.8\">";
  for (const WrongKind& w : r.wrongKind) {
    svg += Group(inDrawingPlace ? w.drawing : Shifted(w.drawing, r.shift), kWrongKindColour,
                 Title(WrongKindInWords(w)), &w.views);
  }
  for (const WrongSize& w : r.wrongSize) {
    svg += Group(inDrawingPlace ? w.drawing : Shifted(w.drawing, r.shift), kWrongSizeColour, WrongSizeInWords(w));
  }
  svg += "</g>\n<g stroke-dasharray=\"5 3\">";
  for (const WrongSize& w : r.wrongSize) {
    svg += Group(inDrawingPlace ? Shifted(w.key, Back(r.shift)) : w.key, kMissingColour, WrongSizeInWords(w));
  }
  for (const Element& e : r.missing) {
    svg += Group(inDrawingPlace ? Shifted(e, Back(r.shift)) : e, kMissingColour, Title(MissingInWords(e)));
  }
  return svg + "</g>\n";
}

// The views' names at their corners, and in the quarter that belongs to no view, what each
// colour means.
std::string Legend() {
  const int fold = TwipsToPixels(kDividers[0].y1);
  std::string svg = "<g font-family=\"sans-serif\" font-size=\"11\" stroke=\"none\">" +
                    Text(4, 12, "Front", "#000000") + Text(4, fold + 14, "Top", "#000000") +
                    Text(fold + 4, 12, "Side", "#000000");
  const std::pair<const char*, const char*> kMeanings[] = {
      {"#b0b0b0", "grey: the key"}, {"#404040", "dark grey: the drawing"}, {kMissingColour, "red, dashed: missing"},
      {kExtraColour, "blue: not in the key"}, {kWrongKindColour, "orange: another line kind"},
      {kWrongSizeColour, "purple: another size (the key's red)"}, {"#006000", "green: drawn in another way"}};
  int y = fold + 20;
  for (const auto& [colour, words] : kMeanings) svg += Text(fold + 10, y += 16, words, colour);
  return svg + "</g>\n";
}

// Where a label beside an element goes: right of the middle of its first judged line, or right of
// its circle.
std::pair<int, int> LabelPlace(const Element& e) {
  const CanvasFigure& f = e.figures[e.kind == ElementKind::Relation ? 2 : 0];
  if (f.kind == FigureKind::Line) return {(f.x1 + f.x2) / 2 + 4, (f.y1 + f.y2) / 2 - 4};
  return {f.cx + f.radius + 4, f.cy};
}

std::string Label(const Element& e, const std::string& text) {
  const auto [x, y] = LabelPlace(e);
  return Text(x, y, text);
}

// What the drawing shows in another way, beside the element: "drawn in 2 pieces", "drawn twice".
std::string Notes(const CheckResult& r, bool inDrawingPlace) {
  std::string svg = "<g class=\"notes\" font-family=\"sans-serif\" font-size=\"10\" stroke=\"none\" fill=\"#006000\">";
  for (const ShownNote& n : r.notes) svg += Label(inDrawingPlace ? Shifted(n.key, Back(r.shift)) : n.key, n.what);
  return svg + "</g>\n";
}

std::string Picture(const std::string& ground, const std::string& body) {
  const std::string w = std::to_string(kCanvasWidth), h = std::to_string(kCanvasHeight);
  // Canvas coordinates name pixels; their centres lie half a unit in.
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h + "\" viewBox=\"0 0 " +
         w + " " + h + "\">\n" + ground +
         "<g transform=\"translate(0.5 0.5)\" fill=\"none\" stroke-width=\"1\" stroke-linecap=\"square\">\n" +
         body + "</g>\n</svg>\n";
}

}  // namespace

std::string CheckPicture(const std::vector<Element>& key, const std::vector<Element>& drawing,
                         const CheckResult& result) {
  std::string body = "<g stroke=\"#000000\">";
  for (const DividerLayout& d : kDividers) body += SvgDivider(d);
  body += "</g>\n<g class=\"key\" stroke-width=\"3\">\n";
  for (const Element& e : key) body += Group(e, "#d0d0d0", "");
  body += "</g>\n<g class=\"drawing\">\n";
  for (const Element& e : drawing) body += Group(Shifted(e, result.shift), "#404040", "");
  body += "</g>\n<g class=\"differences\" stroke-width=\"2\">\n" + Differences(result, false) + "</g>\n" + Legend();
  body += Notes(result, false);
  return Picture("<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n", body);
}

std::string ClassPicture(const std::vector<Element>& key, const std::vector<ClassShare>& shares) {
  std::string body = "<g stroke=\"#000000\">";
  for (const DividerLayout& d : kDividers) body += SvgDivider(d);
  body += "</g>\n<g stroke-width=\"3\">\n";
  std::string labels = "<g font-family=\"sans-serif\" font-size=\"11\" stroke=\"none\" fill=\"#a00000\">";
  // The deeper the red, the later it is drawn, so that it is not hidden under a paler line.
  std::vector<std::size_t> order;
  for (std::size_t i = 0; i < key.size() && i < shares.size(); ++i) order.push_back(i);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return shares[a].share < shares[b].share; });
  for (const std::size_t i : order) {
    const ClassShare& s = shares[i];
    const int red = static_cast<int>(0xc0 + s.share * (0xe0 - 0xc0)), other = static_cast<int>(0xc0 * (1 - s.share));
    char colour[8];
    std::snprintf(colour, sizeof colour, "#%02x%02x%02x", red, other, other);
    const std::string group = Group(key[i], colour, s.title);
    if (s.link.empty()) {
      body += group;
      continue;
    }
    body += "<a href=\"" + s.link + "\">" + group + "</a>\n";
    labels += Label(key[i], std::to_string(static_cast<int>(s.share * 100 + 0.5)) + "%");
  }
  return Picture("<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n", body + "</g>\n" + labels + "</g>\n");
}

std::string DifferencesOverCanvas(const CheckResult& result) {
  return Picture("", "<g stroke-width=\"2\">\n" + Differences(result, true) + "</g>\n" + Notes(result, true));
}

}  // namespace tova
