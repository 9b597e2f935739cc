#include "support/invariants.h"

#include "diagram/rendering.h"
#include "support/table_checks.h"

namespace tova::testing {
namespace {

bool LiveLine(const Tables& t, int row) {
  const LineRecord* l = LineAt(t, row);
  return l != nullptr && l->state == kRowLive;
}

bool LiveLineRef(const Tables& t, int16_t ref) { return !IsCircleRef(ref) && LiveLine(t, RefRow(ref)); }

bool LiveCircleUnitHolds(const Tables& t, int16_t circle) {
  for (const UnitRecord& u : t.unitTable) {
    if (u.state == kRowLive && u.part0 == CircleRef(circle)) return true;
  }
  return false;
}

bool On(const ScriptedShell& shell, Control c) { return shell.enabled(c).value_or(true); }

}  // namespace

std::optional<std::string> BrokenInvariant(const Program& program, const ScriptedShell& shell) {
  const Tables& t = program.tables;
  if (!UsedRowsFormAPrefix(t)) {
    return "a used row after a never-used one";
  }
  for (std::size_t i = 0; i < t.unitTable.size(); ++i) {
    const UnitRecord& u = t.unitTable[i];
    if (u.state != kRowLive) continue;
    const bool main = IsCircleRef(u.part0)
                          ? CircleAt(t, RefRow(u.part0)) && CircleAt(t, RefRow(u.part0))->state == kRowLive
                          : LiveLineRef(t, u.part0);
    if (!main || !LiveLineRef(t, u.part1) || !LiveLineRef(t, u.part2)) {
      return "live unit " + std::to_string(i) + " has a part that is not a live row";
    }
  }
  for (std::size_t i = 0; i < t.relationTable.size(); ++i) {
    const RelationRecord& r = t.relationTable[i];
    if (r.state != kRowLive) continue;
    if (!LiveLine(t, r.line0) || !LiveLine(t, r.line1) || !LiveLine(t, r.line2) ||
        !LiveLine(t, r.line3)) {
      return "live relation " + std::to_string(i) + " has a line that is not live";
    }
    if (!LiveCircleUnitHolds(t, r.fromCircle) || !LiveCircleUnitHolds(t, r.toCircle)) {
      return "live relation " + std::to_string(i) + " joins a circle of no live unit";
    }
  }
  if (program.canvas.figureStage == 0 &&
      (t.pendingLines != decltype(t.pendingLines){} || t.pendingCircle != PendingCircle{})) {
    return "pending rows left with no figure under construction";
  }
  const bool ready = On(shell, Control::C0) && On(shell, Control::C1) && On(shell, Control::C2) &&
                     On(shell, Control::C10) && On(shell, Control::Mfile) && On(shell, Control::C11) &&
                     On(shell, Control::C8) && On(shell, Control::C9) && !On(shell, Control::C6) &&
                     !On(shell, Control::C7) && !On(shell, Control::CC8);
  const bool off = !On(shell, Control::C0) && !On(shell, Control::C1) && !On(shell, Control::C2) &&
                   !On(shell, Control::C10) && !On(shell, Control::Mfile) && !On(shell, Control::C11);
  if (!ready && !off) {
    std::string flags;
    for (Control c : {Control::C0, Control::C1, Control::C2, Control::C6, Control::C7, Control::C8,
                      Control::CC8, Control::C9, Control::C10, Control::Mfile, Control::C11}) {
      flags += std::string(ControlName(c)) + (On(shell, c) ? "+ " : "- ");
    }
    return "the commands are in no state of their own: " + flags;
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
