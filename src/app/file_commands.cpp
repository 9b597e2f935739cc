#include "app/file_commands.h"

#include <optional>
#include <string>

#include "app/load_document.h"
#include "app/stored_document.h"
#include "diagram/rendering.h"
#include "document/document_file.h"
#include "document/document_format.h"
#include "history/undo.h"
#include "platform/message_box.h"
#include "program/commands.h"
#include "program/program.h"

namespace tova {

void C10_Click(Program& program) {
  if (Ask(program.shell, kSaveQuestion)) SaveDocument(program);
  if (Ask(program.shell, kNewQuestion)) NewDocument(program);
  if (Ask(program.shell, kOpenQuestion)) OpenDocument(program);
}

void Msave_Click(Program& program) {
  if (Ask(program.shell, kSaveQuestion)) SaveDocument(program);
}

void Mnew_Click(Program& program) {
  if (Ask(program.shell, kNewQuestion)) NewDocument(program);
}

void Mopen_Click(Program& program) {
  if (Ask(program.shell, kOpenQuestion)) OpenDocument(program);
}

void NewDocument(Program& program) {
  for (int16_t kind = kLineTable; kind <= kPendingLines; ++kind) ClearTable(program.tables, kind);
  ResetEditing(program);
  RepaintCanvas(program);
  NoteDocumentStored(program);
  BeginHistory(program);
}

void OpenDocument(Program& program) {
  for (;;) {
    const std::optional<std::string> path = program.shell.OpenFileDialog(kOpenFileField);
    if (!path) return;  // cancelled: nothing has changed
    // A document that cannot be read leaves the drawing as it was.
    if (LoadDocument(program, *path)) {
      RepaintCanvas(program);
      NoteDocumentStored(program);
      BeginHistory(program);
      return;
    }
    Notify(program.shell, kFileErrorMessage);
    ++program.app.fileNumber;
  }
}

void SaveDocument(Program& program) {
  for (;;) {
    const std::string path = program.shell.PromptText(kSavePrompt, kBoxTitle, kDefaultSavePath);
    if (path.empty()) return;  // an empty answer, or the prompt cancelled
    // The file is replaced whole or not at all: a failed save leaves the old one as it was.
    if (program.shell.SaveFile(path, FormatDocument(program.tables))) {
      NoteDocumentStored(program);
      return;
    }
    Notify(program.shell, kFileErrorMessage);
  }
}

}  // namespace tova
