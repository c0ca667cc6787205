// Picture1: the A4 page image of the screen plot, shown at screen
// resolution, with the mouse reported in page millimetres. While a command
// draws on the page from another thread the view shows the picture as it
// was when the command started, so that painting never reads a page that
// is being drawn.
#pragma once

#include <QImage>
#include <QWidget>

#include "platform/screen_page.h"

namespace app {

// The buttons held as app::MouseButton bits.
int MouseButtonBits(Qt::MouseButtons buttons);

class PictureView : public QWidget {
  Q_OBJECT
 public:
  PictureView(platform::ScreenPage& page, QWidget* parent = nullptr);
  QSize sizeHint() const override { return page_.image().size(); }
  // Holds the picture as it is now until Thaw.
  void Freeze();
  void Thaw();
  // Page millimetres of a pixel position.
  QPointF ToMm(const QPointF& pixel) const;

 signals:
  void Pressed(double xMm, double yMm);
  // `buttons`: the buttons held, as app::MouseButton bits.
  void Moved(int buttons, double xMm, double yMm);
  void Released(double xMm, double yMm);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  platform::ScreenPage& page_;
  QImage frozen_;
  bool isFrozen_ = false;
};

}  // namespace app
