#include "document/tables.h"

namespace tova {
namespace {

template <typename Row, std::size_t N>
int16_t FirstFreeRow(const std::array<Row, N>& rows, int16_t mode) {
  for (std::size_t i = 0; i < N; ++i) {
    const int16_t state = rows[i].state;
    if (state == kRowUnused || (mode != kEndOfUsedRange && state == kRowDeleted)) {
      return static_cast<int16_t>(i);
    }
  }
  return kNone;
}

template <typename Row, std::size_t N>
Row* RowAt(std::array<Row, N>& rows, int row) {
  return row >= 0 && static_cast<std::size_t>(row) < N ? &rows[static_cast<std::size_t>(row)] : nullptr;
}

}  // namespace

void ClearTable(Tables& tables, int16_t kind) {
  switch (kind) {
    case kLineTable: tables.lineTable.fill({}); break;
    case kCircleTable: tables.circleTable.fill({}); break;
    case kUnitTable: tables.unitTable.fill({}); break;
    case kRelationTable: tables.relationTable.fill({}); break;
    case kPendingLines: tables.pendingLines.fill({}); break;
    case kPendingCircle: tables.pendingCircle = {}; break;
    default: break;
  }
}

int16_t FindFreeRow(const Tables& tables, int16_t kind, int16_t mode) {
  switch (kind) {
    case kLineTable: return FirstFreeRow(tables.lineTable, mode);
    case kCircleTable: return FirstFreeRow(tables.circleTable, mode);
    case kUnitTable: return FirstFreeRow(tables.unitTable, mode);
    case kRelationTable: return FirstFreeRow(tables.relationTable, mode);
    default: return kNone;
  }
}

LineRecord* LineAt(Tables& tables, int row) { return RowAt(tables.lineTable, row); }
const LineRecord* LineAt(const Tables& tables, int row) {
  return RowAt(const_cast<Tables&>(tables).lineTable, row);
}
CircleRecord* CircleAt(Tables& tables, int row) { return RowAt(tables.circleTable, row); }
const CircleRecord* CircleAt(const Tables& tables, int row) {
  return RowAt(const_cast<Tables&>(tables).circleTable, row);
}

UnitRecord* UnitAt(Tables& tables, int row) { return RowAt(tables.unitTable, row); }
const UnitRecord* UnitAt(const Tables& tables, int row) {
  return RowAt(const_cast<Tables&>(tables).unitTable, row);
}
RelationRecord* RelationAt(Tables& tables, int row) { return RowAt(tables.relationTable, row); }
const RelationRecord* RelationAt(const Tables& tables, int row) {
  return RowAt(const_cast<Tables&>(tables).relationTable, row);
}

int16_t CircleHasRelation(const Tables& tables, int16_t c) {
  for (const RelationRecord& r : tables.relationTable) {
    if (r.state == kRowLive && (r.fromCircle == c || r.toCircle == c)) return 1;
  }
  return kNone;
}

bool SameDrawing(const Tables& a, const Tables& b) {
  return a.lineTable == b.lineTable && a.circleTable == b.circleTable && a.unitTable == b.unitTable &&
         a.relationTable == b.relationTable;
}

void TakeDrawing(Tables& to, const Tables& from) {
  to.lineTable = from.lineTable;
  to.circleTable = from.circleTable;
  to.unitTable = from.unitTable;
  to.relationTable = from.relationTable;
}

}  // namespace tova
