#include "platform/metafile_clip.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <QSvgRenderer>

#include "core/numbers.h"
#include "platform/painter_target.h"
#include "platform/screen_page.h"
#include "render/metafile_target.h"

namespace platform {

MetafileClip MetafileClipOf(const render::ScreenMetrics& screen, const core::DataState& d,
                            const core::LineSet& lines, const render::PlotControls& c) {
  MetafileClip clip;
  // The SVG is laid out as the metafile: one unit a twip, from the page's
  // corner to the metafile's window extent.
  const render::PageLayout page = render::MetaScl(screen);
  const QSize extent(page.metaExtX, page.metaExtY);
  QBuffer svgBytes(&clip.svg);
  QSvgGenerator svg;
  svg.setOutputDevice(&svgBytes);
  svg.setResolution(1440);
  svg.setSize(extent);
  svg.setViewBox(QRect(QPoint(0, 0), extent));
  svg.setTitle(QStringLiteral("Zentu"));
  render::MetafileExport meta;
  {
    QPainter painter(&svg);
    PainterTarget target(painter, &svg, page.unitPerMmX, page.unitPerMmY);
    QtScreenMeasurer measure(screen);
    meta = render::RecordMetafile(screen, d, lines, c, measure, &target);
  }
  const std::vector<uint8_t> wmf = render::PlaceableMetafile(meta);
  clip.wmf =
      QByteArray(reinterpret_cast<const char*>(wmf.data()), static_cast<qsizetype>(wmf.size()));

  clip.image = ScreenImage(
      static_cast<int>(core::RoundHalfEven(extent.width() / screen.twipsPerPixelX)),
      static_cast<int>(core::RoundHalfEven(extent.height() / screen.twipsPerPixelY)), screen);
  clip.image.fill(Qt::white);
  QSvgRenderer renderer(clip.svg);
  QPainter painter(&clip.image);
  renderer.render(&painter);
  return clip;
}

}  // namespace platform
