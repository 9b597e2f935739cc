// Start-up: the controls and variables get their starting values and the start-up document
// "Tova.ini" in the current working folder is read and drawn.
#pragma once

#include <string_view>

namespace tova {

struct Program;

inline constexpr std::string_view kStartupDocument = "Tova.ini";

// Runs once when the window is loaded, before it is first shown.
void Form_Load(Program& program);

}  // namespace tova
