// The menu bar: each menu's name and caption ("&" marks the access key) and its items. An item
// that is ticked carries its check mark from the start, and no check mark ever moves.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace tova {

struct MenuItemLayout {
  std::string_view name;
  std::string_view caption;
  bool ticked = false;
};

struct MenuLayout {
  std::string_view name;
  std::string_view caption;
  std::span<const MenuItemLayout> items;
};

namespace menu_items {

inline constexpr MenuItemLayout kFile[] = {{"Mnew", "New"}, {"Msave", "Save"}, {"Mopen", "Open"}};
inline constexpr MenuItemLayout kOptions[] = {{"sound", "Sound", true}, {"track", "Track", true}};
inline constexpr MenuItemLayout kEdit[] = {{"cut", "Cut"}, {"copy", "Copy"}, {"paste", "Paste"}};
inline constexpr MenuItemLayout kFormColour[] = {
    {"fblak", "Black"},   {"fblu", "Blue"},       {"fgree", "Green"},    {"fcyan", "Cyan"},
    {"fred", "Red"},      {"fmagen", "Magente"},  {"fyell", "Yellow"},   {"fwhit", "White"},
    {"fgrey", "Grey"},    {"fflbl", "Lblue"},     {"flgreen", "Lgreen"}, {"flcyan", "Lcyan"},
    {"flrd", "Lred"},     {"flma", "Lmagente"},   {"fyel", "Lyellow"},   {"fbwhite", "Bwhite", true}};
inline constexpr MenuItemLayout kCanvasColour[] = {
    {"pbla", "Black"},    {"pblue", "Blue"},      {"Pgreen", "Green"},   {"pcyan", "Cyan"},
    {"predl", "Red"},     {"pmega", "Magente"},   {"pyell", "Yellow"},   {"pwhite", "White"},
    {"pgrey", "Grey"},    {"plblue", "Lblue"},    {"plgreen", "Lgreen"}, {"plcyan", "Lcyan"},
    {"pred", "Lred"},     {"plmag", "Lmagente"},  {"plyell", "Lyellow"}, {"pbwhite", "Bwhite", true}};
inline constexpr MenuItemLayout kViewPenColour[] = {
    {"bluck", "Black"},   {"blue", "Blue"},         {"green", "Green"},          {"cyan", "Cyan"},
    {"red", "Red"},       {"magente", "Magente"},   {"yellow", "Yellow"},        {"white", "White"},
    {"grey", "Grey"},     {"lblue", "L-Blue"},      {"lgreen", "L-Green", true}, {"lcyan", "L-Cyan"},
    {"lred", "L-Red"},    {"lmagente", "L-Magente"}, {"lyellow", "L-Yellow"},    {"bwhite", "B-White"}};
inline constexpr MenuItemLayout kViewBackColour[] = {
    {"kblack", "Black"},  {"kblue", "Blue"},          {"kgreen", "Green"},     {"kkcyan", "Cyan"},
    {"kred", "Red"},      {"kmagente", "Magente"},    {"kyellow", "Yellow"},   {"kwhite", "White"},
    {"kgrey", "Grey", true}, {"klblue", "L-Blue"},    {"klgreen", "L-Green"},  {"kcyan", "L-Cyan"},
    {"klred", "L-Red"},   {"klmagente", "L-Magente"}, {"klyellow", "L-Yellow"}, {"kbwhite", "B-White"}};
inline constexpr MenuItemLayout kViewLineStyle[] = {
    {"truel", "TrueL", true}, {"thickl", "ThickL"}, {"emptyl", "EmptyL"}};
inline constexpr MenuItemLayout kViewDrawMode[] = {
    {"not", "Not"},       {"xor", "Xor"},        {"and", "And"},       {"scopy", "Copy", true},
    {"nb", "Nblack"},     {"nbb", "Nboard"},     {"nbord", "Nbord"},   {"ncopy", "Ncopy"},
    {"Mask", "Mask"},     {"invert", "Invert"},  {"nmask", "Nmask"},   {"MaskN", "MaskN"},
    {"nxorp", "NXorP"},   {"merge", "Merge"},    {"mergeN", "MergeN"}, {"mergeP", "MergeP"},
    {"whitn", "WhitN"}};
inline constexpr MenuItemLayout kHelp[] = {{"malvo", "Malvo"}, {"hlp", "Help ?"}, {"about", "About..."}};

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
