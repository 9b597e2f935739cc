#include "app/leaving.h"

#include "app/file_commands.h"
#include "history/recovery.h"
#include "platform/message_box.h"
#include "program/program.h"

namespace tova {

std::string FarewellText() {
  std::string text = "  THANK YOU USE THIS SYSTEM !   ";
  for (std::string_view line : kCredits) text += "\r\n  " + std::string(line) + "   ";
  return text;
}

bool LeavingSequence(Program& program) {
  Shell& shell = program.shell;
  if (Ask(shell, kSaveQuestion)) SaveDocument(program);
  if (!Ask(shell, kExitQuestion)) return false;
  EndRecovery(program);
  Notify(shell, FarewellText());
  shell.Beep();
  shell.Beep();
  return true;
}

void C11_Click(Program& program) {
  if (LeavingSequence(program)) program.shell.EndProgram();
}

}  // namespace tova
