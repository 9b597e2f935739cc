#include "web/web_layout.h"

#include <string_view>

#include "app/input.h"
#include "app/controls.h"
#include "figures/json_text.h"
#include "program/window_layout.h"

namespace tova {
namespace {

std::string Number(int n) { return std::to_string(n); }

constexpr std::string_view kKindNames[] = {"PictureBox", "Button", "Label", "CheckBox", "HScrollBar", "TextBox"};

std::string Control(const ControlLayout& c) {
  return "{\"name\":" + JsonQuoted(c.name) + ",\"kind\":" + JsonQuoted(kKindNames[static_cast<int>(c.kind)]) +
         ",\"caption\":" + JsonQuoted(c.caption) + ",\"tip\":" + JsonQuoted(c.tip) + ",\"left\":" +
         Number(TwipsToPixels(c.left)) + ",\"top\":" + Number(TwipsToPixels(c.top)) + ",\"width\":" +
         Number(TwipsToPixels(c.width)) + ",\"height\":" + Number(TwipsToPixels(c.height)) +
         (c.kind == ControlKind::HScrollBar ? ",\"min\":" + Number(c.range.min) + ",\"max\":" + Number(c.range.max) +
                                                  ",\"value\":" + Number(c.range.value)
                                            : "") +
         "}";
}

}  // namespace

std::string LayoutJson() {
  std::string json = "{\"caption\":" + JsonQuoted(kWindowCaption);
  json += ",\"client\":[" + Number(TwipsToPixels(kClientWidthTwips)) + "," +
          Number(TwipsToPixels(kClientHeightTwips)) + "]";
  json += ",\"back\":" + Number(static_cast<int>(kWindowBackColour));
  json += ",\"pictureBorder\":" + Number(kPictureBorder);
  json += ",\"canvas\":" + Control(kCanvasLayout) + ",\"view\":" + Control(kViewLayout);
  json += ",\"dividers\":" + JsonList(kDividers, [](const DividerLayout& d) {
            return "[" + Number(TwipsToPixels(d.x1)) + "," + Number(TwipsToPixels(d.y1)) + "," +
                   Number(TwipsToPixels(d.x2)) + "," + Number(TwipsToPixels(d.y2)) + "]";
          });
  json += ",\"controls\":" + JsonList(kControlColumn, Control);
  json += ",\"menus\":" + JsonList(kMenuBar, [](const MenuLayout& m) {
            return "{\"name\":" + JsonQuoted(m.name) + ",\"caption\":" + JsonQuoted(m.caption) + ",\"items\":" +
                   JsonList(m.items, [](const MenuItemLayout& i) {
                     return "{\"name\":" + JsonQuoted(i.name) + ",\"caption\":" + JsonQuoted(i.caption) +
                            ",\"ticked\":" + (i.ticked ? "true" : "false") +
                            ",\"separated\":" + (i.separated ? "true" : "false") +
                            ",\"shortcut\":" + JsonQuoted(i.shortcut) +
                            ",\"otherShortcut\":" + JsonQuoted(i.otherShortcut) + "}";
                   }) +
                   "}";
          });
  json += ",\"tabOrder\":" + JsonList(kTabOrder, JsonQuoted);
  json += ",\"inputKinds\":" + JsonList(kInputKindNames, JsonQuoted);
  return json + "}";
}

}  // namespace tova
