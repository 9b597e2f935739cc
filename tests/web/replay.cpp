// The native side of the browser test: runs a script of events (tests/web/session.txt) on the
// core with a scripted shell, in OUT_DIR, which holds the start-up document. Writes after each
// event the enabled and shown controls (steps.txt); the canvas after start-up (start-P.rgba) and
// at the end the canvas, the 3D view and the clipboard as RGBA bytes (P.rgba, D.rgba,
// clipboard.rgba); saved drawings land in OUT_DIR.
// Usage: web_replay SCRIPT OUT_DIR
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "app/input.h"
#include "app/startup.h"
#include "program/program.h"
#include "support/scripted_shell.h"

namespace tova {
namespace {

void WriteRgba(const std::string& path, const Image& image) {
  std::string bytes;
  for (const uint32_t p : image.pixels) {
    bytes += {static_cast<char>(p >> 16), static_cast<char>(p >> 8), static_cast<char>(p), '\xff'};
  }
  std::ofstream(path, std::ios::binary) << bytes;
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
  return enabled + "; " + shown;
}

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
  testing::ScriptedShell shell;
  Program program(shell);
  Form_Load(program);
  WriteRgba("start-P.rgba", program.P.Snapshot());
  std::ofstream steps("steps.txt");
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto& w = lines[i];
    if (w[0] == "answer" || w[0] == "prompt") continue;
    // The answers an event needs follow it in the script.
    for (std::size_t j = i + 1; j < lines.size() && (lines[j][0] == "answer" || lines[j][0] == "prompt"); ++j) {
      if (lines[j][0] == "answer") shell.script.QueueAnswer(lines[j][1] == "ok" ? Answer::Ok : Answer::Cancel);
      if (lines[j][0] == "prompt") shell.script.QueuePrompt(lines[j].size() > 1 ? lines[j][1] : "");
    }
    // Points are a picture box's own pixels; the program takes them from its outer corner.
    const auto pointer = [&](InputKind kind) {
      HandleInput(program, {kind, w[1], std::stod(w[2]) + kPictureBorder, std::stod(w[3]) + kPictureBorder});
    };
    if (w[0] == "click" && w.size() == 2) {
      HandleInput(program, {InputKind::Click, w[1]});
    } else if (w[0] == "move") {
      pointer(InputKind::Move);
    } else if (w[0] == "click") {
      pointer(InputKind::Move), pointer(InputKind::Down);
    } else if (w[0] == "dblclick") {
      pointer(InputKind::DoubleClick);
    } else if (w[0] == "scroll") {
      shell.SetValue(w[1] == "cpp" ? Control::cpp : w[1] == "cqq" ? Control::cqq : Control::cdd,
                     static_cast<int16_t>(std::stoi(w[2])));
      HandleInput(program, {InputKind::Scroll, w[1]});
    }
    steps << Controls(shell) << "; beeps " << shell.beeps() << "\n";
  }
  WriteRgba("P.rgba", program.P.Snapshot());
  WriteRgba("D.rgba", program.D.Snapshot());
  WriteRgba("clipboard.rgba", shell.clipboard);
  return shell.script.Exhausted() ? 0 : 1;
}
