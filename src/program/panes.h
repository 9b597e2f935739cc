// The canvas's three panes, three orthographic views of one figure: pane 0 the front view (top
// left), pane 1 the top view (below it), pane 2 the side view (to its right). They meet at
// (215, 215); the bottom-right quarter belongs to no pane.
#pragma once

#include <cstdint>

namespace tova {

inline constexpr int16_t kPaneEdge = 215;    // last coordinate of pane 0 either way
inline constexpr int16_t kPaneFarY = 440;    // last y of pane 1
inline constexpr int16_t kPaneFarX = 450;    // last x of pane 2

struct CanvasPoint {
  int16_t x = 0;
  int16_t y = 0;
  friend bool operator==(const CanvasPoint&, const CanvasPoint&) = default;
};

constexpr bool IsPane(int16_t pane) { return pane >= 0 && pane <= 2; }

// The pane holding (x, y): 0, 1, 2, or -1 for none.
[[nodiscard]] int16_t PaneAt(int16_t x, int16_t y);

// The point moved into the pane (onto 215 where it lies beyond the pane's inner edge); any
// other pane leaves it as it is.
[[nodiscard]] CanvasPoint ClampToPane(int16_t pane, CanvasPoint point);

// The floor of the distance between two points of the canvas.
[[nodiscard]] int16_t Distance(int16_t x1, int16_t y1, int16_t x2, int16_t y2);

}  // namespace tova
