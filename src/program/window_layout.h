// The main window: its caption, size and look, the two picture boxes, the pane dividers, the tab
// order, the scroll bars' ranges, and the shape of a control's row (the rows of the control
// column and the menus are in app/controls.h, beside the actions they name). Places are in twips
// (15 to a pixel), relative to the window's client area, or to the canvas's drawing area for what
// lies inside it.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tova {

struct Program;

// What using a control or menu item does: its handler, given the row's value (a colour's number,
// a direction, a raster mode), or nothing.
struct Action {
  void (*run)(Program&, int16_t value) = nullptr;
  int16_t value = 0;
};

// The action of a handler that takes no value.
template <void (*Handler)(Program&)>
inline constexpr Action Calls{[](Program& program, int16_t) { Handler(program); }};

enum class ControlKind : uint8_t { PictureBox, Button, Label, CheckBox, HScrollBar, TextBox };

// A scroll bar's range and its position at start.
struct ScrollRange {
  int16_t min = 0, max = 0, value = 0;
};
inline constexpr ScrollRange kSizeRange{1, 50, 14};     // "Size:", the 3D view's scale in tenths
inline constexpr ScrollRange kCentreRange{0, 200, 100};  // "Centre:", the point the model turns about
inline constexpr ScrollRange kStepRange{1, 35, 5};      // "Step:", degrees per step

struct ControlLayout {
  std::string_view name;
  ControlKind kind;
  std::string_view caption;
  int left, top, width, height;  // twips
  std::string_view tip = {};     // what it does: its tooltip and accessible description
  Action action = {};            // a button's click, a scroll bar's change
  ScrollRange range = {};        // a scroll bar's
};

constexpr int TwipsToPixels(int twips) {
  return twips >= 0 ? (twips + 7) / 15 : -((7 - twips) / 15);
}

inline constexpr std::string_view kWindowCaption = "Tova绘图系统";
inline constexpr int kClientWidthTwips = 9570;
inline constexpr int kClientHeightTwips = 6555;
inline constexpr uint32_t kWindowBackColour = 0xC0C0C0;
inline constexpr std::string_view kFontFamily = "MS Sans Serif";
inline constexpr double kFontPoints = 8.25;

// A picture box has a sunken border of this many pixels on each side around its drawing area.
inline constexpr int kPictureBorder = 2;

inline constexpr ControlLayout kCanvasLayout{"P", ControlKind::PictureBox, "", 0, 0, 6735, 6495,
                                             "The front, top and side views"};
// The 3D view lies over the canvas, placed relative to the canvas's drawing area.
inline constexpr ControlLayout kViewLayout{"D", ControlKind::PictureBox, "", -240, 0, 6975, 6495,
                                           "The 3D model: move the pointer to turn it, click to stop or shift it"};
inline constexpr uint32_t kViewBackColour = 0x808080;
inline constexpr uint32_t kViewForeColour = 0x00FF00;

// The pane dividers on the canvas, from (x1, y1) to (x2, y2) in twips of the drawing area.
struct DividerLayout {
  std::string_view name;
  int x1, y1, x2, y2;
};
inline constexpr std::array<DividerLayout, 2> kDividers{{
    {"Line1", 0, 3240, 6840, 3240},
    {"Line2", 3240, 0, 3240, 6480},
}};

// Drawing areas in pixels.
inline constexpr int kCanvasWidth = TwipsToPixels(kCanvasLayout.width) - 2 * kPictureBorder;
inline constexpr int kCanvasHeight = TwipsToPixels(kCanvasLayout.height) - 2 * kPictureBorder;
inline constexpr int kViewWidth = TwipsToPixels(kViewLayout.width) - 2 * kPictureBorder;
inline constexpr int kViewHeight = TwipsToPixels(kViewLayout.height) - 2 * kPictureBorder;

// The order in which the keyboard focus moves through the controls.
inline constexpr std::array<std::string_view, 40> kTabOrder{
    "C0",  "C1",  "C2",  "C3",   "C4",   "C5",     "C6",     "C7",     "C8",     "C9",
    "C10", "C11", "Label1", "Text1", "Label2", "Text2", "P",   "C12",    "C13",    "C14",
    "C15", "cpp", "cqq", "C16",  "cdd",  "D",      "Text3",  "CC8",    "Dsize",  "Label4",
    "Label5", "Label3", "Check1", "Check2", "a1", "a2", "a4",  "a3",     "a5",     "Check3"};


}  // namespace tova
