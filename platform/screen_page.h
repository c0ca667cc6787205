// The picture area Picture1: the A4 page as a QImage at screen resolution,
// drawn through a ScreenCanvas while one drawing lasts; and the screen text
// measurement the metafile target takes its text widths from.
#pragma once

#include <QImage>
#include <QPainter>
#include <memory>

#include "platform/painter_target.h"
#include "render/metafile_target.h"
#include "render/page_layout.h"

namespace platform {

class ScreenPage {
 public:
  explicit ScreenPage(const render::ScreenMetrics& screen);
  // The whole page, white: Picture1 cleared.
  void Clear();
  const QImage& image() const { return image_; }
  QImage& image() { return image_; }
  // What the main window shows of the page: from the corner to 16 mm right
  // of the frame and 10 mm below it.
  QImage WindowPart(const render::PageLayout& page) const;
  const render::ScreenMetrics& metrics() const { return screen_; }

 private:
  render::ScreenMetrics screen_;
  QImage image_;
};

// Paints on a ScreenPage for as long as it lives.
class ScreenCanvas {
 public:
  ScreenCanvas(ScreenPage& page, const render::PageLayout& layout);
  render::Target& target() { return target_; }

 private:
  QPainter painter_;
  PainterTarget target_;
};

// Text extents in screen pixels, with the font of the given screen size.
class QtScreenMeasurer : public render::ScreenTextMeasurer {
 public:
  explicit QtScreenMeasurer(const render::ScreenMetrics& screen);
  render::TextSize MeasurePixels(const render::Font& font, const std::string& text) override;

 private:
  QImage device_;  // a small image carrying the screen's resolution
};

// An image whose resolution is the screen's: 1440 / twips per pixel dpi.
QImage ScreenImage(int width, int height, const render::ScreenMetrics& screen);

}  // namespace platform
