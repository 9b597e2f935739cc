// The window's layout tables as JSON, so that the page is built from the same tables as the
// desktop window.
#pragma once

#include <string>

namespace tova {

// {"caption", "client": [w, h], "back", "pictureBorder", "canvas": control, "view": control,
//  "dividers": [[x1, y1, x2, y2]], "controls": [control], "menus": [{"name", "caption", "items":
//  [{"name", "caption", "ticked", "separated", "shortcut", "otherShortcut"}]}], "tabOrder": [name],
//  "inputKinds": [name of each InputKind]},
// where a control is {"name", "kind", "caption", "tip", "left", "top", "width", "height"}, places
// and sizes in pixels, and a scroll bar's has its "min", "max" and "value" at start too.
[[nodiscard]] std::string LayoutJson();

}  // namespace tova
