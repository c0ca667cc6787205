// The plot's fonts on Qt: the design's face names substituted by the IPA
// fonts, and a render::Font (cell height and average character width in
// device units) turned into a QFont for a paint device.
#pragma once

#include <QFont>
#include <QPaintDevice>

#include "render/target.h"

namespace platform {

// "ＭＳ Ｐ明朝" -> IPAPMincho, "ＭＳ Ｐゴシック" -> IPAPGothic. Safe to call again.
void InstallPlotFontSubstitutions();

// A QFont whose line height is font.height and whose average character
// width is font.width device pixels of `device`, weight 500. The escapement
// is not part of it: the painter turns the text.
QFont ToQFont(const render::Font& font, const QPaintDevice* device);

}  // namespace platform
