// The Help menu: the user's guide, the page about the program, and the credits.
#pragma once

#include <string_view>

namespace tova {

struct Program;

inline constexpr std::string_view kHelpPage = "Help.htm";
inline constexpr std::string_view kAboutPage = "Malvo.htm";

void malvo_Click(Program& program);  // "Malvo": the page about the program
void hlp_Click(Program& program);    // "Help ?": the user's guide
void about_Click(Program& program);  // "About...": the credits

}  // namespace tova
