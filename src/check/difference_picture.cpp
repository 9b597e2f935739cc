#include "check/difference_picture.h"

#include "figures/svg_figures.h"
#include "program/window_layout.h"

namespace tova {
namespace {

std::string Description(const char* what, const Element& e) {
  return std::string(what) + " " + ElementKindName(e.kind) + " (row " + std::to_string(e.row) + ")";
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

std::string Differences(const CheckResult& r, bool inDrawingPlace) {
  std::string svg;
  for (const Element& e : r.missing) {
    svg += Group(inDrawingPlace ? Shifted(e, Back(r.shift)) : e, kMissingColour, Description("missing", e));
  }
  for (const Element& e : r.extra) {
    svg += Group(inDrawingPlace ? e : Shifted(e, r.shift), kExtraColour, Description("extra", e));
  }
  for (const WrongKind& w : r.wrongKind) {
    std::string title = Description("wrong line kind:", w.drawing);
    for (const KindDifference& d : w.views) {
      title += std::string(", ") + ViewName(d.pane) + " " + LineKindName(d.drawing) + " for " + LineKindName(d.key);
    }
    svg += Group(inDrawingPlace ? w.drawing : Shifted(w.drawing, r.shift), kWrongKindColour, title, &w.views);
  }
  return svg;
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
  body += "</g>\n<g class=\"differences\" stroke-width=\"2\">\n" + Differences(result, false) + "</g>\n";
  return Picture("<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n", body);
}

std::string DifferencesOverCanvas(const CheckResult& result) {
  return Picture("", "<g stroke-width=\"2\">\n" + Differences(result, true) + "</g>\n");
}

}  // namespace tova
