#include "app/click_handlers.h"

#include <array>

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
#include "platform/raster_mode.h"
#include "view3d/navigation.h"
#include "view3d/view_attributes.h"

namespace tova {
namespace {

// A handler that takes no value.
template <void (*Handler)(Program&)>
void Plain(Program& program, int16_t) {
  Handler(program);
}

constexpr ClickHandler kHandlers[] = {
    // Drawing, finding, deleting.
    {"C0", Plain<C0_Click>},   {"C1", Plain<C1_Click>},   {"C2", Plain<C2_Click>},
    {"C3", Plain<C3_Click>},   {"C4", Plain<C4_Click>},   {"C5", Plain<C5_Click>},
    {"C6", Plain<C6_Click>},   {"C7", Plain<C7_Click>},   {"C8", Plain<C8_Click>},
    {"CC8", Plain<CC8_Click>},
    // The 3D view and its direction buttons, by direction code.
    {"C9", Plain<C9_Click>},   {"C16", Plain<C16_Click>}, {"a5", Plain<a5_Click>},
    {"C13", StepView, 0},      {"a4", StepView, 1},       {"C15", StepView, 2},
    {"a3", StepView, 3},       {"C12", StepView, 4},      {"a1", StepView, 5},
    {"C14", StepView, 6},      {"a2", StepView, 7},
    // "D.BFcolor", by colour number.
    {"bluck", SetViewPenColour, 0},     {"blue", SetViewPenColour, 1},
    {"green", SetViewPenColour, 2},     {"cyan", SetViewPenColour, 3},
    {"red", SetViewPenColour, 4},       {"magente", SetViewPenColour, 5},
    {"yellow", SetViewPenColour, 6},    {"white", SetViewPenColour, 7},
    {"grey", SetViewPenColour, 8},      {"lblue", SetViewPenColour, 9},
    {"lgreen", SetViewPenColour, 10},   {"lcyan", SetViewPenColour, 11},
    {"lred", SetViewPenColour, 12},     {"lmagente", SetViewPenColour, 13},
    {"lyellow", SetViewPenColour, 14},  {"bwhite", SetViewPenColour, 15},
    // "D.BKcolor": note the two cyans, kkcyan 3 and kcyan 11.
    {"kblack", SetViewBackColour, 0},   {"kblue", SetViewBackColour, 1},
    {"kgreen", SetViewBackColour, 2},   {"kkcyan", SetViewBackColour, 3},
    {"kred", SetViewBackColour, 4},     {"kmagente", SetViewBackColour, 5},
    {"kyellow", SetViewBackColour, 6},  {"kwhite", SetViewBackColour, 7},
    {"kgrey", SetViewBackColour, 8},    {"klblue", SetViewBackColour, 9},
    {"klgreen", SetViewBackColour, 10}, {"kcyan", SetViewBackColour, 11},
    {"klred", SetViewBackColour, 12},   {"klmagente", SetViewBackColour, 13},
    {"klyellow", SetViewBackColour, 14}, {"kbwhite", SetViewBackColour, 15},
    // "D.Lstype", by line kind.
    {"truel", SetViewLineStyle, 0},     {"thickl", SetViewLineStyle, 1},
    {"emptyl", SetViewLineStyle, 2},
    // "D.DrawMode", by raster mode: "Ncopy" and "Mask" are both 5, "Xor" and "Nmask" both 7.
    {"not", SetViewDrawMode, kNotCopyPen},     {"xor", SetViewDrawMode, kXorPen},
    {"and", SetViewDrawMode, kNop},            {"scopy", SetViewDrawMode, kCopyPen},
    {"nb", SetViewDrawMode, kBlackness},       {"nbb", SetViewDrawMode, kNotMergePen},
    {"nbord", SetViewDrawMode, kMaskNotPen},   {"ncopy", SetViewDrawMode, kMaskPenNot},
    {"Mask", SetViewDrawMode, kMaskPenNot},    {"invert", SetViewDrawMode, kNot},
    {"nmask", SetViewDrawMode, kXorPen},       {"MaskN", SetViewDrawMode, kMaskPen},
    {"nxorp", SetViewDrawMode, kNotXorPen},    {"merge", SetViewDrawMode, kMergeNotPen},
    {"mergeN", SetViewDrawMode, kMergePenNot}, {"mergeP", SetViewDrawMode, kMergePen},
    {"whitn", SetViewDrawMode, kWhiteness},
    // Files, leaving, help.
    {"C10", Plain<C10_Click>}, {"Mnew", Plain<Mnew_Click>}, {"Msave", Plain<Msave_Click>},
    {"Mopen", Plain<Mopen_Click>}, {"C11", Plain<C11_Click>}, {"malvo", Plain<malvo_Click>},
    {"hlp", Plain<hlp_Click>},  {"about", Plain<about_Click>},
    // "F.BKcolor" and "P.BKcolor", by colour number.
    {"fblak", SetWindowColour, 0},   {"fblu", SetWindowColour, 1},     {"fgree", SetWindowColour, 2},
    {"fcyan", SetWindowColour, 3},   {"fred", SetWindowColour, 4},     {"fmagen", SetWindowColour, 5},
    {"fyell", SetWindowColour, 6},   {"fwhit", SetWindowColour, 7},    {"fgrey", SetWindowColour, 8},
    {"fflbl", SetWindowColour, 9},   {"flgreen", SetWindowColour, 10}, {"flcyan", SetWindowColour, 11},
    {"flrd", SetWindowColour, 12},   {"flma", SetWindowColour, 13},    {"fyel", SetWindowColour, 14},
    {"fbwhite", SetWindowColour, 15},
    {"pbla", SetCanvasColour, 0},    {"pblue", SetCanvasColour, 1},    {"Pgreen", SetCanvasColour, 2},
    {"pcyan", SetCanvasColour, 3},   {"predl", SetCanvasColour, 4},    {"pmega", SetCanvasColour, 5},
    {"pyell", SetCanvasColour, 6},   {"pwhite", SetCanvasColour, 7},   {"pgrey", SetCanvasColour, 8},
    {"plblue", SetCanvasColour, 9},  {"plgreen", SetCanvasColour, 10}, {"plcyan", SetCanvasColour, 11},
    {"pred", SetCanvasColour, 12},   {"plmag", SetCanvasColour, 13},   {"plyell", SetCanvasColour, 14},
    {"pbwhite", SetCanvasColour, 15},
    // "D.Edit".
    {"cut", Plain<cut_Click>}, {"copy", Plain<copy_Click>}, {"paste", Plain<paste_Click>},
};

}  // namespace

std::span<const ClickHandler> ClickHandlers() { return kHandlers; }

const ClickHandler* FindClickHandler(std::string_view control) {
  for (const ClickHandler& h : kHandlers) {
    if (h.control == control) return &h;
  }
  return nullptr;
}

}  // namespace tova
