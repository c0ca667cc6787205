#include "app/picture_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/region_mouse.h"
#include "render/page_layout.h"

namespace app {

int MouseButtonBits(Qt::MouseButtons buttons) {
  return (buttons & Qt::LeftButton ? kLeftButton : 0) |
         (buttons & Qt::RightButton ? kRightButton : 0) |
         (buttons & Qt::MiddleButton ? kMiddleButton : 0);
}

PictureView::PictureView(platform::ScreenPage& page, QWidget* parent)
    : QWidget(parent), page_(page) {
  setFixedSize(page_.image().size());
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(false);
}

void PictureView::Freeze() {
  frozen_ = page_.image().copy();
  isFrozen_ = true;
}

void PictureView::Thaw() {
  isFrozen_ = false;
  frozen_ = QImage();
  update();
}

QPointF PictureView::ToMm(const QPointF& pixel) const {
  const render::ScreenMetrics& s = page_.metrics();
  return {pixel.x() * s.twipsPerPixelX / render::kTwipsPerMm,
          pixel.y() * s.twipsPerPixelY / render::kTwipsPerMm};
}

void PictureView::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.drawImage(event->rect(), isFrozen_ ? frozen_ : page_.image(), event->rect());
}

void PictureView::mousePressEvent(QMouseEvent* event) {
  const QPointF mm = ToMm(event->position());
  emit Pressed(mm.x(), mm.y());
}

void PictureView::mouseMoveEvent(QMouseEvent* event) {
  const QPointF mm = ToMm(event->position());
  emit Moved(MouseButtonBits(event->buttons()), mm.x(), mm.y());
}

void PictureView::mouseReleaseEvent(QMouseEvent* event) {
  const QPointF mm = ToMm(event->position());
  emit Released(mm.x(), mm.y());
}

}  // namespace app
