#include "app/load_document.h"

#include <optional>

#include "document/document_file.h"
#include "document/document_format.h"
#include "exercise/aids.h"
#include "exercise/exercise_file.h"
#include "program/commands.h"
#include "program/program.h"

namespace tova {

bool LoadDocument(Program& program, const std::string& path) {
  const std::optional<std::string> text = ReadFilePrefix(path, kMaxDocumentBytes);
  return text && ReadDocumentText(program, *text);
}

bool ReadDocumentText(Program& program, std::string_view text) {
  ClearTable(program.tables, kPendingLines);
  ResetEditing(program);
  if (LooksLikeExercise(text)) {
    ExerciseReading exercise = ReadExercise(text);
    return exercise.exercise && StartExercise(program, std::move(*exercise.exercise));
  }
  const std::optional<Tables> read = ParseDocument(text);
  if (!read) return false;
  TakeDrawing(program.tables, *read);
  return true;
}

}  // namespace tova
