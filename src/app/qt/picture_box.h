// A picture box: shows a drawing surface inside a sunken border, and passes pointer events on
// in the surface's own coordinates.
#pragma once

#include <QFrame>
#include <QImage>
#include <QLine>
#include <QPointF>
#include <functional>
#include <vector>

namespace tova {

class Surface;

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

  std::function<void(QPointF)> onMouseDown;
  std::function<void(QPointF)> onMouseMove;
  std::function<void()> onDoubleClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QPointF SurfacePoint(const QMouseEvent* event) const;

  Surface& surface_;
  QImage image_;
  std::vector<QLine> overlay_;
};

}  // namespace tova
