// "DEL": deleting the unit or relation locked in find mode, after a question. Deleting only
// marks rows deleted; the canvas is then painted afresh from the tables.
#pragma once

#include <cstdint>

namespace tova {

struct Program;

inline constexpr const char* kDeleteQuestion = "Are you sure to DEL this unite ?";
inline constexpr const char* kRelationFirstMessage = "You Must DEL THE RELATION At First !";

void CC8_Click(Program& program);
// Asks, deletes the found unit or relation, and forgets it unless it stays (Cancel, refusal).
void DeleteSelection(Program& program);
// Deletes a unit and its parts; true when it was refused because a live relation holds its
// circle.
[[nodiscard]] bool DeleteUnit(Program& program, int16_t unit);
void DeleteRelation(Program& program, int16_t relation);

}  // namespace tova
