// Page layouts of the three targets, the font rule, the colour scale and the
// number masks of axes and meter.
#include <gtest/gtest.h>

#include "core/numbers.h"
#include "render/colour_scale.h"
#include "render/page_layout.h"
#include "render/plot.h"

namespace render {
namespace {

TEST(Scl, FramesAndSizeFactorOfEverySize) {
  const struct {
    PlotSize size;
    double right, bottom, factor;
    const char* caption;
  } cases[] = {{PlotSize::A, 150, 135, 130.0 / 110, "サイズ Ａ"},
               {PlotSize::B, 140, 125, 120.0 / 110, "サイズ Ｂ"},
               {PlotSize::C, 130, 115, 1, "サイズ Ｃ"}};
  for (const auto& c : cases) {
    const PageLayout p = Scl(c.size, ScreenMetrics{15, 15});
    EXPECT_EQ(p.plotLeft, 20);
    EXPECT_EQ(p.plotTop, 5);
    EXPECT_EQ(p.plotRight, c.right) << c.caption;
    EXPECT_EQ(p.plotBottom, c.bottom) << c.caption;
    EXPECT_EQ(p.sizeFactor, static_cast<float>(c.factor)) << c.caption;
    EXPECT_EQ(PlotSizeFromCaption(c.caption), c.size);
    EXPECT_DOUBLE_EQ(p.pxPerMmX, 3.779527333333333);
    EXPECT_EQ(WindowFit(p).width, c.right + 16);
    EXPECT_EQ(WindowFit(p).height, c.bottom + 10);
  }
  EXPECT_EQ(PlotSizeFromCaption("サイズ D"), std::nullopt);
}

TEST(Scl, SizeButtonCyclesAndStoresTheNextLetter) {
  PlotSize s = PlotSize::A;
  std::string stored;
  for (int k = 0; k < 3; ++k) {
    s = NextPlotSize(s);
    stored += StoredLetter(s);
  }
  EXPECT_EQ(s, PlotSize::A);
  EXPECT_EQ(stored, "bca");
  EXPECT_EQ(PlotSizeFromStored("0"), PlotSize::A);
  EXPECT_EQ(PlotSizeFromStored("c"), PlotSize::C);
  EXPECT_EQ(PlotSizeFromStored("x"), std::nullopt);
  EXPECT_EQ(InfoOf(PlotSize::B).text12Width, 4320);
  EXPECT_EQ(InfoOf(PlotSize::C).text4Width, 4490);
}

TEST(MetaScl, AlwaysTheFullFrameInTwipsWithTheSameExtent) {
  for (double twips : {15.0, 12.0}) {
    const PageLayout p = MetaScl(ScreenMetrics{twips, twips});
    EXPECT_EQ(p.plotLeft, 20);
    EXPECT_EQ(p.plotTop, 5);
    EXPECT_EQ(p.plotRight, 150);
    EXPECT_EQ(p.plotBottom, 135);
    EXPECT_EQ(p.unitPerMmX, 56.69291);
    EXPECT_EQ(p.pxRatioY, twips);
    EXPECT_EQ(p.metaExtX, 9354);
    EXPECT_EQ(p.metaExtY, 8220);
  }
}

TEST(PrnScl, SixHundredDotsPerInchPrinter) {
  const PageLayout p = PrnScl(ScreenMetrics{15, 15}, 2.4, 2.4);
  EXPECT_EQ(p.plotLeft, 30);
  EXPECT_EQ(p.plotBottom, 180);
  EXPECT_DOUBLE_EQ(p.unitPerMmX, 23.62204583333333);
  EXPECT_DOUBLE_EQ(p.pxRatioX, 6.25);
  const Font f = PlotFont(p, NumbersSize(p).charW, 0);
  EXPECT_EQ(f.width, 50);
  EXPECT_EQ(f.height, 75);
}

TEST(PlotFont, NumbersAndLabelsInDeviceUnits) {
  const ScreenMetrics screen{15, 15};
  const struct {
    PageLayout page;
    int numW, numH, labW, labH;
    double textH;
  } cases[] = {
      {Scl(PlotSize::C, screen), 6, 9, 12, 18, 9 / 3.779527333333333},
      {Scl(PlotSize::A, screen), 7, 11, 14, 21,
       6 * 1.5 * static_cast<float>(130.0 / 110) / 3.779527333333333},
      {MetaScl(screen), 90, 135, 180, 270, 6 * 1.5 * 15 / 56.69291},
  };
  for (const auto& c : cases) {
    const Font n = PlotFont(c.page, NumbersSize(c.page).charW, 0);
    const Font l = PlotFont(c.page, LabelsSize(c.page).charW, 900);
    EXPECT_EQ(n.width, c.numW);
    EXPECT_EQ(n.height, c.numH);
    EXPECT_EQ(l.width, c.labW);
    EXPECT_EQ(l.height, c.labH);
    EXPECT_EQ(l.escapement, 900);
    EXPECT_EQ(n.face, "ＭＳ Ｐ明朝");
    EXPECT_NEAR(NumbersSize(c.page).textH, c.textH, 1e-12);
  }
  // The metafile's text is measured with the screen font of the same charW.
  const Font m = PlotFont(MetaScl(screen), 6, 0);
  EXPECT_EQ(m.screenWidth, 6);
  EXPECT_EQ(m.screenHeight, 9);
}

TEST(ColourScale, TheTwentyFiveBandColours) {
  const Rgb bands[25] = {{255, 0, 0},   {255, 32, 0},  {255, 64, 0},  {255, 96, 0},  {255, 128, 0},
                         {255, 159, 0}, {255, 191, 0}, {255, 223, 0}, {255, 255, 0}, {191, 255, 0},
                         {128, 255, 0}, {64, 255, 0},  {0, 255, 0},   {0, 255, 64},  {0, 255, 128},
                         {0, 255, 191}, {0, 255, 255}, {0, 223, 255}, {0, 191, 255}, {0, 159, 255},
                         {0, 128, 255}, {0, 96, 255},  {0, 64, 255},  {0, 32, 255},  {0, 0, 255}};
  for (int b = 1; b <= 25; ++b) {
    const Rgb c = BandColour(b);
    EXPECT_EQ(c, bands[b - 1]) << "band " << b << ": " << int(c.r) << "/" << int(c.g) << "/"
                               << int(c.b);
  }
}

TEST(ColourScale, PointsOutsideAndOnAFlatScale) {
  core::DataState d;
  d.zBottom = 0;
  d.zTop = 10;
  const struct {
    double z;
    Rgb colour;
  } cases[] = {
      {11, {255, 0, 0}}, {10, {255, 0, 0}}, {5, {0, 255, 0}}, {0, {0, 0, 255}}, {-1, {0, 0, 255}}};
  for (const auto& c : cases) EXPECT_EQ(PointColour(d, c.z), c.colour) << c.z;
  d.zTop = d.zBottom = 3;  // a flat field: every point pure green
  EXPECT_EQ(PointColour(d, 3), (Rgb{0, 255, 0}));
  EXPECT_EQ(PointColour(d, 100), (Rgb{0, 255, 0}));
}

TEST(AxisMask, StrictBoundsAndLatticeIndices) {
  // 1 is not above 1, so it takes the next row, "##0.0000".
  const struct {
    core::Format f;
    double v;
    const char* text;
  } cases[] = {{core::Format::Ijz, 1, "1"},
               {core::Format::Ijz, 50, "50"},
               {core::Format::Xyz, 1, "1.0000"},
               {core::Format::NXyz, 50, "50.00"},
               {core::Format::NXyz, -0.05, "-0.05000"},
               {core::Format::NXyz, 0.05, "0.05000"},
               {core::Format::NXyz, 0, "0.000000"},
               {core::Format::NXyz, 1500, "1500"},
               {core::Format::NXyz, 1000, "1000.0"},
               {core::Format::NXyz, 0.01, "0.010000"},
               {core::Format::NXyz, 100.05, "100.1"},
               {core::Format::NXyz, 12.3456, "12.35"},
               {core::Format::NXyz, 0.5, "0.5000"},
               {core::Format::NXyz, -250, "-250.0"}};
  for (const auto& c : cases) EXPECT_EQ(core::FormatMask(c.v, AxisMask(c.f, c.v)), c.text) << c.v;
}

TEST(MeterText, MasksByMagnitudeAndGeneralBelowOneTenth) {
  const struct {
    double v;
    const char* text;
  } cases[] = {{0.05, "0.05"},           {12345.6, "12346"}, {250, "250.00"},
               {1000, "1000.0"},         {10, "10.000"},     {1, "1.0000"},
               {0.1, "0.10000"},         {-12.5, "-12.500"}, {0, "0"},
               {123456789, "123456789"}, {1.5e-5, "1.5E-05"}};
  for (const auto& c : cases) EXPECT_EQ(MeterText(c.v), c.text) << c.v;
}

TEST(ZLabel, BottomAndTopOfTheData) {
  core::DataState d;
  d.zMin = 12.5;
  d.zMax = 100;
  EXPECT_EQ(ZLabelOf(d), "Bottom =12.5,  Top =100.0");
  d.zMin = -0.1234567;
  d.zMax = 3;
  EXPECT_EQ(ZLabelOf(d), "Bottom =-0.123457,  Top =3.0");
}

}  // namespace
}  // namespace render
