#include "app/help.h"

#include <string>

#include "app/leaving.h"
#include "platform/message_box.h"
#include "program/program.h"

namespace tova {
namespace {

void OpenPage(Program& program, std::string_view page) {
  program.shell.OpenHelpPage(program.shell.ProgramFolder() + "/" + std::string(page));
}

}  // namespace

void malvo_Click(Program& program) { OpenPage(program, kAboutPage); }
void hlp_Click(Program& program) { OpenPage(program, kHelpPage); }

void about_Click(Program& program) {
  std::string text;
  for (std::string_view line : kCredits) {
    if (!text.empty()) text += "\r\n";
    text += line;
  }
  Notify(program.shell, text);
}

}  // namespace tova
