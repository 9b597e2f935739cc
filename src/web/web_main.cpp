// The program in the page: the page calls these functions for the events of its elements, then
// paints what the surfaces say has changed.
#include <emscripten.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/input.h"
#include "app/startup.h"
#include "app/stored_document.h"
#include "check/check_json.h"
#include "document/document_file.h"
#include "program/program.h"
#include "web/web_layout.h"
#include "web/web_shell.h"

namespace {

tova::WebShell shell;
std::unique_ptr<tova::Program> program;

tova::Surface& SurfaceOf(int box) { return box == 0 ? program->P : program->D; }

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

// Lists where the surface changed since the last call, a rectangle for each band of rows that
// changed (bands that continue each other as wide make one), and puts their pixels in
// tova_changed_pixels. Returns how many.
EMSCRIPTEN_KEEPALIVE int tova_changes(int box) {
  staging.clear();
  rects.clear();
  if (!program) return 0;
  tova::Surface& surface = SurfaceOf(box);
  for (const tova::PixelRect& r : surface.TakeDirtyBands()) {
    if (r.Empty()) continue;
    for (int y = r.top; y < r.bottom; ++y) {
      const uint32_t* row = surface.Bits() + static_cast<std::size_t>(y) * surface.Width();
      std::transform(row + r.left, row + r.right, std::back_inserter(staging), tova::SwapRedBlue);
    }
    const std::size_t n = rects.size();
    if (n > 0 && rects[n - 4] == r.left && rects[n - 2] == r.right && rects[n - 1] == r.top) {
      rects[n - 1] = r.bottom;
    } else {
      rects.insert(rects.end(), {r.left, r.top, r.right, r.bottom});
    }
  }
  return static_cast<int>(rects.size() / 4);
}

}  // extern "C"
