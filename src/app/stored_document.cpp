#include "app/stored_document.h"

#include "document/document_format.h"
#include "program/program.h"

namespace tova {

void NoteDocumentStored(Program& program) { program.app.storedDocument = FormatDocument(program.tables); }

bool DocumentChanged(const Program& program) {
  return FormatDocument(program.tables) != program.app.storedDocument;
}

}  // namespace tova
