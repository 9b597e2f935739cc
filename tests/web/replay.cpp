// The native side of the browser tests: plays a script of events on the core through its one way
// in, with a scripted shell, in OUT_DIR, which holds the start-up document. After each event it
// writes a line to steps.txt: the enabled and shown controls, the readouts, a digest of the
// canvas's and the 3D view's pixels, the saved drawings with a digest of each, and the answers the
// boxes and dialogs of the event were given, tab-separated. It also writes the canvas after start-up (start-P.rgba) and at the end
// the canvas, the 3D view and the clipboard as RGBA bytes (P.rgba, D.rgba, clipboard.rgba); saved
// drawings land in OUT_DIR.
//
// Script lines (tests/web/session.txt; random_session.py makes longer ones):
//   click NAME                 a button or menu item          scroll BAR VALUE    a scroll bar
//   click|move P|D X Y         the pointer there (and a press), in that box's own pixels
//   dblclick P X Y             the second press of a double click
//   answer ok|cancel, prompt TEXT   the answers to the boxes of the event before
// and, where the pointer goes wherever a point of the canvas's drawing area (X Y, which may lie
// outside it) is on the screen, to the 3D view when it is shown there:
//   seed N                     answers of boxes and dialogs improvised from N, not scripted
//   at-move|at-click|at-double X Y     a move; a move and a click; a move and a double click
//   at-drag X1 Y1 X2 Y2        a press, a move with the button held, a release
//   press NAME                 a button or menu item, when it can be used
//   menu-key MENU N            the menu opened from the keyboard, N times Down, Return
//   check NAME                 a check box ticked or cleared     go NAME   "GO", and NAME during it
// Usage: web_replay SCRIPT OUT_DIR
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>

#include "app/input.h"
#include "app/menu_tree.h"
#include "app/startup.h"
#include "program/program.h"
#include "support/scripted_shell.h"

namespace tova {
namespace {

// The scripted shell, noting each box's and dialog's answer as the page must give it.
struct RecordingShell : testing::ScriptedShell {
  Answer MessageBox(std::string_view text, std::string_view title, Buttons buttons, Icon icon) override {
    const Answer a = ScriptedShell::MessageBox(text, title, buttons, icon);
    answers += a == Answer::Ok ? " ok" : " cancel";
    return a;
  }
  std::string PromptText(std::string_view prompt, std::string_view title, std::string_view preset) override {
    const std::string text = ScriptedShell::PromptText(prompt, title, preset);
    answers += " prompt:" + text;
    return text;
  }
  std::optional<std::string> OpenFileDialog(std::string_view field) override {
    const std::optional<std::string> path = ScriptedShell::OpenFileDialog(field);
    answers += " open:" + path.value_or("");
    return path;
  }
  std::string answers;
};

void WriteRgba(const std::string& path, const Image& image) {
  std::string bytes;
  for (const uint32_t p : image.pixels) {
    bytes += {static_cast<char>(p >> 16), static_cast<char>(p >> 8), static_cast<char>(p), '\xff'};
  }
  std::ofstream(path, std::ios::binary) << bytes;
}

// FNV-1a over bytes, as the page computes it.
template <typename Bytes>
uint32_t Fnv(const Bytes& bytes) {
  uint32_t h = 2166136261u;
  for (const auto byte : bytes) h = (h ^ static_cast<uint8_t>(byte)) * 16777619u;
  return h;
}

// The pixels' RGBA bytes.
uint32_t Digest(const Surface& surface) {
  std::string bytes;
  for (const uint32_t p : surface.Snapshot().pixels) {
    bytes += {static_cast<char>(p >> 16), static_cast<char>(p >> 8), static_cast<char>(p), '\xff'};
  }
  return Fnv(bytes);
}

// The saved drawings: "NAME:DIGEST" each, by name.
std::string SavedFiles() {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(".")) {
    if (entry.path().extension() != ".KRT") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(in), {});
    files.push_back(entry.path().filename().string() + ":" + std::to_string(Fnv(bytes)));
  }
  std::sort(files.begin(), files.end());
  std::string out;
  for (const std::string& f : files) out += (out.empty() ? "" : " ") + f;
  return out;
}

std::string Controls(const testing::ScriptedShell& shell) {
  std::string enabled = "enabled:", shown = "shown:";
  for (int i = 0; i < kControlCount; ++i) {
    const Control c = static_cast<Control>(i);
    if (c == Control::Form1 || c == Control::P || c == Control::D) {
      if (shell.visible(c).value_or(c != Control::D)) shown += " " + std::string(ControlName(c));
    } else if (shell.enabled(c).value_or(true)) {
      enabled += " " + std::string(ControlName(c));
    }
  }
  return enabled + "; " + shown + "\t" + shell.text(Control::Text1) + "|" + shell.text(Control::Text2) + "|" +
         shell.text(Control::Text3);
}

class Player {
 public:
  explicit Player(Program& program, RecordingShell& shell) : p_(program), shell_(shell) {}

  void Play(const std::vector<std::string>& w) {
    const auto n = [&](std::size_t k) { return std::stod(w[k]); };
    if (w[0] == "at-move") Pointer(InputKind::Move, n(1), n(2));
    if (w[0] == "at-click") Pointer(InputKind::Move, n(1), n(2)), Press(n(1), n(2));
    if (w[0] == "at-double") {
      Pointer(InputKind::Move, n(1), n(2)), Press(n(1), n(2));
      Pointer(InputKind::DoubleClick, n(1), n(2), true), Release(n(1), n(2));
    }
    if (w[0] == "at-drag") {
      Pointer(InputKind::Move, n(1), n(2)), Pointer(InputKind::Down, n(1), n(2), true);
      Pointer(InputKind::Move, n(3), n(4), true), Release(n(3), n(4));
    }
    if (w[0] == "press") Use(w[1]);
    if (w[0] == "menu-key") {
      for (const MenuLayout& m : kMenuBar) {
        if (m.name == w[1] && Usable(m.name)) HandleInput(p_, {InputKind::Click, m.items[std::stoul(w[2])].name});
      }
    }
    if (w[0] == "scroll" && Usable(w[1])) {
      shell_.SetValue(Find(w[1]), static_cast<int16_t>(std::stoi(w[2])));
      HandleInput(p_, {InputKind::Scroll, w[1]});
    }
    if (w[0] == "check" && Usable(w[1])) {
      const Control box = Find(w[1]);
      shell_.SetValue(box, static_cast<int16_t>(1 - shell_.Value(box)));
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
  // A control can be used when it is enabled, and a menu item when its menu is.
  bool Usable(std::string_view name) const {
    for (const MenuLayout& m : kMenuBar) {
      for (const MenuItemLayout& item : m.items) {
        if (item.name == name) return Usable(m.name);
      }
    }
    const Control c = Find(name);
    return c == Control::Form1 ? name.size() > 0 : shell_.enabled(c).value_or(true);
  }
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
  void Pointer(InputKind kind, double x, double y, bool held = false) {
    std::string_view box = held && !captured_.empty() ? captured_ : Under(x, y);
    if (kind == InputKind::Down || kind == InputKind::DoubleClick) captured_ = box;
    if (box == "P") HandleInput(p_, {kind, box, x + kPictureBorder, y + kPictureBorder, held});
    if (box == "D") {
      HandleInput(p_, {kind, box, x - TwipsToPixels(kViewLayout.left), y - TwipsToPixels(kViewLayout.top), held});
    }
  }
  void Press(double x, double y) { Pointer(InputKind::Down, x, y, true), Release(x, y); }
  void Release(double x, double y) { Pointer(InputKind::Up, x, y, true), captured_ = {}; }

  Program& p_;
  RecordingShell& shell_;
  std::string_view captured_;
};

}  // namespace
}  // namespace tova

int main(int argc, char** argv) {
  using namespace tova;
  if (argc != 3) {
    std::cerr << "usage: web_replay SCRIPT OUT_DIR\n";
    return 2;
  }
  std::ifstream script(argv[1]);
  std::vector<std::vector<std::string>> lines;
  for (std::string line; std::getline(script, line);) {
    std::istringstream words(line);
    std::vector<std::string> w;
    for (std::string word; words >> word;) w.push_back(word);
    if (!w.empty() && w[0][0] != '#') lines.push_back(w);
  }
  std::filesystem::current_path(argv[2]);
  RecordingShell shell;
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
  WriteRgba("start-P.rgba", program.P.Snapshot());
  std::ofstream steps("steps.txt");
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto& w = lines[i];
    if (w[0] == "answer" || w[0] == "prompt" || w[0] == "seed") continue;
    // The answers an event needs follow it in the script.
    for (std::size_t j = i + 1; j < lines.size() && (lines[j][0] == "answer" || lines[j][0] == "prompt"); ++j) {
      if (lines[j][0] == "answer") shell.script.QueueAnswer(lines[j][1] == "ok" ? Answer::Ok : Answer::Cancel);
      if (lines[j][0] == "prompt") shell.script.QueuePrompt(lines[j].size() > 1 ? lines[j][1] : "");
    }
    // Points are a picture box's own pixels; the program takes them from its outer corner.
    const auto pointer = [&](InputKind kind) {
      HandleInput(program, {kind, w[1], std::stod(w[2]) + kPictureBorder, std::stod(w[3]) + kPictureBorder});
    };
    shell.answers.clear();
    if (w[0] == "click" && w.size() == 2) {
      HandleInput(program, {InputKind::Click, w[1]});
    } else if (w[0] == "move") {
      pointer(InputKind::Move);
    } else if (w[0] == "click") {
      pointer(InputKind::Move), pointer(InputKind::Down);
    } else if (w[0] == "dblclick") {
      pointer(InputKind::DoubleClick);
    } else {
      player.Play(w);
    }
    steps << Controls(shell) << "\t" << Digest(program.P) << "\t" << Digest(program.D) << "\t" << SavedFiles() << "\t"
          << shell.answers << "\n";
  }
  WriteRgba("P.rgba", program.P.Snapshot());
  WriteRgba("D.rgba", program.D.Snapshot());
  WriteRgba("clipboard.rgba", shell.clipboard);
  return shell.script.Exhausted() ? 0 : 1;
}
