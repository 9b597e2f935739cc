// The native side of the browser tests: plays a script on the core through its one way in, with a
// scripted shell, in OUT_DIR (which holds the start-up document), and writes to steps.txt after
// each event the controls, readouts, pixels' digests, saved drawings and answers given. Lines:
//   seed N                 boxes and dialogs answered at random from N (else none may come)
//   at-move|at-click|at-double X Y   a move; and a click; and a double click, on a pixel of the
//                          canvas's drawing area (which may lie outside it), which is the 3D
//                          view's where that is shown there
//   at-drag X1 Y1 X2 Y2    a press, a move with the button held, a release
//   press NAME             a button or menu item, when it can be used
//   menu-key MENU N        the menu opened from the keyboard, N times Down, Return
//   scroll BAR VALUE       check NAME (a check box ticked or cleared)    go NAME ("GO", NAME during it)
// Usage: web_replay SCRIPT OUT_DIR
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <sstream>

#include "app/input.h"
#include "app/menu_tree.h"
#include "app/startup.h"
#include "support/test_program.h"

namespace tova {
namespace {

// FNV-1a over bytes, as the page computes it.
template <typename Bytes>
uint32_t Fnv(const Bytes& bytes) {
  uint32_t h = 2166136261u;
  for (const auto byte : bytes) h = (h ^ static_cast<uint8_t>(byte)) * 16777619u;
  return h;
}

// The pixels as RGBA bytes.
uint32_t Digest(const Surface& surface) {
  std::vector<uint8_t> bytes;
  for (const uint32_t p : surface.Snapshot().pixels) {
    bytes.insert(bytes.end(), {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p), 0xFF});
  }
  return Fnv(bytes);
}

// The saved drawings, "NAME:DIGEST" each, by name.
std::string SavedFiles() {
  std::set<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(".")) {
    if (entry.path().extension() != ".KRT") continue;
    files.insert(entry.path().filename().string() + ":" + std::to_string(Fnv(testing::ReadAll(entry.path()))));
  }
  std::string out;
  for (const std::string& f : files) out += (out.empty() ? "" : " ") + f;
  return out;
}

std::string Controls(const testing::ScriptedShell& shell) {
  std::string enabled = "enabled:", shown = "shown:";
  for (int i = 0; i < kControlCount; ++i) {
    const Control c = static_cast<Control>(i);
    const std::string name = " " + std::string(ControlName(c));
    if (c == Control::Form1 || c == Control::P || c == Control::D) {
      if (shell.visible(c).value_or(c != Control::D)) shown += name;
    } else if (shell.enabled(c).value_or(true)) {
      enabled += name;
    }
  }
  return enabled + "; " + shown + "\t" + shell.text(Control::Text1) + "|" + shell.text(Control::Text2) + "|" +
         shell.text(Control::Text3);
}

class Player {
 public:
  explicit Player(Program& program, testing::ScriptedShell& shell) : p_(program), shell_(shell) {}

  void Play(const std::vector<std::string>& w) {
    const auto n = [&](std::size_t k) { return std::stod(w[k]); };
    if (w[0] == "at-move") Pointer(InputKind::Move, n(1), n(2));
    if (w[0] == "at-click" || w[0] == "at-double") Pointer(InputKind::Move, n(1), n(2)), Press(n(1), n(2));
    if (w[0] == "at-double") Pointer(InputKind::DoubleClick, n(1), n(2), true), Release(n(1), n(2));
    if (w[0] == "at-drag") {
      Pointer(InputKind::Move, n(1), n(2)), Pointer(InputKind::Down, n(1), n(2), true);
      Pointer(InputKind::Move, n(3), n(4), true), Release(n(3), n(4));
    }
    if (w[0] == "press") Use(w[1]);
    for (const MenuLayout& m : kMenuBar) {
      if (w[0] == "menu-key" && m.name == w[1]) Use(m.items[std::stoul(w[2])].name);
    }
    if ((w[0] == "scroll" || w[0] == "check") && Usable(w[1])) {
      const Control c = Find(w[1]);
      shell_.SetValue(c, static_cast<int16_t>(w[0] == "check" ? 1 - shell_.Value(c) : std::stoi(w[2])));
      if (w[0] == "scroll") HandleInput(p_, {InputKind::Scroll, w[1]});
    }
    if (w[0] == "go") {
      // The page takes the second click while "GO" runs and hands it over afterwards.
      const bool later = Usable(w[1]);
      Use("a5");
      if (later) HandleInput(p_, {InputKind::Click, w[1]});
    }
  }

 private:
  static Control Find(std::string_view name) {
    for (int i = 0; i < kControlCount; ++i) {
      if (ControlName(static_cast<Control>(i)) == name) return static_cast<Control>(i);
    }
    return Control::Form1;
  }
  bool Usable(std::string_view name) const { return testing::Usable(shell_, name); }
  void Use(std::string_view name) {
    if (Usable(name)) HandleInput(p_, {InputKind::Click, name});
  }

  // The box under a point of the canvas's drawing area: the 3D view where it is shown and not
  // cut off by the canvas's edge, else the canvas (its border included).
  std::string_view Under(double x, double y) const {
    const int b = kPictureBorder;
    const double vx = x - TwipsToPixels(kViewLayout.left), vy = y - TwipsToPixels(kViewLayout.top);
    const bool inCanvas = x >= -b && y >= -b && x < kCanvasWidth + b && y < kCanvasHeight + b;
    const bool inView = vx >= 0 && vy >= 0 && vx < kViewWidth + 2 * b && vy < kViewHeight + 2 * b;
    if (inCanvas && inView && shell_.visible(Control::D).value_or(false)) return "D";
    return inCanvas ? "P" : "";
  }
  // A button held keeps the pointer for the box it was pressed on.
  void Pointer(InputKind kind, double x, double y, bool held = false) {
    const std::string_view box = held && !captured_.empty() ? captured_ : Under(x, y);
    if (kind == InputKind::Down || kind == InputKind::DoubleClick) captured_ = box;
    const double dx = box == "P" ? kPictureBorder : -TwipsToPixels(kViewLayout.left);
    const double dy = box == "P" ? kPictureBorder : -TwipsToPixels(kViewLayout.top);
    if (!box.empty()) HandleInput(p_, {kind, box, x + dx, y + dy, held});
  }
  void Press(double x, double y) { Pointer(InputKind::Down, x, y, true), Release(x, y); }
  void Release(double x, double y) { Pointer(InputKind::Up, x, y, true), captured_ = {}; }

  Program& p_;
  testing::ScriptedShell& shell_;
  std::string_view captured_;
};

}  // namespace
}  // namespace tova

int main(int argc, char** argv) {
  using namespace tova;
  if (argc != 3) return 2;
  std::ifstream script(argv[1]);
  std::vector<std::vector<std::string>> lines;
  for (std::string line; std::getline(script, line);) {
    std::istringstream words(line);
    lines.emplace_back(std::istream_iterator<std::string>(words), std::istream_iterator<std::string>());
  }
  std::filesystem::current_path(argv[2]);
  testing::ScriptedShell shell;
  if (!lines.empty() && lines[0][0] == "seed") {
    // Boxes and dialogs answered at random, from the seed: questions either way, names that save,
    // fail or give up, drawings that open or are missing.
    auto random = std::make_shared<std::mt19937>(std::stoul(lines[0][1]));
    const auto pick = [random](std::vector<std::string> choices) { return choices[(*random)() % choices.size()]; };
    shell.script.Improvise({
        .answer = [pick] { return pick({"ok", "cancel"}) == "ok" ? Answer::Ok : Answer::Cancel; },
        .prompt = [pick] { return pick({"", "r1.KRT", "r2.KRT", "no/such.KRT"}); },
        .open = [pick]() -> std::optional<std::string> {
          const std::string name = pick({"", "r1.KRT", "Tova.ini", "none.KRT"});
          return name.empty() ? std::nullopt : std::optional(name);
        },
    });
  }
  Program program(shell);
  Form_Load(program);
  Player player(program, shell);
  std::ofstream steps("steps.txt");
  for (const auto& w : lines) {
    if (w.empty() || w[0] == "seed") continue;
    shell.script.given.clear();
    player.Play(w);
    steps << Controls(shell) << "\t" << Digest(program.P) << "\t" << Digest(program.D) << "\t" << SavedFiles() << "\t"
          << shell.script.given << "\n";
  }
}
