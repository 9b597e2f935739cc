// The controls of the main window that the program switches, reads or writes while it runs.
#pragma once

#include <cstdint>
#include <string_view>

namespace tova {

enum class Control : uint8_t {
  Form1, P, D,                                     // the window, the canvas, the 3D view
  C0, C1, C2, C3, C4, C5, C6, C7, C8, CC8, C9, C10, C11,
  C12, C13, C14, C15, C16, a1, a2, a3, a4, a5,     // 3D navigation
  cpp, cqq, cdd,                                   // scroll bars
  Check1, Check2, Check3,                          // check boxes
  Text1, Text2, Text3,                             // text boxes
  Mfile, pbk,                                      // menus
  Mundo, Mredo,                                    // menu items
};

inline constexpr int kControlCount = static_cast<int>(Control::Mredo) + 1;

// The control's name, which is also the objectName of its widget.
constexpr std::string_view ControlName(Control c) {
  constexpr std::string_view kNames[kControlCount] = {
      "Form1", "P", "D",   "C0",  "C1",  "C2",  "C3",  "C4",     "C5",     "C6",     "C7",
      "C8",  "CC8", "C9",  "C10", "C11", "C12", "C13",    "C14",    "C15",    "C16",
      "a1",  "a2",  "a3",  "a4",  "a5",  "cpp", "cqq",    "cdd",    "Check1", "Check2",
      "Check3", "Text1", "Text2", "Text3", "Mfile", "pbk", "Mundo", "Mredo"};
  return kNames[static_cast<int>(c)];
}

}  // namespace tova
