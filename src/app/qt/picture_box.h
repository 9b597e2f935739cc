// A picture box: shows a drawing surface inside a sunken border, and passes the pointer's events
// on as they come, from its outer corner and with the button state: the program decides what the
// border and a held button mean. Where the picture shown is more than the surface (the canvas
// with an exercise's given views under it), the box composes it into a picture of its own.
#pragma once

#include <QFrame>
#include <QImage>
#include <QLine>
#include <QPointF>
#include <functional>
#include <span>
#include <vector>

#include "app/input.h"
#include "platform/surface.h"

namespace tova {

class PictureBox : public QFrame {
  Q_OBJECT

 public:
  PictureBox(Surface& surface, QWidget* parent);

  // Lines drawn over the picture, in surface coordinates (the canvas's pane dividers).
  void SetOverlayLines(std::vector<QLine> lines) { overlay_ = std::move(lines); }
  // Repaints what the surface changed since the last call.
  void RefreshFromSurface();
  // The surface's pixels, shared, not copied.
  const QImage& image() const { return image_; }

  // While `hasLayers` says so, the box shows what `compose` writes for each changed rectangle of
  // the surface (row after row, `stride` pixels apart); else the surface itself.
  std::function<bool()> hasLayers;
  std::function<void(PixelRect, uint32_t* out, int stride)> compose;
  // The same for the listed pixels only, `out` laid as the whole surface.
  std::function<void(std::span<const int>, uint32_t* out, int stride)> composePixels;

  // Down, Move or DoubleClick; where, from the box's outer corner; a button held.
  std::function<void(InputKind, QPointF, bool)> onPointer;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void Pass(InputKind kind, const QMouseEvent* event);

  Surface& surface_;
  QImage image_;
  QImage composed_;  // null while the surface is shown as it is
  std::vector<QLine> overlay_;
};

}  // namespace tova
