#include "platform/screen_page.h"

#include <QFontMetricsF>
#include <QString>
#include <cmath>

#include "core/numbers.h"
#include "platform/plot_fonts.h"

namespace platform {

QImage ScreenImage(int width, int height, const render::ScreenMetrics& screen) {
  QImage image(width, height, QImage::Format_RGB32);
  // Dots per metre: 1440 twips per inch, 39.3700787 inches per metre.
  image.setDotsPerMeterX(static_cast<int>(std::lround(1440.0 / screen.twipsPerPixelX / 0.0254)));
  image.setDotsPerMeterY(static_cast<int>(std::lround(1440.0 / screen.twipsPerPixelY / 0.0254)));
  return image;
}

ScreenPage::ScreenPage(const render::ScreenMetrics& screen)
    : screen_(screen),
      image_(ScreenImage(
          static_cast<int>(core::RoundHalfEven(render::kPageWidthTwips / screen.twipsPerPixelX)),
          static_cast<int>(core::RoundHalfEven(render::kPageHeightTwips / screen.twipsPerPixelY)),
          screen)) {
  Clear();
}

void ScreenPage::Clear() { image_.fill(Qt::white); }

QImage ScreenPage::WindowPart(const render::PageLayout& page) const {
  const render::PageExtent fit = render::WindowFit(page);
  const int w = render::DeviceCoord(fit.width, page.pxPerMmX, image_.width());
  const int h = render::DeviceCoord(fit.height, page.pxPerMmY, image_.height());
  return image_.copy(0, 0, std::max(1, w), std::max(1, h));
}

ScreenCanvas::ScreenCanvas(ScreenPage& page, const render::PageLayout& layout)
    : painter_(&page.image()), target_(painter_, &page.image(), layout.pxPerMmX, layout.pxPerMmY) {}

QtScreenMeasurer::QtScreenMeasurer(const render::ScreenMetrics& screen)
    : device_(ScreenImage(8, 8, screen)) {}

render::TextSize QtScreenMeasurer::MeasurePixels(const render::Font& font,
                                                 const std::string& text) {
  render::Font screenFont = font;
  screenFont.height = font.screenHeight;
  screenFont.width = font.screenWidth;
  const QFontMetricsF fm(ToQFont(screenFont, &device_), &device_);
  return {fm.horizontalAdvance(QString::fromUtf8(text.c_str())), fm.height()};
}

}  // namespace platform
