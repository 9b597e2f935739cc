#include "web/web_layout.h"

#include <cstdio>
#include <string_view>

#include "app/input.h"
#include "app/menu_tree.h"
#include "program/window_layout.h"

namespace tova {
namespace {

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string Number(int n) { return std::to_string(n); }

constexpr std::string_view kKindNames[] = {"PictureBox", "Button", "Label", "CheckBox", "HScrollBar", "TextBox"};

std::string Control(const ControlLayout& c) {
  return "{\"name\":" + Quoted(c.name) + ",\"kind\":" + Quoted(kKindNames[static_cast<int>(c.kind)]) +
         ",\"caption\":" + Quoted(c.caption) + ",\"tip\":" + Quoted(c.tip) + ",\"left\":" +
         Number(TwipsToPixels(c.left)) + ",\"top\":" + Number(TwipsToPixels(c.top)) + ",\"width\":" +
         Number(TwipsToPixels(c.width)) + ",\"height\":" + Number(TwipsToPixels(c.height)) + "}";
}

template <typename Range, typename Write>
std::string List(const Range& range, Write write) {
  std::string out = "[";
  for (const auto& item : range) out += (out.size() > 1 ? "," : "") + write(item);
  return out + "]";
}

}  // namespace

std::string LayoutJson() {
  std::string json = "{\"caption\":" + Quoted(kWindowCaption);
  json += ",\"client\":[" + Number(TwipsToPixels(kClientWidthTwips)) + "," +
          Number(TwipsToPixels(kClientHeightTwips)) + "]";
  json += ",\"back\":" + Number(static_cast<int>(kWindowBackColour));
  json += ",\"pictureBorder\":" + Number(kPictureBorder);
  json += ",\"canvas\":" + Control(kCanvasLayout) + ",\"view\":" + Control(kViewLayout);
  json += ",\"dividers\":" + List(kDividers, [](const DividerLayout& d) {
            return "[" + Number(TwipsToPixels(d.x1)) + "," + Number(TwipsToPixels(d.y1)) + "," +
                   Number(TwipsToPixels(d.x2)) + "," + Number(TwipsToPixels(d.y2)) + "]";
          });
  json += ",\"controls\":" + List(kControlColumn, Control);
  json += ",\"menus\":" + List(kMenuBar, [](const MenuLayout& m) {
            return "{\"name\":" + Quoted(m.name) + ",\"caption\":" + Quoted(m.caption) + ",\"items\":" +
                   List(m.items, [](const MenuItemLayout& i) {
                     return "{\"name\":" + Quoted(i.name) + ",\"caption\":" + Quoted(i.caption) +
                            ",\"ticked\":" + (i.ticked ? "true" : "false") + "}";
                   }) +
                   "}";
          });
  json += ",\"tabOrder\":" + List(kTabOrder, Quoted);
  json += ",\"inputKinds\":" + List(kInputKindNames, Quoted);
  json += ",\"scrollBars\":" + List(kScrollBars, [](const ScrollBarRange& r) {
            return "{\"name\":" + Quoted(r.name) + ",\"min\":" + Number(r.min) + ",\"max\":" + Number(r.max) +
                   ",\"value\":" + Number(r.value) + "}";
          });
  return json + "}";
}

}  // namespace tova
