#include "support/script_player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <sstream>

#include "app/controls.h"

namespace tova::testing {

void ScriptPlayer::Play(const Words& w) {
  const auto n = [&](std::size_t k) { return std::stod(w[k]); };
  if (w[0] == "at-move") Pointer(InputKind::Move, n(1), n(2));
  if (w[0] == "at-click" || w[0] == "at-double") Pointer(InputKind::Move, n(1), n(2)), Press(n(1), n(2));
  if (w[0] == "at-double") Pointer(InputKind::DoubleClick, n(1), n(2), true), Release();
  if (w[0] == "at-drag") {
    Pointer(InputKind::Move, n(1), n(2)), Pointer(InputKind::Down, n(1), n(2), true);
    Pointer(InputKind::Move, n(3), n(4), true), Release();
  }
  if (w[0] == "press") Use(w[1]);
  for (const MenuLayout& m : kMenuBar) {
    if (w[0] == "menu-key" && m.name == w[1]) Use(m.items[std::stoul(w[2])].name);
  }
  for (int i = 0; i < kControlCount && (w[0] == "scroll" || w[0] == "check") && Usable(w[1]); ++i) {
    const Control c = static_cast<Control>(i);
    if (ControlName(c) != w[1]) continue;
    shell_.SetValue(c, static_cast<int16_t>(w[0] == "check" ? 1 - shell_.Value(c) : std::stoi(w[2])));
    if (w[0] == "scroll") HandleInput(p_, {InputKind::Scroll, w[1]});
  }
  // "GO"'s second click comes while it runs, and is handed over afterwards if it can be used then.
  if (w[0] == "go") Use("a5"), Use(w[1]);
}

void ScriptPlayer::Use(std::string_view name) {
  if (Usable(name)) HandleInput(p_, {InputKind::Click, name});
}

std::string_view ScriptPlayer::Under(double x, double y) const {
  const int b = kPictureBorder;
  const double vx = x - TwipsToPixels(kViewLayout.left), vy = y - TwipsToPixels(kViewLayout.top);
  const bool inCanvas = x >= -b && y >= -b && x < kCanvasWidth + b && y < kCanvasHeight + b;
  const bool inView = vx >= 0 && vy >= 0 && vx < kViewWidth + 2 * b && vy < kViewHeight + 2 * b;
  if (inCanvas && inView && shell_.visible(Control::D).value_or(false)) return "D";
  return inCanvas ? "P" : "";
}

void ScriptPlayer::Pointer(InputKind kind, double x, double y, bool held) {
  const bool press = kind == InputKind::Down || kind == InputKind::DoubleClick;
  const std::string_view box = held && !press ? captured_ : Under(x, y);
  if (press) captured_ = box;
  const double dx = box == "P" ? kPictureBorder : -TwipsToPixels(kViewLayout.left);
  const double dy = box == "P" ? kPictureBorder : -TwipsToPixels(kViewLayout.top);
  if (box.empty()) return;
  const DialogScript& s = shell_.script;
  const auto asked = [&] { return s.boxes.size() + s.prompts.size() + s.openFields.size() + shell_.pauses; };
  const std::size_t before = asked();
  HandleInput(p_, {kind, box, x + dx, y + dy, held});
  // A move never waits (app/input.h): the page runs it at once, outside its queue.
  if (kind == InputKind::Move && asked() != before) ADD_FAILURE() << "a move to " << x << " " << y << " waited";
}

void ScriptPlayer::Press(double x, double y) { Pointer(InputKind::Down, x, y, true), Release(); }

std::string RandomEvents::Point(int outside, bool press) {
  for (;;) {
    const int x = Pick(kCanvasWidth + 4 + 2 * outside) - 2 - outside, y = Pick(kCanvasHeight + 4) - 2;
    if (press && std::abs(x - lastX_) <= 3 && std::abs(y - lastY_) <= 3) continue;
    if (press) lastX_ = x, lastY_ = y;
    return std::to_string(x) + " " + std::to_string(y);
  }
}

// Where relations begin and end: near an end of some line.
std::string RandomEvents::NearALineEnd(const Program& program) {
  const LineRecord& l = program.tables.lineTable[static_cast<std::size_t>(Pick(12))];
  const bool second = Pick(2);
  const int x = (second ? l.x2 : l.x1) + Pick(5) - 2, y = (second ? l.y2 : l.y1) + Pick(5) - 2;
  if (std::abs(x - lastX_) <= 3 && std::abs(y - lastY_) <= 3) return Point(0, true);
  lastX_ = x, lastY_ = y;
  return std::to_string(x) + " " + std::to_string(y);
}

Words RandomEvents::Next(const Program& program, const ScriptedShell& shell) {
  // No help pages, "EXIT" (the end) seldom; for the page, neither "EXIT" nor the clipboard.
  const auto usable = [&](std::string_view name) {
    for (const std::string_view out : {"hlp", "malvo", "C11", "cut", "copy", "paste"}) {
      if (name == out && (forPage_ || name == "hlp" || name == "malvo" || name == "C11")) return false;
    }
    return Usable(shell, name);
  };
  std::vector<std::string_view> buttons, items;  // those that can be used
  std::vector<const ControlLayout*> bars;
  for (const ControlLayout& c : kControlColumn) {
    if (c.kind == ControlKind::Button && usable(c.name)) buttons.push_back(c.name);
    if (c.kind == ControlKind::HScrollBar) bars.push_back(&c);
  }
  for (const MenuLayout& m : kMenuBar) {
    for (const MenuItemLayout& item : m.items) {
      if (usable(item.name)) items.push_back(item.name);
    }
  }
  const MenuLayout& menu = kMenuBar[static_cast<std::size_t>(Pick(int(kMenuBar.size())))];
  const ControlLayout& bar = *bars[static_cast<std::size_t>(Pick(int(bars.size())))];
  const auto one = [&](const std::vector<std::string_view>& from, std::string_view otherwise) {
    return std::string(from.empty() ? otherwise : from[static_cast<std::size_t>(Pick(int(from.size())))]);
  };
  std::string line = "at-move " + Point(40, false);
  const int kind = Pick(31);
  if (kind < 6) line = "at-click " + (Pick(3) ? Point(0, true) : NearALineEnd(program));
  if (kind >= 6 && kind < 12) line = "press " + one(buttons, "C6");
  if (kind >= 12 && kind < 14) line = "press " + one(items, "C6");
  if (kind >= 14 && kind < 17) line = "press " + one({"Msave", "Mopen", "Mnew", "C10", "C6", "C16"}, "");
  if (kind == 17) line = "at-double " + Point(0, true);
  if (kind == 18) line = "at-drag " + Point(0, true) + " " + Point(60, false);
  if (kind == 19 && std::ranges::all_of(menu.items, [&](const MenuItemLayout& i) { return usable(i.name); })) {
    line = "menu-key " + std::string(menu.name) + " " + std::to_string(Pick(int(menu.items.size())));
  }
  if (kind == 20 && usable(bar.name)) {
    line = "scroll " + std::string(bar.name) + " " + std::to_string(bar.range.min + Pick(bar.range.max - bar.range.min + 1));
  }
  if (kind == 21) line = "check " + one({"Check1", "Check2", "Check3"}, "");
  if (kind == 22) line = usable("a5") ? "go " + one({"C12", "C14", "C15"}, "") : "press " + one({"C9", "C13"}, "");
  if (!forPage_ && Pick(300) == 0) line = "press C11";
  // "PLAY" off is soon on again, so that the 3D view is drawn.
  if (shell.Value(Control::Check2) == 0 && Pick(3) == 0) line = "check Check2";
  std::istringstream words(line);
  return Words(std::istream_iterator<std::string>(words), std::istream_iterator<std::string>());
}

void ImproviseAnswers(ScriptedShell& shell, unsigned seed) {
  static constexpr const char* kPaths[] = {"", "a.KRT", "b.KRT", "no-folder/c.KRT", ".", "Tova.ini", "missing.KRT"};
  auto random = std::make_shared<std::mt19937>(seed);
  const auto pick = [random](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(*random); };
  shell.script.Improvise({
      [pick] { return pick(2) ? Answer::Ok : Answer::Cancel; },
      [pick] { return std::string(kPaths[pick(std::size(kPaths))]); },
      [pick]() -> std::optional<std::string> {
        // The Open dialog gives no empty name.
        return pick(3) == 0 ? std::nullopt : std::optional(std::string(kPaths[1 + pick(std::size(kPaths) - 1)]));
      },
  });
}

}  // namespace tova::testing
