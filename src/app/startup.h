// Start-up: the controls and variables get their starting values and the start-up document is
// read and drawn: "Tova.ini" in the current working folder, or the drawing the program was
// started on.
#pragma once

#include <string_view>

namespace tova {

struct Program;

inline constexpr std::string_view kStartupDocument = "Tova.ini";

// Runs once when the window is loaded, before it is first shown.
void Form_Load(Program& program, std::string_view document = kStartupDocument);

}  // namespace tova
