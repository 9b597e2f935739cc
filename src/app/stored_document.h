// Whether the drawing differs from the document last read, started or saved: what the page asks
// before it lets its tab close.
#pragma once

namespace tova {

struct Program;

// The drawing as it stands is what was last read, started afresh or saved.
void NoteDocumentStored(Program& program);

// True when the document tables differ from the document last read, started or saved (a new
// drawing counts as changed once anything is drawn in it).
[[nodiscard]] bool DocumentChanged(const Program& program);

}  // namespace tova
