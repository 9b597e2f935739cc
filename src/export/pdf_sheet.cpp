#include "export/pdf_sheet.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <pango/pangocairo.h>

#include <array>
#include <memory>
#include <numbers>
#include <vector>

#include "document/tables.h"
#include "figures/canvas_figures.h"
#include "program/line_kinds.h"
#include "program/window_layout.h"

namespace tova {
namespace {

// A4 landscape, with the wider margin on the left for filing.
constexpr double kSheetWidthMm = 297, kSheetHeightMm = 210;
constexpr double kFrameLeftMm = 20, kFrameMarginMm = 10;
constexpr double kFrameRightMm = kSheetWidthMm - kFrameMarginMm;
constexpr double kFrameBottomMm = kSheetHeightMm - kFrameMarginMm;
constexpr double kPointsPerMm = 72 / 25.4;

// The canvas's origin on the sheet, and how long one canvas pixel is there.
constexpr double kCanvasLeftMm = 25, kCanvasTopMm = 15;
constexpr double kMmPerPixel = 0.4;
constexpr const char* kScaleText = "1 px = 0.4 mm";

// Line weights in millimetres.
constexpr double kFrameWeight = 0.7, kThickWeight = 0.7, kThinWeight = 0.35, kConstructionWeight = 0.18;

// The title block: 170 mm wide, two rows of cells.
constexpr double kBlockWidthMm = 170, kRowHeightMm = 14;
constexpr double kBlockLeftMm = kFrameRightMm - kBlockWidthMm;
constexpr double kBlockTopMm = kFrameBottomMm - 2 * kRowHeightMm;

struct Cell {
  double left, top, width;  // mm
  const char* label;
};

using Cairo = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

double SheetX(double canvasX) { return kCanvasLeftMm + canvasX * kMmPerPixel; }
double SheetY(double canvasY) { return kCanvasTopMm + canvasY * kMmPerPixel; }

void Stroke(cairo_t* cr, double weight, double grey = 0) {
  cairo_set_source_rgb(cr, grey, grey, grey);
  cairo_set_line_width(cr, weight);
  cairo_stroke(cr);
}

// The pen of a line kind: thick lines heavy, the dotted kind dashed as hidden lines are.
double SelectSheetPen(cairo_t* cr, int16_t lineKind) {
  const double weight = lineKind == kThickLine ? kThickWeight : kThinWeight;
  const std::array<double, 2> dashes{12 * weight, 3 * weight};
  cairo_set_dash(cr, dashes.data(), lineKind == kDottedLine ? 2 : 0, 0);
  return weight;
}

void DrawFigure(cairo_t* cr, const CanvasFigure& f) {
  const double weight = SelectSheetPen(cr, f.lineKind);
  const double r = f.radius * kMmPerPixel;
  switch (f.kind) {
    case FigureKind::Line:
      cairo_move_to(cr, SheetX(f.x1), SheetY(f.y1));
      cairo_line_to(cr, SheetX(f.x2), SheetY(f.y2));
      break;
    case FigureKind::Circle:
      cairo_new_sub_path(cr);
      cairo_arc(cr, SheetX(f.cx), SheetY(f.cy), r, 0, 2 * std::numbers::pi);
      break;
    case FigureKind::Arc: {
      // Screen angles grow counter-clockwise, the sheet's (y downward) clockwise.
      const double k = std::numbers::pi / 180;
      cairo_new_sub_path(cr);
      cairo_arc_negative(cr, SheetX(f.cx), SheetY(f.cy), r, -f.startDeg * k, -f.endDeg * k);
      break;
    }
  }
  Stroke(cr, weight);
  cairo_set_dash(cr, nullptr, 0, 0);
}

// Text of `heightMm` (the height of a capital) with its top-left corner at (x, y), cut short with
// an ellipsis where it would run past `widthMm`. Neither metrics nor glyph positions are rounded:
// rounded to whole millimetres, small letters would stand unevenly apart.
void Text(cairo_t* cr, const std::string& text, double x, double y, double widthMm, double heightMm,
          bool bold = false) {
  PangoLayout* layout = pango_cairo_create_layout(cr);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  PangoContext* context = pango_layout_get_context(layout);
  pango_cairo_context_set_font_options(context, options);
  pango_context_set_round_glyph_positions(context, FALSE);  // the units are millimetres
  cairo_font_options_destroy(options);
  pango_layout_context_changed(layout);
  PangoFontDescription* font = pango_font_description_from_string(bold ? "Sans Bold" : "Sans");
  pango_font_description_set_absolute_size(font, heightMm / 0.7 * PANGO_SCALE);
  pango_layout_set_font_description(layout, font);
  pango_layout_set_width(layout, static_cast<int>(widthMm * PANGO_SCALE));
  pango_layout_set_ellipsize(layout, PANGO_ELLIPSIZE_END);
  gchar* valid = g_utf8_make_valid(text.c_str(), static_cast<gssize>(text.size()));
  pango_layout_set_text(layout, valid, -1);
  cairo_move_to(cr, x, y);
  cairo_set_source_rgb(cr, 0, 0, 0);
  pango_cairo_show_layout(cr, layout);
  g_free(valid);
  pango_font_description_free(font);
  g_object_unref(layout);
}

void DrawTitleBlock(cairo_t* cr, const SheetFields& fields) {
  const double w = kBlockWidthMm, top = kBlockTopMm, mid = kBlockTopMm + kRowHeightMm;
  const std::array<std::pair<Cell, std::string>, 6> cells{{
      {{kBlockLeftMm, top, w * 0.3, "Drawn by"}, fields.author},
      {{kBlockLeftMm + w * 0.3, top, w * 0.25, "Date of issue"}, fields.date},
      {{kBlockLeftMm + w * 0.55, top, w * 0.3, "Scale"}, kScaleText},
      {{kBlockLeftMm + w * 0.85, top, w * 0.15, "Size"}, "A4"},
      {{kBlockLeftMm, mid, w * 0.6, "Title"}, fields.title},
      {{kBlockLeftMm + w * 0.6, mid, w * 0.4, "Drawing number"}, fields.number},
  }};
  for (const auto& [cell, value] : cells) {
    cairo_rectangle(cr, cell.left, cell.top, cell.width, kRowHeightMm);
    Stroke(cr, kThinWeight);
    const double inner = cell.width - 3;
    Text(cr, cell.label, cell.left + 1.5, cell.top + 1.2, inner, 1.8);
    Text(cr, value, cell.left + 1.5, cell.top + 4.5, inner, cell.top == mid ? 5 : 3.5, cell.top == mid);
  }
  cairo_rectangle(cr, kBlockLeftMm, kBlockTopMm, kBlockWidthMm, 2 * kRowHeightMm);
  Stroke(cr, kFrameWeight);
}

cairo_status_t Append(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

std::optional<std::string> FormatPdfSheet(const Tables& tables, const SheetFields& fields) {
  std::string pdf;
  cairo_surface_t* surface = cairo_pdf_surface_create_for_stream(
      Append, &pdf, kSheetWidthMm * kPointsPerMm, kSheetHeightMm * kPointsPerMm);
  cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_TITLE, fields.title.c_str());
  cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_AUTHOR, fields.author.c_str());
  cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "tova-export");
  {
    const Cairo cr(cairo_create(surface), cairo_destroy);
    cairo_scale(cr.get(), kPointsPerMm, kPointsPerMm);  // millimetres from here on
    cairo_set_line_cap(cr.get(), CAIRO_LINE_CAP_ROUND);
    cairo_rectangle(cr.get(), kFrameLeftMm, kFrameMarginMm, kFrameRightMm - kFrameLeftMm,
                    kFrameBottomMm - kFrameMarginMm);
    Stroke(cr.get(), kFrameWeight);
    for (const DividerLayout& d : kDividers) {
      cairo_move_to(cr.get(), SheetX(TwipsToPixels(d.x1)), SheetY(TwipsToPixels(d.y1)));
      cairo_line_to(cr.get(), SheetX(TwipsToPixels(d.x2)), SheetY(TwipsToPixels(d.y2)));
      Stroke(cr.get(), kConstructionWeight, 0.5);
    }
    for (const CanvasFigure& f : CanvasFigures(tables)) DrawFigure(cr.get(), f);
    DrawTitleBlock(cr.get(), fields);
    cairo_show_page(cr.get());
  }
  cairo_surface_finish(surface);
  const bool made = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  if (!made) return std::nullopt;
  return pdf;
}

}  // namespace tova
