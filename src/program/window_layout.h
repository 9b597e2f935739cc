// The main window's controls: kind, caption and place. Places are in twips (15 to a pixel),
// relative to the window's client area, or to the canvas's drawing area for what lies inside it.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tova {

enum class ControlKind : uint8_t { PictureBox, Button, Label, CheckBox, HScrollBar, TextBox };

struct ControlLayout {
  std::string_view name;
  ControlKind kind;
  std::string_view caption;
  int left, top, width, height;  // twips
  std::string_view tip = {};     // what it does: its tooltip and accessible description
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

// The column of controls right of the canvas.
inline constexpr std::array<ControlLayout, 38> kControlColumn{{
    {"C0", ControlKind::Button, "----", 7080, 240, 735, 375, "Draw straight edges"},
    {"C1", ControlKind::Button, "O", 7920, 240, 735, 375, "Draw circles"},
    {"C2", ControlKind::Button, "C", 8760, 240, 735, 375, "Draw arcs"},
    {"C3", ControlKind::Button, "TrueL", 7080, 840, 735, 375, "Give the next clicked part a solid line"},
    {"C4", ControlKind::Button, "ThikL", 7920, 840, 735, 375, "Give the next clicked part a thick line"},
    {"C5", ControlKind::Button, "EmptL", 8760, 840, 735, 375, "Give the next clicked part a dotted line"},
    {"C6", ControlKind::Button, "<===", 7080, 1440, 1215, 375, "Abandon the figure being drawn"},
    {"C7", ControlKind::Button, "OK", 8400, 1440, 1095, 375, "Store the figure being drawn"},
    {"C8", ControlKind::Button, "FIND/OUT", 7080, 2040, 1215, 375, "Find a stored unit or relation under the pointer (again to stop)"},
    {"CC8", ControlKind::Button, "DEL", 8400, 2040, 1095, 375, "Delete the unit or relation found"},
    {"C9", ControlKind::Button, "MAKE-3D", 7080, 2640, 2415, 375, "Show the 3D model of the drawing"},
    {"C10", ControlKind::Button, "FILE", 7080, 3240, 1215, 375, "Save, start a new drawing or open one"},
    {"C11", ControlKind::Button, "EXIT", 8400, 3240, 1095, 375, "Leave Tova"},
    {"Dsize", ControlKind::Label, "Size:", 8400, 3600, 615, 255, "Size of the 3D model"},
    {"cpp", ControlKind::HScrollBar, "", 8400, 3840, 1095, 255, "Size of the 3D model"},
    {"Label4", ControlKind::Label, "Centre:", 8400, 4080, 615, 255, "Point the 3D model turns about"},
    {"cqq", ControlKind::HScrollBar, "", 8400, 4320, 1095, 255, "Point the 3D model turns about (seen at the next step)"},
    {"Label5", ControlKind::Label, "Step:", 8400, 4560, 615, 255, "Degrees per step"},
    {"cdd", ControlKind::HScrollBar, "", 8400, 4800, 1095, 255, "Degrees per step of the 3D model"},
    {"C16", ControlKind::Button, "GOTO-2D", 8400, 5160, 1095, 255, "Back to the three views"},
    {"C14", ControlKind::Button, "U", 7440, 3960, 375, 495, "Tilt the model up"},
    {"a1", ControlKind::Button, "", 7200, 4200, 252, 252, "Tilt the model up and turn it left"},
    {"a2", ControlKind::Button, "", 7800, 4200, 252, 252, "Tilt the model up and turn it right"},
    {"C12", ControlKind::Button, "L", 6960, 4440, 495, 375, "Turn the model left"},
    {"a5", ControlKind::Button, "GO", 7440, 4440, 375, 372, "Repeat the last direction 31 times"},
    {"C13", ControlKind::Button, "R", 7800, 4440, 495, 375, "Turn the model right"},
    {"a3", ControlKind::Button, "", 7200, 4800, 252, 252, "Tilt the model down and turn it left"},
    {"a4", ControlKind::Button, "", 7800, 4800, 252, 252, "Tilt the model down and turn it right"},
    {"C15", ControlKind::Button, "D", 7440, 4800, 375, 495, "Tilt the model down"},
    {"Check1", ControlKind::CheckBox, "CLS", 7080, 5520, 735, 255, "Clear the 3D view before each new picture"},
    {"Check3", ControlKind::CheckBox, "COL", 7920, 5520, 735, 255, "Move the pen to the next colour at each picture"},
    {"Check2", ControlKind::CheckBox, "PLAY", 8640, 5520, 855, 255, "Draw the 3D view (off: nothing is drawn)"},
    {"Label1", ControlKind::Label, "   X=", 6960, 5760, 495, 255, "Pointer position across"},
    {"Label2", ControlKind::Label, " Y=", 7920, 5760, 375, 255, "Pointer position down"},
    {"Label3", ControlKind::Label, "G=", 8760, 5760, 375, 255, "Angle of the arc being drawn"},
    {"Text1", ControlKind::TextBox, "", 7080, 6000, 735, 375, "Pointer position across"},
    {"Text2", ControlKind::TextBox, "", 7920, 6000, 735, 375, "Pointer position down"},
    {"Text3", ControlKind::TextBox, "", 8760, 6000, 735, 375, "Angle of the arc being drawn, in degrees"},
}};

// The order in which the keyboard focus moves through the controls.
inline constexpr std::array<std::string_view, 40> kTabOrder{
    "C0",  "C1",  "C2",  "C3",   "C4",   "C5",     "C6",     "C7",     "C8",     "C9",
    "C10", "C11", "Label1", "Text1", "Label2", "Text2", "P",   "C12",    "C13",    "C14",
    "C15", "cpp", "cqq", "C16",  "cdd",  "D",      "Text3",  "CC8",    "Dsize",  "Label4",
    "Label5", "Label3", "Check1", "Check2", "a1", "a2", "a4",  "a3",     "a5",     "Check3"};

// The scroll bars: range and position at start.
struct ScrollBarRange {
  std::string_view name;
  int16_t min, max, value;
};
inline constexpr std::array<ScrollBarRange, 3> kScrollBars{{
    {"cpp", 1, 50, 14},
    {"cqq", 0, 200, 100},
    {"cdd", 1, 35, 5},
}};

}  // namespace tova
