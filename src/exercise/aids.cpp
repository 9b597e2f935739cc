#include "exercise/aids.h"

#include <charconv>
#include <cmath>
#include <map>

#include "check/difference_words.h"
#include "document/document_format.h"
#include "exercise/exercise_file.h"
#include "exercise/exercise_pictures.h"
#include "exercise/hand_in.h"
#include "exercise/object_panel.h"
#include "platform/message_box.h"
#include "program/program.h"
#include "view3d/navigation.h"

namespace tova {
namespace {

struct Noun {
  const char* one;
  const char* many;
};

// What a figure of an element is in its view, in a teacher's words.
Noun NounOf(const Element& e, const CanvasFigure& f) {
  if (e.kind == ElementKind::Line) return {"edge", "edges"};
  if (e.kind == ElementKind::Relation) return {"outline joining two circles", "outlines joining two circles"};
  if (f.kind == FigureKind::Line) return {"circle seen edge-on", "circles seen edge-on"};
  return f.kind == FigureKind::Arc ? Noun{"arc", "arcs"} : Noun{"circle", "circles"};
}

// For each view, how many of each thing are wrong in each way, in the order first met.
class ViewTally {
 public:
  void Add(const Element& e, const CanvasFigure& f, const char* how) {
    if (f.pane < 0 || f.pane > 2) return;
    const Noun noun = NounOf(e, f);
    std::vector<Entry>& view = views_[f.pane];
    for (Entry& entry : view) {
      if (entry.noun.one == noun.one && entry.how == how) {
        // One element shows one thing in a view once: a relation's joining lines are two in a view.
        if (entry.lastElement != &e) ++entry.count;
        entry.lastElement = &e;
        return;
      }
    }
    view.push_back({noun, how, 1, &e});
  }
  void AddAll(const Element& e, const char* how) {
    // A relation's circles are its units', judged with them.
    const uint8_t first = e.kind == ElementKind::Relation ? 2 : 0;
    for (uint8_t i = first; i < e.count; ++i) Add(e, e.figures[i], how);
  }
  std::string Words() const {
    static constexpr const char* kViews[] = {"Front view", "Top view", "Side view"};
    std::string text;
    for (int pane = 0; pane < 3; ++pane) {
      std::vector<std::string> parts;
      for (const Entry& entry : views_[pane]) {
        parts.push_back(std::to_string(entry.count) + " " + (entry.count == 1 ? entry.noun.one : entry.noun.many) +
                        " " + entry.how);
      }
      text += (text.empty() ? "" : "\n") + std::string(kViews[pane]) + ": " +
              (parts.empty() ? std::string("right") : Joined(parts, ", ")) + ".";
    }
    return text;
  }

 private:
  struct Entry {
    Noun noun;
    const char* how;
    int count;
    const Element* lastElement;
  };
  std::array<std::vector<Entry>, 3> views_;
};

void ClearOverlay(Program& program) {
  ExerciseVars& x = program.exercise;
  if (x.overlayKind == Overlay::None) return;
  x.overlay = {};
  x.overlayKind = Overlay::None;
  program.P.MarkAllChanged();
}

void ShowOverlay(Program& program, Image picture, Overlay kind) {
  program.exercise.overlay = std::move(picture);
  program.exercise.overlayKind = kind;
  program.P.MarkAllChanged();
}

void Count(Program& program, Aid aid) { ++program.exercise.progress.used[static_cast<int>(aid)]; }

void HandInNow(Program& program) {
  ExerciseVars& x = program.exercise;
  if (x.progress.student.empty()) {
    x.progress.student = program.shell.PromptText("Your name, for the hand-in:", kBoxTitle, "");
    if (x.progress.student.empty()) return;
  }
  const HandIn h{x.exercise->title, x.progress.student, x.progress};
  if (!program.shell.OfferFile(HandInFileName(h), FormatHandIn(program.tables, h))) return;
}

}  // namespace

std::string ViewStates(const CheckResult& r) {
  ViewTally tally;
  for (const Element& e : r.missing) tally.AddAll(e, "missing");
  for (const WrongKind& w : r.wrongKind) {
    for (const KindDifference& d : w.views) tally.Add(w.drawing, w.drawing.figures[d.figure], "of the wrong line kind");
  }
  for (const WrongSize& w : r.wrongSize) tally.AddAll(w.drawing, "of the wrong size");
  for (const Element& e : r.extra) tally.AddAll(e, "too many");
  const std::string placement = PlacementInWords(r);
  return (placement.empty() ? "" : placement + "\n") + tally.Words();
}

std::string CheckInWords(const Program& program) {
  const CheckResult result = CheckExercise(program);
  if (!result.elsewhere) return ViewStates(result);
  // An object drawn whole but elsewhere: where it stands, then how its views stand when moved
  // where the key has it, rather than every edge missing and every edge too many.
  const ExerciseVars& x = program.exercise;
  const CheckResult moved = CheckDrawing(*x.key, program.tables, {x.exercise->tolerance, true});
  return PlacementInWords(result) + "\nMoved there:\n" + ViewStates(CheckResult{.missing = moved.missing,
      .extra = moved.extra, .wrongKind = moved.wrongKind, .wrongSize = moved.wrongSize});
}

bool StartExercise(Program& program, Exercise exercise) {
  std::optional<Tables> key, start;
  if (exercise.key && !(key = ParseDocument(*exercise.key))) return false;
  if (exercise.start && !(start = ParseDocument(*exercise.start))) return false;
  ExerciseVars& x = program.exercise;
  x = ExerciseVars{.started = x.started + 1};
  x.key = std::move(key);
  if (!exercise.givenFigures.empty()) x.underlay = FiguresPicture(exercise.givenFigures, kGivenRgb);
  x.exercise = std::move(exercise);
  Tables& t = program.tables;
  for (int16_t kind = kLineTable; kind <= kRelationTable; ++kind) ClearTable(t, kind);
  if (start) {
    t.lineTable = start->lineTable;
    t.circleTable = start->circleTable;
    t.unitTable = start->unitTable;
    t.relationTable = start->relationTable;
  }
  program.P.MarkAllChanged();
  return true;
}

void EndExercise(Program& program) {
  program.exercise = ExerciseVars{.started = program.exercise.started + 1};
  program.P.MarkAllChanged();
}

CheckResult CheckExercise(const Program& program) {
  const ExerciseVars& x = program.exercise;
  if (!x.exercise || !x.key) return {};
  return CheckDrawing(*x.key, program.tables, {x.exercise->tolerance, x.exercise->anywhere});
}

bool HandleExerciseClick(Program& program, std::string_view control) {
  ExerciseVars& x = program.exercise;
  if (!x.exercise) return false;
  const auto offered = [&x](Aid aid) { return x.exercise->Offers(aid) && x.key.has_value(); };
  if (control == kCheckAid || control == kWhereAid) {
    const Aid aid = control == kCheckAid ? Aid::Check : Aid::Where;
    if (!offered(aid)) return true;
    x.checkWords = CheckInWords(program);
    if (aid == Aid::Where) ShowOverlay(program, DifferencesPicture(CheckExercise(program)), Overlay::Where);
    Count(program, aid);
  } else if (control == kPeekAid) {
    if (!offered(Aid::Peek)) return true;
    ShowOverlay(program, TablesPicture(*x.key, kPeekRgb), Overlay::Peek);
    x.peekEndsAt = program.shell.Clock() + kPeekSeconds;
    Count(program, Aid::Peek);
  } else if (control == kObjectAid) {
    if (!offered(Aid::Object)) return true;
    x.objectShown = !x.objectShown;
    if (!x.objectShown) return true;
    if (!x.object) x.object = MakeObjectPanel(*x.key);
    x.object->program.D.MarkAllChanged();
    Count(program, Aid::Object);
  } else if (control == kHandIn) {
    HandInNow(program);
  } else if (control.starts_with(kObjectTurn)) {
    const std::string_view code = control.substr(kObjectTurn.size());
    if (code.size() == 1 && code[0] >= '0' && code[0] <= '7' && x.object && x.objectShown) {
      StepView(x.object->program, static_cast<int16_t>(code[0] - '0'));
    }
  } else {
    return false;
  }
  return true;
}

void NoteUserAction(Program& program, bool isMove) {
  ExerciseVars& x = program.exercise;
  if (!x.exercise) return;
  const double now = program.shell.Clock();
  if (x.lastInputAt >= 0 && now > x.lastInputAt && now - x.lastInputAt <= kLongestWorkGap) {
    x.progress.seconds += now - x.lastInputAt;
  }
  x.lastInputAt = now;
  if (!isMove) ClearOverlay(program);
}

bool ExpirePeek(Program& program) {
  ExerciseVars& x = program.exercise;
  if (x.overlayKind != Overlay::Peek || program.shell.Clock() < x.peekEndsAt) return false;
  ClearOverlay(program);
  return true;
}

std::string UsedInWords(const Exercise& exercise, const ExerciseProgress& progress) {
  std::vector<std::string> used;
  for (const AidControl& a : kAidControls) {
    if (exercise.Offers(a.aid)) used.push_back(a.caption + (" " + std::to_string(progress.used[static_cast<int>(a.aid)])));
  }
  return used.empty() ? std::string() : "Used so far: " + Joined(used, ", ") + ".";
}

std::string ProgressText(const ExerciseProgress& p) {
  std::string text;
  for (int used : p.used) text += std::to_string(used) + ' ';
  return text + std::to_string(std::lround(p.seconds)) + ' ' + p.student;
}

bool RestoreProgress(Program& program, std::string_view text) {
  if (!program.exercise.exercise) return false;
  ExerciseProgress p;
  const char* at = text.data();
  const char* end = text.data() + text.size();
  for (int i = 0; i <= kAidCount; ++i) {
    long v = 0;
    const auto [next, ec] = std::from_chars(at, end, v);
    if (ec != std::errc() || v < 0 || v > (1 << 30) || next == end || *next != ' ') return false;
    if (i < kAidCount) {
      p.used[i] = static_cast<int>(v);
    } else {
      p.seconds = static_cast<double>(v);
    }
    at = next + 1;
  }
  p.student.assign(at, end);
  program.exercise.progress = std::move(p);
  return true;
}

}  // namespace tova
