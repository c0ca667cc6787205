// The screen picture and the printed page on Qt: pixels where the page puts
// them, the invert-mode frame, font sizes, and the PDF of a print.
#include "platform/screen_page.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPrinter>
#include <filesystem>

#include "core/data_read.h"
#include "platform/plot_fonts.h"
#include "platform/printed_page.h"
#include "render/colour_scale.h"
#include "render/plot.h"
#include "tests/support/fixtures.h"

namespace platform {
namespace {

const render::ScreenMetrics kScreen{15, 15};

render::Rgb PixelAt(const QImage& image, double xMm, double yMm, const render::PageLayout& page) {
  const QColor c = image.pixelColor(render::DeviceCoord(xMm, page.pxPerMmX, 1 << 20),
                                    render::DeviceCoord(yMm, page.pxPerMmY, 1 << 20));
  return {static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
          static_cast<uint8_t>(c.blue())};
}

core::DataState OnePoint(double z) {
  core::DataState d;
  d.nData = 1;
  d.xData = {0, 5};
  d.yData = {0, 5};
  d.zData = {0, z};
  d.xMax = d.yMax = 10;
  d.zTop = d.zMax = 1;
  return d;
}

TEST(ScreenPage, A4AtScreenResolutionCroppedToTheWindow) {
  ScreenPage page(kScreen);
  EXPECT_EQ(page.image().width(), 794);
  EXPECT_EQ(page.image().height(), 1123);
  const render::PageLayout a = render::Scl(render::PlotSize::A, kScreen);
  const QImage part = page.WindowPart(a);
  EXPECT_EQ(part.width(), 627);   // (150 + 16) mm
  EXPECT_EQ(part.height(), 548);  // (135 + 10) mm
}

TEST(ScreenPage, PointsBandsAndFrameWhereThePageSays) {
  const render::PageLayout layout = render::Scl(render::PlotSize::C, kScreen);
  ScreenPage page(kScreen);
  core::DataState d = OnePoint(1);  // top of the scale: red, in the middle of the frame
  {
    ScreenCanvas canvas(page, layout);
    ASSERT_TRUE(render::PntDrw(layout, d, render::PlotControls{}, canvas.target()));
    render::FrmDrw(layout, d, render::PlotControls{}, canvas.target());
  }
  const QImage& img = page.image();
  EXPECT_EQ(PixelAt(img, 75, 60, layout), (render::Rgb{255, 0, 0}));
  EXPECT_EQ(PixelAt(img, 75 + 2, 60, layout), (render::Rgb{255, 255, 255}));  // a 3 mm square
  EXPECT_EQ(PixelAt(img, 20, 60, layout), render::kBlack);                    // the frame
  EXPECT_EQ(PixelAt(img, 138, 16, layout), render::BandColour(1));
  EXPECT_EQ(PixelAt(img, 138, 104, layout), render::BandColour(25));
}

TEST(ScreenPage, RegionFrameDrawnTwiceIsGone) {
  const render::PageLayout layout = render::Scl(render::PlotSize::A, kScreen);
  ScreenPage page(kScreen);
  core::DataState d = OnePoint(0.5);
  render::RegionFrame frame;
  {
    ScreenCanvas canvas(page, layout);
    render::PntDrw(layout, d, render::PlotControls{}, canvas.target());
  }
  const QImage before = page.image().copy();
  const core::RegionTexts box{"2.5", "2.5", "7.5", "7.5", "", ""};
  {
    ScreenCanvas canvas(page, layout);
    ASSERT_TRUE(render::ijFrmDrw(layout, box, d, frame, canvas.target()));
  }
  EXPECT_NE(page.image(), before);
  EXPECT_EQ(PixelAt(page.image(), frame.frameX1, 60, layout), render::kBlack);  // white inverted
  {
    ScreenCanvas canvas(page, layout);
    render::ijFrmDrw(layout, box, d, frame, canvas.target());
  }
  EXPECT_EQ(page.image(), before);
}

TEST(PlotFonts, DesignFacesFindTheIpaFontsAtTheRequestedSize) {
  const QImage device = ScreenImage(8, 8, kScreen);
  const struct {
    const char* face;
    const char* family;
  } cases[] = {{"ＭＳ Ｐ明朝", "IPAPMincho"}, {"ＭＳ Ｐゴシック", "IPAPGothic"}};
  for (const auto& c : cases) {
    render::Font f;
    f.face = c.face;
    f.height = 75;
    f.width = 50;
    const QFont q = ToQFont(f, &device);
    EXPECT_EQ(QFontInfo(q).family().toStdString().rfind(c.family, 0), 0u)
        << QFontInfo(q).family().toStdString();
    const QFontMetricsF fm(q, const_cast<QImage*>(&device));
    EXPECT_NEAR(fm.height(), 75, 2) << c.face;
    EXPECT_NEAR(fm.averageCharWidth(), 50, 3) << c.face;
  }
}

TEST(PrintedPage, SixHundredDpiPdfOfOnePage) {
  testing_support::TempFolder folder;
  const std::string pdf = folder.path() + "/page.pdf";
  core::DataState d;
  d.dataFile = testing_support::SamplePath("g01.dat");
  core::RecordingReporter report;
  ASSERT_EQ(core::DataRead1(core::ReadOptions{}, d, report), core::ReadStatus::Ok);
  render::PlotControls c;
  c.headerText = "Sample field";
  render::PageLayout used;
  {
    QPrinter printer(QPrinter::HighResolution);
    SetUpPdfPrinter(printer, pdf, 600);
    ASSERT_EQ(PrintPage(printer, kScreen, d, core::LineSet{}, c, &used), PrintStatus::Printed);
  }
  EXPECT_DOUBLE_EQ(used.unitPerMmX, 56.69291 / 2.4);
  EXPECT_DOUBLE_EQ(used.pxRatioY, 6.25);
  const std::string bytes = testing_support::ReadFile(pdf);
  ASSERT_GT(bytes.size(), 1000u);
  EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
  // "/Type /Page" objects, not the "/Type /Pages" tree.
  size_t pages = 0;
  for (size_t at = bytes.find("/Type /Page"); at != std::string::npos;
       at = bytes.find("/Type /Page", at + 1))
    if (bytes.compare(at, 12, "/Type /Pages") != 0) ++pages;
  EXPECT_EQ(pages, 1u);
}

}  // namespace
}  // namespace platform
