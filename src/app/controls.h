// Every control of the window's column and every menu item, one row each: what the shells build
// (name, kind, caption, place, tip) beside what using it does (its action and the value it is
// given). The window, the page and the tests read these rows, and the program finds an event's
// action in them (app/input.h): there is no second list to keep in step.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "app/background_colours.h"
#include "app/canvas_input.h"
#include "app/file_commands.h"
#include "app/goto_2d.h"
#include "app/help.h"
#include "app/leaving.h"
#include "app/shape_buttons.h"
#include "canvas/commit.h"
#include "diagram/deletion.h"
#include "diagram/find_mode.h"
#include "history/undo.h"
#include "platform/raster_mode.h"
#include "program/window_layout.h"
#include "view3d/navigation.h"
#include "view3d/view_attributes.h"

namespace tova {

// The column of controls right of the canvas. The direction buttons step the view by direction
// code; check boxes, labels and text boxes have no action of their own.
inline constexpr std::array<ControlLayout, 38> kControlColumn{{
    {"C0", ControlKind::Button, "----", 7080, 240, 735, 375, "Draw straight edges", Calls<C0_Click>},
    {"C1", ControlKind::Button, "O", 7920, 240, 735, 375, "Draw circles", Calls<C1_Click>},
    {"C2", ControlKind::Button, "C", 8760, 240, 735, 375, "Draw arcs", Calls<C2_Click>},
    {"C3", ControlKind::Button, "TrueL", 7080, 840, 735, 375, "Give the next clicked part a solid line",
     Calls<C3_Click>},
    {"C4", ControlKind::Button, "ThikL", 7920, 840, 735, 375, "Give the next clicked part a thick line",
     Calls<C4_Click>},
    {"C5", ControlKind::Button, "EmptL", 8760, 840, 735, 375, "Give the next clicked part a dotted line",
     Calls<C5_Click>},
    {"C6", ControlKind::Button, "<===", 7080, 1440, 1215, 375, "Abandon the figure being drawn", Calls<C6_Click>},
    {"C7", ControlKind::Button, "OK", 8400, 1440, 1095, 375, "Store the figure being drawn", Calls<C7_Click>},
    {"C8", ControlKind::Button, "FIND/OUT", 7080, 2040, 1215, 375, "Find a stored unit or relation under the pointer (again to stop)",
     Calls<C8_Click>},
    {"CC8", ControlKind::Button, "DEL", 8400, 2040, 1095, 375, "Delete the unit or relation found", Calls<CC8_Click>},
    {"C9", ControlKind::Button, "MAKE-3D", 7080, 2640, 2415, 375, "Show the 3D model of the drawing",
     Calls<C9_Click>},
    {"C10", ControlKind::Button, "FILE", 7080, 3240, 1215, 375, "Save, start a new drawing or open one",
     Calls<C10_Click>},
    {"C11", ControlKind::Button, "EXIT", 8400, 3240, 1095, 375, "Leave Tova", Calls<C11_Click>},
    {"Dsize", ControlKind::Label, "Size:", 8400, 3600, 615, 255, "Size of the 3D model"},
    {"cpp", ControlKind::HScrollBar, "", 8400, 3840, 1095, 255, "Size of the 3D model", Calls<cpp_Change>,
     kSizeRange},
    {"Label4", ControlKind::Label, "Centre:", 8400, 4080, 615, 255, "Point the 3D model turns about"},
    {"cqq", ControlKind::HScrollBar, "", 8400, 4320, 1095, 255, "Point the 3D model turns about (seen at the next step)",
     Calls<cqq_Change>, kCentreRange},
    {"Label5", ControlKind::Label, "Step:", 8400, 4560, 615, 255, "Degrees per step"},
    {"cdd", ControlKind::HScrollBar, "", 8400, 4800, 1095, 255, "Degrees per step of the 3D model",
     Calls<cdd_Change>, kStepRange},
    {"C16", ControlKind::Button, "GOTO-2D", 8400, 5160, 1095, 255, "Back to the three views", Calls<C16_Click>},
    {"C14", ControlKind::Button, "U", 7440, 3960, 375, 495, "Tilt the model up", {StepView, 6}},
    {"a1", ControlKind::Button, "", 7200, 4200, 252, 252, "Tilt the model up and turn it left", {StepView, 5}},
    {"a2", ControlKind::Button, "", 7800, 4200, 252, 252, "Tilt the model up and turn it right", {StepView, 7}},
    {"C12", ControlKind::Button, "L", 6960, 4440, 495, 375, "Turn the model left", {StepView, 4}},
    {"a5", ControlKind::Button, "GO", 7440, 4440, 375, 372, "Repeat the last direction 31 times", Calls<a5_Click>},
    {"C13", ControlKind::Button, "R", 7800, 4440, 495, 375, "Turn the model right", {StepView, 0}},
    {"a3", ControlKind::Button, "", 7200, 4800, 252, 252, "Tilt the model down and turn it left", {StepView, 3}},
    {"a4", ControlKind::Button, "", 7800, 4800, 252, 252, "Tilt the model down and turn it right", {StepView, 1}},
    {"C15", ControlKind::Button, "D", 7440, 4800, 375, 495, "Tilt the model down", {StepView, 2}},
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

// The menu bar: each menu's name and caption ("&" marks the access key) and its items. An item
// that is ticked carries its check mark from the start, and no check mark ever moves.
struct MenuItemLayout {
  std::string_view name;
  std::string_view caption;
  Action action = {};
  bool ticked = false;
  // A line above the item, setting it apart from those before it.
  bool separated = false;
  // The keys that choose it, as the menu shows them ("Ctrl+Z"), and another that does too.
  std::string_view shortcut = {};
  std::string_view otherShortcut = {};
};

struct MenuLayout {
  std::string_view name;
  std::string_view caption;
  std::span<const MenuItemLayout> items;
};

namespace menu_items {

// The colour menus give each item the number of its colour, the line styles a line kind, the draw
// modes a raster mode.
inline constexpr MenuItemLayout kFile[] = {
    {"Mnew", "New", Calls<Mnew_Click>},
    {"Msave", "Save", Calls<Msave_Click>},
    {"Mopen", "Open", Calls<Mopen_Click>},
};
inline constexpr MenuItemLayout kOptions[] = {
    {"sound", "Sound", {}, true},
    {"track", "Track", {}, true},
};
inline constexpr MenuItemLayout kEdit[] = {
    {"cut", "Cut", Calls<cut_Click>},
    {"copy", "Copy", Calls<copy_Click>},
    {"paste", "Paste", Calls<paste_Click>},
    // Undo and redo act on the three views' drawing; they come last, so the 3D view's items keep
    // their places.
    {"Mundo", "Undo", Calls<Mundo_Click>, false, true, "Ctrl+Z"},
    {"Mredo", "Redo", Calls<Mredo_Click>, false, false, "Ctrl+Shift+Z", "Ctrl+Y"},
};
inline constexpr MenuItemLayout kFormColour[] = {
    {"fblak", "Black", {SetWindowColour, 0}},
    {"fblu", "Blue", {SetWindowColour, 1}},
    {"fgree", "Green", {SetWindowColour, 2}},
    {"fcyan", "Cyan", {SetWindowColour, 3}},
    {"fred", "Red", {SetWindowColour, 4}},
    {"fmagen", "Magente", {SetWindowColour, 5}},
    {"fyell", "Yellow", {SetWindowColour, 6}},
    {"fwhit", "White", {SetWindowColour, 7}},
    {"fgrey", "Grey", {SetWindowColour, 8}},
    {"fflbl", "Lblue", {SetWindowColour, 9}},
    {"flgreen", "Lgreen", {SetWindowColour, 10}},
    {"flcyan", "Lcyan", {SetWindowColour, 11}},
    {"flrd", "Lred", {SetWindowColour, 12}},
    {"flma", "Lmagente", {SetWindowColour, 13}},
    {"fyel", "Lyellow", {SetWindowColour, 14}},
    {"fbwhite", "Bwhite", {SetWindowColour, 15}, true},
};
inline constexpr MenuItemLayout kCanvasColour[] = {
    {"pbla", "Black", {SetCanvasColour, 0}},
    {"pblue", "Blue", {SetCanvasColour, 1}},
    {"Pgreen", "Green", {SetCanvasColour, 2}},
    {"pcyan", "Cyan", {SetCanvasColour, 3}},
    {"predl", "Red", {SetCanvasColour, 4}},
    {"pmega", "Magente", {SetCanvasColour, 5}},
    {"pyell", "Yellow", {SetCanvasColour, 6}},
    {"pwhite", "White", {SetCanvasColour, 7}},
    {"pgrey", "Grey", {SetCanvasColour, 8}},
    {"plblue", "Lblue", {SetCanvasColour, 9}},
    {"plgreen", "Lgreen", {SetCanvasColour, 10}},
    {"plcyan", "Lcyan", {SetCanvasColour, 11}},
    {"pred", "Lred", {SetCanvasColour, 12}},
    {"plmag", "Lmagente", {SetCanvasColour, 13}},
    {"plyell", "Lyellow", {SetCanvasColour, 14}},
    {"pbwhite", "Bwhite", {SetCanvasColour, 15}, true},
};
inline constexpr MenuItemLayout kViewPenColour[] = {
    {"bluck", "Black", {SetViewPenColour, 0}},
    {"blue", "Blue", {SetViewPenColour, 1}},
    {"green", "Green", {SetViewPenColour, 2}},
    {"cyan", "Cyan", {SetViewPenColour, 3}},
    {"red", "Red", {SetViewPenColour, 4}},
    {"magente", "Magente", {SetViewPenColour, 5}},
    {"yellow", "Yellow", {SetViewPenColour, 6}},
    {"white", "White", {SetViewPenColour, 7}},
    {"grey", "Grey", {SetViewPenColour, 8}},
    {"lblue", "L-Blue", {SetViewPenColour, 9}},
    {"lgreen", "L-Green", {SetViewPenColour, 10}, true},
    {"lcyan", "L-Cyan", {SetViewPenColour, 11}},
    {"lred", "L-Red", {SetViewPenColour, 12}},
    {"lmagente", "L-Magente", {SetViewPenColour, 13}},
    {"lyellow", "L-Yellow", {SetViewPenColour, 14}},
    {"bwhite", "B-White", {SetViewPenColour, 15}},
};
// "D.BKcolor": two cyans, kkcyan (3) and kcyan (11).
inline constexpr MenuItemLayout kViewBackColour[] = {
    {"kblack", "Black", {SetViewBackColour, 0}},
    {"kblue", "Blue", {SetViewBackColour, 1}},
    {"kgreen", "Green", {SetViewBackColour, 2}},
    {"kkcyan", "Cyan", {SetViewBackColour, 3}},
    {"kred", "Red", {SetViewBackColour, 4}},
    {"kmagente", "Magente", {SetViewBackColour, 5}},
    {"kyellow", "Yellow", {SetViewBackColour, 6}},
    {"kwhite", "White", {SetViewBackColour, 7}},
    {"kgrey", "Grey", {SetViewBackColour, 8}, true},
    {"klblue", "L-Blue", {SetViewBackColour, 9}},
    {"klgreen", "L-Green", {SetViewBackColour, 10}},
    {"kcyan", "L-Cyan", {SetViewBackColour, 11}},
    {"klred", "L-Red", {SetViewBackColour, 12}},
    {"klmagente", "L-Magente", {SetViewBackColour, 13}},
    {"klyellow", "L-Yellow", {SetViewBackColour, 14}},
    {"kbwhite", "B-White", {SetViewBackColour, 15}},
};
inline constexpr MenuItemLayout kViewLineStyle[] = {
    {"truel", "TrueL", {SetViewLineStyle, 0}, true},
    {"thickl", "ThickL", {SetViewLineStyle, 1}},
    {"emptyl", "EmptyL", {SetViewLineStyle, 2}},
};
// "D.DrawMode", by raster mode: "Ncopy" and "Mask" are both 5, "Xor" and "Nmask" both 7.
inline constexpr MenuItemLayout kViewDrawMode[] = {
    {"not", "Not", {SetViewDrawMode, kNotCopyPen}},
    {"xor", "Xor", {SetViewDrawMode, kXorPen}},
    {"and", "And", {SetViewDrawMode, kNop}},
    {"scopy", "Copy", {SetViewDrawMode, kCopyPen}, true},
    {"nb", "Nblack", {SetViewDrawMode, kBlackness}},
    {"nbb", "Nboard", {SetViewDrawMode, kNotMergePen}},
    {"nbord", "Nbord", {SetViewDrawMode, kMaskNotPen}},
    {"ncopy", "Ncopy", {SetViewDrawMode, kMaskPenNot}},
    {"Mask", "Mask", {SetViewDrawMode, kMaskPenNot}},
    {"invert", "Invert", {SetViewDrawMode, kNot}},
    {"nmask", "Nmask", {SetViewDrawMode, kXorPen}},
    {"MaskN", "MaskN", {SetViewDrawMode, kMaskPen}},
    {"nxorp", "NXorP", {SetViewDrawMode, kNotXorPen}},
    {"merge", "Merge", {SetViewDrawMode, kMergeNotPen}},
    {"mergeN", "MergeN", {SetViewDrawMode, kMergePenNot}},
    {"mergeP", "MergeP", {SetViewDrawMode, kMergePen}},
    {"whitn", "WhitN", {SetViewDrawMode, kWhiteness}},
};
inline constexpr MenuItemLayout kHelp[] = {
    {"malvo", "Malvo", Calls<malvo_Click>},
    {"hlp", "Help ?", Calls<hlp_Click>},
    {"about", "About...", Calls<about_Click>},
};

}  // namespace menu_items

inline constexpr std::array<MenuLayout, 10> kMenuBar{{
    {"Mfile", "&File", menu_items::kFile},
    {"options", "&Options", menu_items::kOptions},
    {"edit", "D.&Edit", menu_items::kEdit},
    {"fbkc", "F.BK&color", menu_items::kFormColour},
    {"pbk", "&P.BKcolor", menu_items::kCanvasColour},
    {"dbc", "D.&BFcolor", menu_items::kViewPenColour},
    {"dkc", "D.B&Kcolor", menu_items::kViewBackColour},
    {"di", "D.&Lstype", menu_items::kViewLineStyle},
    {"mm1", "D.Draw&Mode", menu_items::kViewDrawMode},
    {"fhelp", "&Help", menu_items::kHelp},
}};

}  // namespace tova
