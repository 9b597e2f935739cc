#include "support/invariants.h"

#include <algorithm>

#include "diagram/rendering.h"
#include "document/document_format.h"
#include "history/undo.h"

namespace tova::testing {
namespace {

bool LiveLine(const Tables& t, int row) { return LineAt(t, row) && LineAt(t, row)->state == kRowLive; }
bool LiveCircle(const Tables& t, int row) { return CircleAt(t, row) && CircleAt(t, row)->state == kRowLive; }
bool LiveLineRef(const Tables& t, int16_t ref) { return !IsCircleRef(ref) && LiveLine(t, RefRow(ref)); }

bool LiveCircleUnitHolds(const Tables& t, int16_t circle) {
  const auto holds = [&](const UnitRecord& u) { return u.state == kRowLive && u.part0 == CircleRef(circle); };
  return std::ranges::any_of(t.unitTable, holds);
}

}  // namespace

std::optional<std::string> BrokenInvariant(const Program& program, const ScriptedShell& shell) {
  const Tables& t = program.tables;
  if (!UsedRowsFormAPrefix(t)) return "a used row after a never-used one";
  for (std::size_t i = 0; i < t.unitTable.size(); ++i) {
    const UnitRecord& u = t.unitTable[i];
    const bool main = IsCircleRef(u.part0) ? LiveCircle(t, RefRow(u.part0)) : LiveLineRef(t, u.part0);
    if (u.state == kRowLive && (!main || !LiveLineRef(t, u.part1) || !LiveLineRef(t, u.part2))) {
      return "live unit " + std::to_string(i) + " has a part that is not a live row";
    }
  }
  for (std::size_t i = 0; i < t.relationTable.size(); ++i) {
    const RelationRecord& r = t.relationTable[i];
    if (r.state != kRowLive) continue;
    if (!LiveLine(t, r.line0) || !LiveLine(t, r.line1) || !LiveLine(t, r.line2) || !LiveLine(t, r.line3)) {
      return "live relation " + std::to_string(i) + " has a line that is not live";
    }
    if (!LiveCircleUnitHolds(t, r.fromCircle) || !LiveCircleUnitHolds(t, r.toCircle)) {
      return "live relation " + std::to_string(i) + " joins a circle of no live unit";
    }
  }
  if (program.canvas.figureStage == kStageNone &&
      (t.pendingLines != decltype(t.pendingLines){} || t.pendingCircle != PendingCircle{})) {
    return "pending rows left with no figure under construction";
  }
  using C = Control;
  int ready = 0, off = 0;
  for (C c : {C::C0, C::C1, C::C2, C::C10, C::Mfile, C::C11, C::C8, C::C9, C::C6, C::C7, C::CC8}) {
    const bool on = shell.enabled(c).value_or(true);
    const bool editing = c == C::C8 || c == C::C9 || c == C::C6 || c == C::C7 || c == C::CC8;
    ready += on == (c != C::C6 && c != C::C7 && c != C::CC8);
    off += editing || !on;
  }
  if (ready != 11 && off != 11) return "the commands are in no state of their own";

  // Undo and Redo are usable exactly when they would do something, and the recovery copy is the
  // drawing whenever it differs from the document last read, started or saved.
  const HistoryVars& h = program.history;
  if (h.undo.size() > kHistorySteps) return "more steps kept than undo goes back";
  const bool twoD = program.view.viewShown == 0, drawing = ElementInProgress(program);
  if (shell.enabled(C::Mundo).value_or(true) != (twoD && (drawing || !h.undo.empty())) ||
      shell.enabled(C::Mredo).value_or(true) != (twoD && !drawing && !h.redo.empty())) {
    return "Undo or Redo greyed other than it can be used";
  }
  if (!h.ended) {
    const std::string document = FormatDocument(t);
    if (document == program.app.storedDocument ? !shell.recoveryCopy.empty()
                                               : !shell.recoveryCopy.starts_with(document + "Tova recovery")) {
      return "the recovery copy is not the drawing that differs from the one stored";
    }
  }

  // One program kept for the purpose: making its drawing surfaces costs more than a redraw.
  static ScriptedShell quiet;
  static Program fresh(quiet);
  fresh.tables = t;
  const int64_t before = fresh.P.ShapesDrawn();
  RedrawDiagram(fresh);
  int64_t live = 0;
  for (const LineRecord& l : t.lineTable) live += l.state == kRowLive;
  for (const CircleRecord& c : t.circleTable) live += c.state == kRowLive;
  if (fresh.P.ShapesDrawn() - before != live) return "a redraw drew other than the live rows";
  return std::nullopt;
}

}  // namespace tova::testing
