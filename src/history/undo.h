// Undo and redo of every change to the stored drawing: a unit or relation stored or deleted. A
// step is the drawing as it was before one event changed it; Open, New, the start and a restored
// drawing begin a new history.
#pragma once

#include "document/tables.h"

namespace tova {

struct Program;

// Forgets every step: the drawing as it stands is where undo stops.
void BeginHistory(Program& program);

// True while a figure is being drawn and not yet stored.
[[nodiscard]] bool ElementInProgress(const Program& program);

// After an event that may have changed the drawing, given the tables and the history's revision
// as they were before it: a change becomes a step (and forgets what was undone), unless the event
// began a history of its own or went back and forth through this one.
void NoteDrawingChange(Program& program, const Tables& before, uint64_t revisionBefore);

// "Undo": abandons the figure being drawn, as "<===" does; with none, takes the drawing back to
// before its last change. Nothing while the 3D view is shown or there is nothing to undo.
void Mundo_Click(Program& program);
// "Redo": makes the last change undone again. Nothing while a figure is being drawn, while the
// 3D view is shown or when nothing was undone.
void Mredo_Click(Program& program);

// Greys Undo and Redo, or makes them usable, as the state now allows; tells the shell only what
// changed since it was last told.
void ShowHistoryCommands(Program& program);

}  // namespace tova
