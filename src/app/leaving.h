// Leaving the program, by "EXIT" or by closing the window: an offer to save, a question, and a
// farewell.
#pragma once

#include <string>
#include <string_view>

namespace tova {

struct Program;

inline constexpr std::string_view kExitQuestion = "Are You Sure To EXIT This System!!! ";

// The three lines of credits, shown by "About..." and in the farewell box.
inline constexpr std::string_view kCredits[] = {
    "Tova: three views and the wire-frame they describe",
    "Made by the Tova team, for engineering drawing",
    "Version 0.1, 2026",
};

// The farewell box's text: a thank-you line, then the credits, each padded.
std::string FarewellText();

// Runs the leaving sequence; true when the user confirmed and the program is to end.
[[nodiscard]] bool LeavingSequence(Program& program);

// "EXIT": the leaving sequence, then the end of the program when it was confirmed.
void C11_Click(Program& program);

}  // namespace tova
