// The metafile export in the forms that desktop programs paste: the
// metafile recorded by the metafile target (render/metafile_target.h), and
// the same plot, drawn in the same pass on the same page, as SVG and as a
// picture.
#pragma once

#include <QByteArray>
#include <QImage>

#include "core/data_state.h"
#include "core/line_file.h"
#include "render/page_layout.h"
#include "render/plot.h"

namespace platform {

inline constexpr const char* kWmfMime = "image/x-wmf";
inline constexpr const char* kSvgMime = "image/svg+xml";
inline constexpr const char* kPngMime = "image/png";

struct MetafileClip {
  QByteArray wmf;  // the placeable metafile, as a .wmf file holds it
  QByteArray svg;  // the metafile's page (9354 x 8220 twips) in SVG
  QImage image;    // that page at screen resolution, on white
};

// MetaScl, MetaPntDrw, MetaFrmDrw and MetaLinDrw (when the lines are on),
// recorded as the metafile and drawn as SVG at once; the picture is the SVG
// drawn at the screen's resolution.
MetafileClip MetafileClipOf(const render::ScreenMetrics& screen, const core::DataState& d,
                            const core::LineSet& lines, const render::PlotControls& c);

}  // namespace platform
