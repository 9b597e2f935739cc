// The two kinds of box the program shows: a question with OK and Cancel, and a notice with OK.
// Every box carries the title "Malvo".
#pragma once

#include <string_view>

#include "platform/shell.h"

namespace tova {

inline constexpr std::string_view kBoxTitle = "Malvo";

// True when the user answers OK.
[[nodiscard]] inline bool Ask(Shell& shell, std::string_view question) {
  return shell.MessageBox(question, kBoxTitle, Buttons::OkCancel, Icon::Question) == Answer::Ok;
}

inline void Notify(Shell& shell, std::string_view text) {
  shell.MessageBox(text, kBoxTitle, Buttons::Ok, Icon::Exclamation);
}

}  // namespace tova
