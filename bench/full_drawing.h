// Full tables: every line row live (edges of about 100 pixels), 21 full circles of radius up to
// 100, 101 units (21 of them circle units, as long to draw as they can be) and 21 relations
// between full circles (12 lines each).
#pragma once

#include "document/tables.h"

namespace tova::bench {

inline Tables FullDrawing() {
  Tables t;
  for (std::size_t i = 0; i < t.lineTable.size(); ++i) {
    // Edges of about 100 pixels all over the three views, in all three line kinds.
    const auto x = static_cast<int16_t>(10 + (i * 7) % 120 + (i % 3 == 2 ? 216 : 0));
    const auto y = static_cast<int16_t>(10 + (i * 13) % 150 + (i % 3 == 1 ? 216 : 0));
    t.lineTable[i] = {x, y, static_cast<int16_t>(x + 90), static_cast<int16_t>(y + 45),
                      static_cast<int16_t>(i % 3), kRowLive};
  }
  for (std::size_t i = 0; i < t.circleTable.size(); ++i) {
    const auto r = static_cast<int16_t>(20 + i * 4);
    t.circleTable[i] = {110, static_cast<int16_t>(110 + (i % 2) * 200), r, 0, 359, 0, kRowLive};
  }
  for (std::size_t i = 0; i < t.unitTable.size(); ++i) {
    const auto row = static_cast<int16_t>(i);
    t.unitTable[i] = {i < 21 ? CircleRef(row) : LineRef(row), LineRef(static_cast<int16_t>(100 + i)),
                      LineRef(static_cast<int16_t>(200 + i % 100)), kRowLive};
  }
  for (std::size_t i = 0; i < t.relationTable.size(); ++i) {
    t.relationTable[i] = {static_cast<int16_t>(i), static_cast<int16_t>(i + 1), static_cast<int16_t>(i + 2),
                          static_cast<int16_t>(i + 3), static_cast<int16_t>(i),
                          static_cast<int16_t>((i + 1) % 21), 100, 101, kRowLive};
  }
  return t;
}

}  // namespace tova::bench
