#include "diagram/deletion.h"

#include "diagram/rendering.h"
#include "platform/message_box.h"
#include "program/program.h"

namespace tova {
namespace {

void MarkLineDeleted(Tables& t, int row) {
  if (LineRecord* l = LineAt(t, row)) l->state = kRowDeleted;
}

}  // namespace

void CC8_Click(Program& program) {
  if (program.find.findMode == 1 && program.find.findLocked == 1) DeleteSelection(program);
  program.shell.Enable(Control::CC8, false);
}

void DeleteSelection(Program& program) {
  FindVars& f = program.find;
  f.findLocked = 0;
  bool keep = true;
  if (Ask(program.shell, kDeleteQuestion)) {
    keep = false;
    if (f.foundUnit != kNone) keep = DeleteUnit(program, f.foundUnit);
    if (f.foundRelation != kNone) DeleteRelation(program, f.foundRelation);
  }
  if (!keep) {
    f.foundUnit = kNone;
    f.foundRelation = kNone;
  }
  program.shell.Enable(Control::C8, true);
}

bool DeleteUnit(Program& program, int16_t unit) {
  Tables& t = program.tables;
  UnitRecord* u = UnitAt(t, unit);
  if (u == nullptr) return false;
  if (IsCircleRef(u->part0)) {
    const int16_t c = RefRow(u->part0);
    if (CircleHasRelation(program.tables, c) == 1) {
      program.shell.MessageBox(kRelationFirstMessage, kBoxTitle, Buttons::OkCancel,
                               Icon::Exclamation);
      return true;
    }
    if (CircleRecord* circle = CircleAt(t, c)) circle->state = kRowDeleted;
  } else {
    MarkLineDeleted(t, RefRow(u->part0));
  }
  MarkLineDeleted(t, RefRow(u->part1));
  MarkLineDeleted(t, RefRow(u->part2));
  RepaintCanvas(program);
  u->state = kRowDeleted;
  return false;
}

void DeleteRelation(Program& program, int16_t relation) {
  Tables& t = program.tables;
  RelationRecord* r = RelationAt(t, relation);
  if (r == nullptr) return;
  for (int16_t line : {r->line0, r->line1, r->line2, r->line3}) MarkLineDeleted(t, line);
  r->state = kRowDeleted;
  RepaintCanvas(program);
}

}  // namespace tova
