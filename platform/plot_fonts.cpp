#include "platform/plot_fonts.h"

#include <QFontMetricsF>
#include <QString>
#include <QStringList>
#include <cmath>

namespace platform {

void InstallPlotFontSubstitutions() {
  static const bool done = [] {
    QFont::insertSubstitutions(QString::fromUtf8("ＭＳ Ｐ明朝"),
                               {QStringLiteral("IPAPMincho"), QStringLiteral("IPA P明朝")});
    QFont::insertSubstitutions(QString::fromUtf8("ＭＳ Ｐゴシック"),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック")});
    return true;
  }();
  (void)done;
}

QFont ToQFont(const render::Font& font, const QPaintDevice* device) {
  InstallPlotFontSubstitutions();
  QFont f(QString::fromUtf8(font.face.c_str()));
  f.setWeight(static_cast<QFont::Weight>(font.weight));
  f.setStyleStrategy(QFont::PreferMatch);
  const int height = std::max(1, font.height);
  f.setPixelSize(height);
  // The requested height is the whole cell (ascent + descent), as the plot's
  // font rule means it; Qt's pixel size is the em, so scale by the ratio.
  const QFontMetricsF first(f, const_cast<QPaintDevice*>(device));
  if (first.height() > 0) {
    const int pixels = static_cast<int>(std::lround(height * height / first.height()));
    f.setPixelSize(std::max(1, pixels));
  }
  const QFontMetricsF fitted(f, const_cast<QPaintDevice*>(device));
  const double average = fitted.averageCharWidth();
  if (font.width > 0 && average > 0) {
    const int stretch = static_cast<int>(std::lround(100.0 * font.width / average));
    f.setStretch(std::clamp(stretch, 1, 4000));
  }
  return f;
}

}  // namespace platform
