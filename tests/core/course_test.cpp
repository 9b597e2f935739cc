// The site's course (samples/exercises/, drawn by scripts/draw-course.py): the key kept beside each
// exercise for teachers is the one it carries and gives views of, and a drawing it starts on is not.
#include <gtest/gtest.h>

#include <filesystem>

#include "check/comparison.h"
#include "document/document_format.h"
#include "exercise/exercise_file.h"
#include "support/test_program.h"

namespace tova {
namespace {

TEST(Course, EachExerciseCarriesItsKeyWhichAloneScoresFull) {
  const std::filesystem::path folder = TOVA_SOURCE_DIR "/samples/exercises";
  int exercises = 0;
  for (const auto& file : std::filesystem::directory_iterator(folder)) {
    if (file.path().extension() != ".exercise") continue;
    ++exercises;
    SCOPED_TRACE(file.path().filename().string());
    const ExerciseReading read = ReadExercise(testing::ReadAll(file.path()));
    ASSERT_TRUE(read.exercise) << read.reason;
    const Exercise& e = *read.exercise;
    EXPECT_FALSE(e.task.empty());
    const std::optional<Tables> key =
        ParseDocument(testing::ReadAll(folder / "keys" / (file.path().stem().string() + "-key.KRT")));
    ASSERT_TRUE(key && e.key);
    EXPECT_EQ(ParseDocument(*e.key), key);
    EXPECT_EQ(e.givenFigures, GivenFigures(*key, e.given));
    const CheckOptions options{e.tolerance, e.anywhere};
    EXPECT_EQ(CheckDrawing(*key, *key, options).score, 100);
    if (e.start) {
      EXPECT_LT(CheckDrawing(*key, ParseDocument(*e.start).value(), options).score, 100);
    }
  }
  EXPECT_GE(exercises, 8);
}

}  // namespace
}  // namespace tova
