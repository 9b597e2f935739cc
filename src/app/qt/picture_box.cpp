#include "app/qt/picture_box.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "program/window_layout.h"

namespace tova {

PictureBox::PictureBox(Surface& surface, QWidget* parent)
    : QFrame(parent),
      surface_(surface),
      image_(reinterpret_cast<const uchar*>(surface.Bits()), surface.Width(), surface.Height(),
             surface.BytesPerLine(), QImage::Format_RGB32) {
  setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  setLineWidth(kPictureBorder);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::RefreshFromSurface() {
  PixelRect r = surface_.TakeDirtyRect();
  const bool layered = hasLayers && compose && hasLayers();
  if (layered != !composed_.isNull()) {
    composed_ = layered ? QImage(image_.size(), QImage::Format_RGB32) : QImage();
    // While layered, the box composes exactly the pixels that changed.
    surface_.TrackChangedPixels(layered);
    r = {0, 0, surface_.Width(), surface_.Height()};
  }
  r = {std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, surface_.Width()),
       std::min(r.bottom, surface_.Height())};
  if (layered) {
    const int stride = static_cast<int>(composed_.bytesPerLine() / 4);
    auto* out = reinterpret_cast<uint32_t*>(composed_.bits());
    Surface::ChangedPixels changed = surface_.TakeChangedPixels();
    if (changed.all) {
      r = {0, 0, surface_.Width(), surface_.Height()};
      compose(r, out, stride);
    } else {
      composePixels(changed.indices, out, stride);
    }
  }
  if (r.Empty()) return;
  update(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top).translated(contentsRect().topLeft()));
}

void PictureBox::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QPoint origin = contentsRect().topLeft();
  const QRect area = event->rect() & contentsRect();
  painter.drawImage(area, composed_.isNull() ? image_ : composed_, area.translated(-origin));
  if (!overlay_.empty()) {
    painter.setClipRect(contentsRect());
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    for (const QLine& line : overlay_) painter.drawLine(line.translated(origin));
  }
  painter.setClipping(false);
  drawFrame(&painter);
}

void PictureBox::Pass(InputKind kind, const QMouseEvent* event) {
  // While a button is held the box keeps the pointer (Qt's implicit grab), so moves come here
  // wherever it goes.
  if (onPointer) onPointer(kind, event->position(), event->buttons() != Qt::NoButton);
}

void PictureBox::mousePressEvent(QMouseEvent* event) { Pass(InputKind::Down, event); }
void PictureBox::mouseMoveEvent(QMouseEvent* event) { Pass(InputKind::Move, event); }
// The second press of a double click is a double click only, not another press.
void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) { Pass(InputKind::DoubleClick, event); }

}  // namespace tova
