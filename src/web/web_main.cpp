// The program in the page: the page calls these functions for the events of its elements, then
// paints what the surfaces say has changed.
#include <emscripten.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/input.h"
#include "app/load_document.h"
#include "app/startup.h"
#include "app/stored_document.h"
#include "check/check_json.h"
#include "diagram/rendering.h"
#include "document/document_file.h"
#include "document/document_format.h"
#include "exercise/aids.h"
#include "exercise/exercise_file.h"
#include "exercise/exercise_pictures.h"
#include "exercise/object_panel.h"
#include "figures/json_text.h"
#include "history/recovery.h"
#include "history/undo.h"
#include "program/program.h"
#include "web/web_layout.h"
#include "web/web_shell.h"

namespace {

tova::WebShell shell;
std::unique_ptr<tova::Program> program;

// The exercise the page started on (ExerciseVars::started), to tell it from one opened later.
int startedOn = 0;
// The object panel whose picture's changes are kept by bands of rows (a panel is made when first
// shown).
const tova::ObjectPanel* trackedObject = nullptr;

// The surfaces by the page's box numbers: the canvas, the 3D view, the object panel's picture
// (none while the panel is not shown).
tova::Surface* SurfaceOf(int box) {
  if (box == 0 || box == 1) return box == 0 ? &program->P : &program->D;
  const tova::ExerciseVars& x = program->exercise;
  if (box != 2 || !x.object || !x.objectShown) return nullptr;
  tova::Surface& picture = x.object->program.D;
  if (trackedObject != x.object.get()) {
    picture.TrackDirtyBands();
    trackedObject = x.object.get();
  }
  return &picture;
}

std::string Number(double n) { return std::to_string(std::lround(n)); }

// What tova_changes found: the changed rectangles, and their pixels in the page's byte order.
std::vector<int> rects;
std::vector<uint32_t> staging;

}  // namespace

extern "C" {

// The window's layout, menus and tab order as JSON, for the page to build its elements from.
EMSCRIPTEN_KEEPALIVE const char* tova_layout() {
  static const std::string json = tova::LayoutJson();
  return json.c_str();
}

// Loads the window on `document` (a path in the page's file system).
EMSCRIPTEN_KEEPALIVE void tova_start(const char* document) {
  program = std::make_unique<tova::Program>(shell);
  program->P.TrackDirtyBands();
  program->D.TrackDirtyBands();
  tova::Form_Load(*program, document);
  startedOn = program->exercise.started;
}

// An event of the user's, as the page's layout names its kinds (InputKind): a pointer event on
// "P" or "D" at (x, y) from the box's outer corner with a button held or not, a click on a button
// or menu item, or a scroll bar moved (the page has its new position). Events that come before the
// program has started are not heard.
EMSCRIPTEN_KEEPALIVE void tova_input(int kind, const char* control, double x, double y, int held) {
  if (!program || kind < 0 || kind > static_cast<int>(tova::InputKind::Scroll)) return;
  tova::HandleInput(*program, {static_cast<tova::InputKind>(kind), control, x, y, held != 0});
}

// The drawing checked against the key document at `keyPath`, as JSON (SelfCheckJson); the page
// calls it only between events.
EMSCRIPTEN_KEEPALIVE const char* tova_check(const char* keyPath) {
  static std::string json;
  const std::optional<std::string> key = tova::ReadFilePrefix(keyPath, tova::kMaxDocumentBytes);
  json = !program ? "{\"error\":\"the program has not started\"}"
         : !key   ? "{\"error\":\"it cannot be read\"}"
                  : tova::SelfCheckJson(program->tables, *key);
  return json.c_str();
}

// 1 when the drawing differs from the document last read, started afresh or saved.

EMSCRIPTEN_KEEPALIVE int tova_changed() {
  return program && tova::DocumentChanged(*program) ? 1 : 0;
}

// The pixels of the rectangles tova_changes listed last, one after the other, each row after row
// in the page's byte order (R, G, B, A).
EMSCRIPTEN_KEEPALIVE const uint32_t* tova_changed_pixels() { return staging.data(); }

// Where tova_changes found the surface changed: left, top, right, bottom of each rectangle.
EMSCRIPTEN_KEEPALIVE const int* tova_change_rects() { return rects.data(); }

// Lists where a box's picture changed since the last call (0 the canvas as the user sees it,
// with an exercise's pictures under and over the drawing; 1 the 3D view; 2 the object panel), a
// rectangle for each band of rows that changed (bands that continue each other as wide make one),
// and puts their pixels in tova_changed_pixels. Returns how many.
EMSCRIPTEN_KEEPALIVE int tova_changes(int box) {
  staging.clear();
  rects.clear();
  tova::Surface* surface = program ? SurfaceOf(box) : nullptr;
  if (!surface) return 0;
  const bool composed = box == 0 && tova::CanvasHasLayers(*program);
  for (const tova::PixelRect& r : surface->TakeDirtyBands()) {
    if (r.Empty()) continue;
    const std::size_t at = staging.size();
    const int width = r.right - r.left;
    staging.resize(at + static_cast<std::size_t>(width) * (r.bottom - r.top));
    if (composed) {
      tova::ComposeCanvas(*program, r, staging.data() + at, width);
    } else {
      for (int y = r.top; y < r.bottom; ++y) {
        const uint32_t* row = surface->Bits() + static_cast<std::size_t>(y) * surface->Width();
        std::copy(row + r.left, row + r.right, staging.begin() + at + static_cast<std::size_t>(y - r.top) * width);
      }
    }
    std::transform(staging.begin() + at, staging.end(), staging.begin() + at, tova::SwapRedBlue);
    const std::size_t n = rects.size();
    if (n > 0 && rects[n - 4] == r.left && rects[n - 2] == r.right && rects[n - 1] == r.top) {
      rects[n - 1] = r.bottom;
    } else {
      rects.insert(rects.end(), {r.left, r.top, r.right, r.bottom});
    }
  }
  return static_cast<int>(rects.size() / 4);
}

// What the exercise bar shows, as JSON: null without an exercise, else {"title", "task", "aids":
// [the names of those offered], "checkWords", "objectShown", "used": [checks, wheres, peeks,
// objects], "usedWords" (UsedInWords), "seconds", "overlay": "none", "where" or "peek", "started": whether it is the
// exercise the page started on}.
EMSCRIPTEN_KEEPALIVE const char* tova_exercise() {
  static std::string json;
  const tova::ExerciseVars* x = program ? &program->exercise : nullptr;
  if (!x || !x->exercise) return "null";
  const tova::Exercise& e = *x->exercise;
  std::vector<std::string> aids;
  for (int i = 0; i < tova::kAidCount; ++i) {
    if (e.aids[i]) aids.push_back(tova::JsonQuoted(tova::AidName(static_cast<tova::Aid>(i))));
  }
  constexpr const char* kOverlays[] = {"\"none\"", "\"where\"", "\"peek\""};
  json = "{\"title\":" + tova::JsonQuoted(e.title) + ",\"task\":" + tova::JsonQuoted(e.task) +
         ",\"aids\":" + tova::JsonList(aids, [](const std::string& a) { return a; }) +
         ",\"checkWords\":" + tova::JsonQuoted(x->checkWords) + ",\"objectShown\":" +
         (x->objectShown ? "true" : "false") + ",\"used\":" + tova::JsonList(x->progress.used, Number) +
         ",\"usedWords\":" + tova::JsonQuoted(tova::UsedInWords(e, x->progress)) +
         ",\"seconds\":" + Number(x->progress.seconds) + ",\"overlay\":" +
         kOverlays[static_cast<int>(x->overlayKind)] + ",\"started\":" + (x->started == startedOn ? "true" : "false") + "}";
  return json.c_str();
}

// Ends a peek whose time is up; 1 when the canvas changed. The page calls it between events.
EMSCRIPTEN_KEEPALIVE int tova_expire_peek() { return program && tova::ExpirePeek(*program) ? 1 : 0; }

// What the page keeps of an exercise across a reload, as JSON: {"progress" (ProgressText),
// "drawing" (the drawing as a document)}.
EMSCRIPTEN_KEEPALIVE const char* tova_progress() {
  static std::string json;
  if (!program) return "null";
  json = "{\"progress\":" + tova::JsonQuoted(tova::ProgressText(program->exercise.progress)) +
         ",\"drawing\":" + tova::JsonQuoted(tova::FormatDocument(program->tables)) + "}";
  return json.c_str();
}

// Takes up an exercise where a reload left it: the progress and the drawing tova_progress gave,
// the drawing on the canvas and counted as stored. 0, and nothing changed, when either cannot be
// read or no exercise is open.
EMSCRIPTEN_KEEPALIVE int tova_restore(const char* progress, const char* drawing) {
  if (!program || !tova::ParseDocument(drawing) || !tova::RestoreProgress(*program, progress)) return 0;
  if (!tova::ReadDocumentText(*program, drawing)) return 0;
  tova::RepaintCanvas(*program);
  tova::NoteDocumentStored(*program);
  tova::BeginHistory(*program);  // undo goes back no further than the drawing taken up
  return 1;
}

// Offers the recovery copy the page found, `size` bytes at `copy` (OfferRecoveryCopy), asking first
// unless `ask` is 0. 1 when the copy's drawing now stands and the program keeps it as this tab's.
EMSCRIPTEN_KEEPALIVE int tova_offer_recovery(const char* copy, int size, int ask) {
  if (!program || size <= 0) return 0;
  return tova::OfferRecoveryCopy(*program, std::string_view(copy, static_cast<std::size_t>(size)), ask != 0) ? 1 : 0;
}

}  // extern "C"
