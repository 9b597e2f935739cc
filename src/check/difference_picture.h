// The differences that a check found, as pictures of the canvas in SVG: missing elements red,
// extra ones blue, wrong line kinds orange.
#pragma once

#include <string>
#include <vector>

#include "check/comparison.h"

namespace tova {

inline constexpr const char* kMissingColour = "#e00000";
inline constexpr const char* kExtraColour = "#0050ff";
inline constexpr const char* kWrongKindColour = "#f08000";
inline constexpr const char* kWrongSizeColour = "#a000c0";

// The three views as a report shows them: the dividers, the key's figures in light grey, the
// drawing's (moved onto the key, when the check moved it) in dark grey over them, and the
// differences in their colours, each with a tooltip saying what it is.
[[nodiscard]] std::string CheckPicture(const std::vector<Element>& key, const std::vector<Element>& drawing,
                                       const CheckResult& result);

// How a class did on one of the key's elements: the share of its drawings that got it wrong, what
// hovering over the element says (XML text) and where clicking it leads (empty: nowhere).
struct ClassShare {
  double share = 0;
  std::string title, link;
};

// The key once, each element coloured from grey (nobody got it wrong) to red (everybody), its
// share written beside it; an element that someone got wrong is a link, which the keyboard
// reaches too, with a tooltip.
[[nodiscard]] std::string ClassPicture(const std::vector<Element>& key, const std::vector<ClassShare>& shares);

// Only the differences and the notes, on a clear ground, where the drawing has them (a missing
// element where it belongs to the drawing as placed), to lay over the canvas.
[[nodiscard]] std::string DifferencesOverCanvas(const CheckResult& result);

}  // namespace tova
