#include "app/startup.h"

#include <string>

#include "app/load_document.h"
#include "app/stored_document.h"
#include "diagram/rendering.h"
#include "document/document_file.h"
#include "history/undo.h"
#include "platform/message_box.h"
#include "program/commands.h"
#include "program/program.h"

namespace tova {

void Form_Load(Program& program, std::string_view document) {
  Shell& shell = program.shell;
  SetReadyCommands(program);
  shell.Show(Control::P, true);
  shell.Show(Control::D, false);
  shell.SetText(Control::Text3, " 0");
  shell.Enable(Control::CC8, false);

  ViewVars& view = program.view;
  view.viewTilt = 45;
  view.viewTurn = 45;
  view.viewSize = kStartViewSize;
  view.viewCentre = kStartViewCentre;
  view.viewStep = kStartViewStep;
  shell.Enable(Control::cpp, false);

  program.app.currentLineKind = kNone;
  FindVars& find = program.find;
  find.findMode = 0;
  find.findLocked = 0;
  find.foundUnit = kNone;
  find.foundRelation = kNone;
  view.lastDirection = 0;
  shell.SetValue(Control::Check1, 1);
  shell.SetValue(Control::Check2, 1);
  program.app.fileNumber = 1;

  // A missing or unreadable start-up document leaves the drawing empty: the user starts afresh.
  if (!LoadDocument(program, std::string(document))) {
    Notify(shell, kFileErrorMessage);
    ++program.app.fileNumber;
    program.canvas.markX = kNone;
    program.canvas.markY = kNone;
  } else {
    RepaintCanvas(program);
  }
  NoteDocumentStored(program);
  BeginHistory(program);
}

}  // namespace tova
