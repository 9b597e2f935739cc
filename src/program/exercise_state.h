// An exercise the user is doing: what it asks, what it gives and offers, the aids used so far and
// what they show. Plain data; the exercise layer reads and changes it.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/tables.h"
#include "platform/surface.h"

namespace tova {

struct ObjectPanel;  // exercise/object_panel.h

// The help an exercise may offer, in the order of its ladder.
enum class Aid : uint8_t { Check, Where, Peek, Object };
inline constexpr int kAidCount = 4;

// A figure of a given view, drawn as the canvas draws a row: a line, or a circle or arc (the full
// circle when it runs from 0 to 359 degrees).
struct GivenFigure {
  bool circle = false;
  int16_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // a line's ends
  int16_t cx = 0, cy = 0, radius = 0, startDeg = 0, endDeg = 0;
  int16_t lineKind = 0;
  friend bool operator==(const GivenFigure&, const GivenFigure&) = default;
};

struct Exercise {
  std::string title;
  std::string task;                   // lines separated by '\n'
  std::array<bool, 3> given{};        // front, top, side
  std::array<bool, kAidCount> aids{};  // by Aid
  double tolerance = 2;
  bool anywhere = false;              // the object may stand anywhere on the canvas
  std::vector<GivenFigure> givenFigures;
  std::optional<std::string> key;     // the key's document, carried only for aids that need it
  std::optional<std::string> start;   // the drawing to start on; an empty one without it

  bool Offers(Aid aid) const { return aids[static_cast<int>(aid)]; }
  friend bool operator==(const Exercise&, const Exercise&) = default;
};

// What an aid lays over the canvas until the user's next action (a peek ends sooner).
enum class Overlay : uint8_t { None, Where, Peek };

// The student's work on the exercise so far: kept across a reload of the page.
struct ExerciseProgress {
  std::array<int, kAidCount> used{};  // how many times each aid was used
  double seconds = 0;                 // time spent working, pauses of over 5 minutes left out
  std::string student;                // asked once, at the first hand-in
  friend bool operator==(const ExerciseProgress&, const ExerciseProgress&) = default;
};

struct ExerciseVars {
  std::optional<Exercise> exercise;  // none: the window is as it always was
  int started = 0;                   // exercises started or ended so far: tells one from the next
  std::optional<Tables> key;         // the key's tables, when the exercise carries them
  ExerciseProgress progress;
  double lastInputAt = -1;           // the shell's clock at the last event, -1 before the first

  Image underlay;  // the given views, canvas-sized; 0 (transparent) where nothing is given
  Image overlay;   // what an aid lays over the canvas; 0 where it shows nothing
  Overlay overlayKind = Overlay::None;
  double peekEndsAt = 0;
  std::string checkWords;  // the last check's verdict, view by view

  // The key's model turned as the 3D view turns, once "The object" is asked for.
  std::shared_ptr<ObjectPanel> object;
  bool objectShown = false;
};

}  // namespace tova
