// The metafile export recorded through the metafile target: record order,
// object handles, coordinates in twips, header, and an independent reader.
#include "render/metafile_target.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "core/data_read.h"
#include "tests/render/wmf_reader.h"
#include "tests/support/fixtures.h"

namespace render {
namespace {

using testing_support::ReadWmf;
using testing_support::WmfView;

enum : uint16_t {
  kSetBkMode = 0x0102,
  kSetWindowOrg = 0x020B,
  kSetWindowExt = 0x020C,
  kCreatePen = 0x02FA,
  kCreateBrush = 0x02FC,
  kCreateFont = 0x02FB,
  kSelect = 0x012D,
  kDelete = 0x01F0,
  kPolygon = 0x0324,
  kPolyline = 0x0325,
  kTextOut = 0x0521,
  kEof = 0
};

// Fixed pitch on the screen: every byte is the font's screen width wide.
class FixedPitch : public ScreenTextMeasurer {
 public:
  TextSize MeasurePixels(const Font& f, const std::string& text) override {
    ++calls;
    lastScreenWidth = f.screenWidth;
    return {static_cast<double>(text.size()) * f.screenWidth, static_cast<double>(f.screenHeight)};
  }
  int calls = 0;
  int lastScreenWidth = 0;
};

core::DataState TwoPoints() {
  core::DataState d;
  d.nData = 3;
  d.xData = {0, 0, 10, 20};  // the third lies outside the axis range
  d.yData = {0, 0, 10, 5};
  d.zData = {0, 0, 1, 1};
  d.xMax = d.yMax = 10;
  d.zMax = d.zTop = 1;
  return d;
}

std::vector<uint16_t> Functions(const WmfView& v) {
  std::vector<uint16_t> f;
  for (const auto& r : v.records) f.push_back(r.function);
  return f;
}

TEST(RecordMetafile, RecordsInTheOrderOfTheExport) {
  FixedPitch measure;
  core::LineSet lines;
  lines.nLines = 1;
  lines.lineX2[1] = lines.lineY2[1] = 10;
  const MetafileExport m =
      RecordMetafile(ScreenMetrics{15, 15}, TwoPoints(), lines, PlotControls{}, measure);
  const WmfView v = ReadWmf(m.metafile);
  ASSERT_EQ(v.fault, "");
  EXPECT_EQ(v.type, 1);
  EXPECT_EQ(v.headerWords, 9);
  EXPECT_EQ(v.version, 0x0300);
  EXPECT_EQ(v.totalWords * 2, m.metafile.size());
  EXPECT_EQ(v.objects, 2);  // never more than a pen and a brush, or a font and a pen

  std::vector<uint16_t> expected = {kSetBkMode, kSetWindowOrg, kSetWindowExt};
  const std::vector<uint16_t> point = {kCreatePen, kSelect, kCreateBrush, kSelect,
                                       kPolygon,   kDelete, kDelete};
  const std::vector<uint16_t> twoTexts = {kCreateFont, kSelect,  kCreatePen, kSelect,
                                          kTextOut,    kTextOut, kDelete,    kDelete};
  const std::vector<uint16_t> oneText = {kCreateFont, kSelect, kCreatePen, kSelect,
                                         kTextOut,    kDelete, kDelete};
  for (int i = 0; i < 2; ++i) expected.insert(expected.end(), point.begin(), point.end());
  expected.insert(expected.end(), {kCreatePen, kSelect, kPolyline, kDelete});  // frame
  expected.insert(expected.end(), twoTexts.begin(), twoTexts.end());           // XnbDrw
  expected.insert(expected.end(), oneText.begin(), oneText.end());             // XlbDrw
  expected.insert(expected.end(), twoTexts.begin(), twoTexts.end());           // YnbDrw
  expected.insert(expected.end(), oneText.begin(), oneText.end());             // YlbDrw
  expected.insert(expected.end(), oneText.begin(), oneText.end());             // ZlbDrw
  const std::vector<uint16_t> band = {kCreatePen, kSelect, kCreateBrush, kSelect,
                                      kPolygon,   kDelete, kDelete};
  for (int b = 0; b < 25; ++b) expected.insert(expected.end(), band.begin(), band.end());
  expected.insert(expected.end(), twoTexts.begin(), twoTexts.end());  // meter labels, no outline
  expected.insert(expected.end(), {kCreatePen, kSelect, kPolyline, kDelete, kEof});  // overlay line
  EXPECT_EQ(Functions(v), expected);

  // Window extent (stored y first) and the frame polyline in twips.
  EXPECT_EQ(v.records[1].Int(0), 0);
  EXPECT_EQ(v.records[2].Int(0), 8220);
  EXPECT_EQ(v.records[2].Int(1), 9354);
  const auto& frame = v.records[3 + 14 + 2];
  ASSERT_EQ(frame.function, kPolyline);
  const int16_t corners[] = {5, 1134, 283, 8504, 283, 8504, 7654, 1134, 7654, 1134, 283};
  for (size_t k = 0; k < std::size(corners); ++k) EXPECT_EQ(frame.Int(k), corners[k]) << k;
  // The point at (0, 0) sits on the frame corner, 3 mm square (≈170 twips).
  const auto& square = v.records[3 + 4];
  ASSERT_EQ(square.function, kPolygon);
  EXPECT_EQ(square.Int(0), 4);
  EXPECT_EQ(square.Int(1), 1049);  // round((20 - 1.5) × 56.69291)
  EXPECT_EQ(square.Int(3), 1219);  // round((20 + 1.5) × 56.69291)
  // The pens: 2 for points, 16 for the frame, 8 for bands, 1 around text.
  EXPECT_EQ(v.records[3].Int(1), 2);
  EXPECT_EQ(v.records[17].Int(1), 16);

  EXPECT_EQ(m.mfPict, MfPictRecord(8, 9354, 8220));
  EXPECT_GT(measure.calls, 0);
  EXPECT_EQ(measure.lastScreenWidth, 6);  // text widths from the screen's 6-pixel font
}

TEST(RecordMetafile, FontsCarryTheRatiosAndTextSitsWhereThePageSays) {
  FixedPitch measure;
  const MetafileExport m =
      RecordMetafile(ScreenMetrics{15, 15}, TwoPoints(), core::LineSet{}, PlotControls{}, measure);
  const WmfView v = ReadWmf(m.metafile);
  std::vector<const testing_support::WmfRecordView*> fonts, texts;
  for (const auto& r : v.records) {
    if (r.function == kCreateFont) fonts.push_back(&r);
    if (r.function == kTextOut) texts.push_back(&r);
  }
  ASSERT_EQ(fonts.size(), 6u);
  EXPECT_EQ(fonts[0]->Int(0), 135);       // numbers: 1.5 × 6 × 15 twips high
  EXPECT_EQ(fonts[0]->Int(1), 90);        // 6 × 15 wide
  EXPECT_EQ(fonts[1]->Int(0), 270);       // labels
  EXPECT_EQ(fonts[3]->Int(2), 900);       // y-axis label turned upwards
  EXPECT_EQ(fonts[0]->params.at(13), 1);  // character set 1, after weight and three flags
  // "0.000000" centred under the lower-left corner: 8 characters of 6 screen
  // pixels = 48 px = 720 twips wide; y = 135 mm + textH / 2.
  ASSERT_GE(texts.size(), 1u);
  const auto& x0 = *texts[0];
  const int16_t count = x0.Int(0);
  EXPECT_EQ(count, 8);
  const size_t after = 1 + (count + 1) / 2;
  const double textH = 6 * 1.5 * 15 / 56.69291;
  EXPECT_EQ(x0.Int(after),
            static_cast<int16_t>(std::lround((135 + textH / 2) * 56.69291)));  // y first
  EXPECT_NEAR(x0.Int(after + 1), 1134 - 360, 1);
}

TEST(RecordMetafile, SizeBOnScreenStillGivesTheFullFrameAndExtent) {
  const PageLayout screenB = Scl(PlotSize::B, ScreenMetrics{15, 15});
  FixedPitch measure;
  const MetafileExport m =
      RecordMetafile(ScreenMetrics{15, 15}, TwoPoints(), core::LineSet{}, PlotControls{}, measure);
  EXPECT_EQ(m.page.plotRight, 150);
  EXPECT_EQ(m.page.plotBottom, 135);
  const WmfView v = ReadWmf(m.metafile);
  EXPECT_EQ(v.records[2].Int(1), 9354);
  EXPECT_EQ(v.records[2].Int(0), 8220);
  EXPECT_EQ(screenB.plotRight, 140);  // the next screen draw keeps its own frame
}

TEST(RecordMetafile, IndependentReaderReadsTheSamplePlot) {
  core::DataState d;
  d.dataFile = testing_support::SamplePath("g01.dat");
  core::RecordingReporter report;
  ASSERT_EQ(core::DataRead1(core::ReadOptions{}, d, report), core::ReadStatus::Ok);
  core::LineSet lines;
  lines.lineFile = testing_support::SamplePath("line1.dat");
  core::ReadLineFile("0", lines);
  ASSERT_GT(lines.nLines, 0);
  FixedPitch measure;
  const MetafileExport m = RecordMetafile(ScreenMetrics{15, 15}, d, lines, PlotControls{}, measure);
  ASSERT_EQ(ReadWmf(m.metafile).fault, "");
  testing_support::TempFolder folder;
  for (bool placeable : {false, true}) {
    const std::vector<uint8_t> bytes =
        placeable ? WithPlaceableHeader(m.metafile, 9354, 8220, 1440) : m.metafile;
    const std::string wmf = folder.Write("plot.wmf", std::string(bytes.begin(), bytes.end()));
    const std::string svg = folder.path() + "/plot.svg";
    ASSERT_EQ(testing_support::Wmf2Svg(wmf, svg), "");
    const std::string out = testing_support::ReadFile(svg);
    for (const char* text : {"x-axis", "y-axis", "Bottom", "Top", "Bottom =", "99.80"})
      EXPECT_NE(out.find(text), std::string::npos) << text;
    size_t polygons = 0;
    for (size_t at = out.find("<polygon"); at != std::string::npos;
         at = out.find("<polygon", at + 1))
      ++polygons;
    EXPECT_EQ(polygons, 400u + 25u);
    size_t polylines = 0;
    for (size_t at = out.find("<polyline"); at != std::string::npos;
         at = out.find("<polyline", at + 1))
      ++polylines;
    EXPECT_EQ(polylines, 1u + static_cast<size_t>(lines.nLines));
  }
}

}  // namespace
}  // namespace render
