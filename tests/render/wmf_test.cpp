#include "render/wmf.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <stdexcept>

#include "tests/render/wmf_reader.h"
#include "tests/support/fixtures.h"

namespace {

using render::WmfColour;
using render::WmfPoint;
using render::WmfRecorder;
using testing_support::ReadWmf;
using testing_support::WmfView;

std::vector<uint16_t> Words(const testing_support::WmfRecordView& r) {
  std::vector<uint16_t> w;
  for (size_t i = 0; i < r.params.size() / 2; ++i) w.push_back(r.Word(i));
  return w;
}

// Shift-JIS bytes of a UTF-8 text by the C library's converter, independent of
// the writer's own table; empty when the converter is missing or refuses.
std::string SjisByLibc(const std::string& utf8) {
  const iconv_t cd = iconv_open("SHIFT_JIS", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return "";
  std::string in = utf8, out(4 * utf8.size() + 4, '\0');
  char* ip = in.data();
  char* op = out.data();
  size_t il = in.size(), ol = out.size();
  const size_t r = iconv(cd, &ip, &il, &op, &ol);
  iconv_close(cd);
  if (r == static_cast<size_t>(-1)) return "";
  out.resize(out.size() - ol);
  return out;
}

// The records between the header and the end record, checked for structure.
std::vector<testing_support::WmfRecordView> Body(WmfRecorder& rec) {
  const WmfView v = ReadWmf(rec.Finish());
  EXPECT_EQ(v.fault, "");
  if (v.records.empty()) return {};
  return {v.records.begin(), v.records.end() - 1};
}

TEST(WmfRecorder, EmptyMetafileIsHeaderAndEndRecord) {
  WmfRecorder rec;
  const std::vector<uint8_t> expected = {1, 0, 9, 0, 0, 3, 12, 0, 0, 0, 0, 0,
                                         3, 0, 0, 0, 0, 0, 3,  0, 0, 0, 0, 0};
  EXPECT_EQ(rec.Finish(), expected);
}

TEST(WmfRecorder, EachCallRecordsItsLayout) {
  // Colour (0x11, 0x22, 0x33) is the colour value 0x00332211.
  const struct {
    const char* name;
    void (*call)(WmfRecorder&);
    uint16_t function;
    std::vector<uint16_t> params;
  } cases[] = {
      {"pen",
       [](WmfRecorder& r) {
         r.CreatePen(0, 16, {0x11, 0x22, 0x33});
       },
       0x02FA,
       {0, 16, 0, 0x2211, 0x0033}},
      {"brush",
       [](WmfRecorder& r) {
         r.CreateBrush({0x11, 0x22, 0x33});
       },
       0x02FC,
       {0, 0x2211, 0x0033, 0}},
      {"bk mode", [](WmfRecorder& r) { r.SetBkMode(render::kBkTransparent); }, 0x0102, {1}},
      {"window org, y first",
       [](WmfRecorder& r) { r.SetWindowOrg(10, -20); },
       0x020B,
       {0xFFEC, 10}},
      {"window ext, y first",
       [](WmfRecorder& r) { r.SetWindowExt(9354, 8220); },
       0x020C,
       {8220, 9354}},
      {"polygon",
       [](WmfRecorder& r) {
         r.Polygon({{1, 2}, {3, 4}, {5, 6}, {7, -8}});
       },
       0x0324,
       {4, 1, 2, 3, 4, 5, 6, 7, 0xFFF8}},
      {"polyline",
       [](WmfRecorder& r) {
         r.Polyline({{100, 200}, {300, 400}});
       },
       0x0325,
       {2, 100, 200, 300, 400}},
      {"text, odd length padded, y before x",
       [](WmfRecorder& r) { r.TextOut(100, 200, "Top"); },
       0x0521,
       {3, 'T' | ('o' << 8), 'p', 200, 100}},
      {"text, even length",
       [](WmfRecorder& r) { r.TextOut(1, 2, "ab"); },
       0x0521,
       {2, 'a' | ('b' << 8), 2, 1}},
      {"text, empty", [](WmfRecorder& r) { r.TextOut(1, 2, ""); }, 0x0521, {0, 2, 1}},
  };
  for (const auto& k : cases) {
    WmfRecorder rec;
    k.call(rec);
    const auto body = Body(rec);
    ASSERT_EQ(body.size(), 1u) << k.name;
    EXPECT_EQ(body[0].function, k.function) << k.name;
    EXPECT_EQ(body[0].words, 3 + k.params.size()) << k.name;
    EXPECT_EQ(Words(body[0]), k.params) << k.name;
  }
}

TEST(WmfRecorder, FontRecordHoldsFieldsAndShiftJisFace) {
  WmfRecorder rec;
  rec.CreateFont(9, 6, 900, 500, render::ToShiftJisFaceName("ＭＳ Ｐ明朝"));
  const auto body = Body(rec);
  ASSERT_EQ(body.size(), 1u);
  const auto& r = body[0];
  EXPECT_EQ(r.function, 0x02FB);
  EXPECT_EQ(r.words, 28u);  // 3 + 18 bytes of fields + 32 bytes of face
  const std::vector<uint16_t> words = Words(r);
  EXPECT_EQ(std::vector<uint16_t>(words.begin(), words.begin() + 9),
            (std::vector<uint16_t>{9, 6, 900, 0, 500, 0, 128 << 8, 0, 0}));
  const std::string face(r.params.begin() + 18, r.params.end());
  const std::string sjis = SjisByLibc("ＭＳ Ｐ明朝");
  ASSERT_EQ(sjis.size(), 11u);
  EXPECT_EQ(face, sjis + std::string(21, '\0'));
}

TEST(WmfRecorder, FaceIsCutToItsFieldWithoutSplittingACharacter) {
  const std::string sjis31 = std::string(29, 'A') + "\x82\x6C";  // exactly 31 bytes
  const std::string sjis32 = std::string(30, 'A') + "\x82\x6C";  // lead byte would be byte 31
  const struct {
    std::string face;
    int charSet;
    std::string stored;
  } cases[] = {
      {sjis31, 128, sjis31},
      {sjis32, 128, std::string(30, 'A')},
      {std::string(40, 'x'), 0, std::string(31, 'x')},
      {std::string("Ari\0al", 6), 0, "Ari"},
      {"", 1, ""},
  };
  for (const auto& c : cases) {
    WmfRecorder rec;
    rec.CreateFont(9, 6, 0, 500, c.face, c.charSet);
    const auto body = Body(rec);
    ASSERT_EQ(body.size(), 1u);
    const std::string field(body[0].params.begin() + 18, body[0].params.end());
    ASSERT_EQ(field.size(), 32u);
    EXPECT_EQ(field, c.stored + std::string(32 - c.stored.size(), '\0')) << c.face;
    EXPECT_EQ(body[0].params[13], c.charSet);
  }
}

TEST(WmfRecorder, HandlesTakeTheLowestFreeSlot) {
  WmfRecorder rec;
  const WmfColour k{0, 0, 0};
  EXPECT_EQ(rec.CreatePen(0, 1, k), 0);
  EXPECT_EQ(rec.CreateBrush(k), 1);
  EXPECT_EQ(rec.CreateFont(9, 6, 0, 500, "Arial"), 2);
  rec.Delete(1);
  EXPECT_EQ(rec.CreatePen(0, 1, k), 1);
  rec.Delete(0);
  rec.Delete(1);
  EXPECT_EQ(rec.CreateBrush(k), 0);
  EXPECT_EQ(rec.CreateBrush(k), 1);
  EXPECT_EQ(rec.CreateBrush(k), 3);
  rec.Delete(0);
  rec.Delete(1);
  rec.Delete(2);
  rec.Delete(3);
  EXPECT_EQ(rec.CreatePen(0, 1, k), 0);
  EXPECT_EQ(ReadWmf(rec.Finish()).objects, 4);  // four were live at once, one is live now
}

TEST(WmfRecorder, HandlesThatAreNotLiveRecordNothing) {
  WmfRecorder rec;
  const int pen = rec.CreatePen(0, 1, {0, 0, 0});
  rec.Select(pen + 1);
  rec.Select(-1);
  rec.Delete(7);
  rec.Delete(pen);
  rec.Delete(pen);  // already deleted
  rec.Select(pen);  // deleted
  const auto body = Body(rec);
  ASSERT_EQ(body.size(), 2u);
  EXPECT_EQ(body[0].function, 0x02FA);
  EXPECT_EQ(body[1].function, 0x01F0);
  EXPECT_EQ(Words(body[1]), std::vector<uint16_t>{0});
}

// The design's sequence for one data point and the frame: the header must
// describe exactly what follows.
TEST(WmfRecorder, HeaderDescribesTheRecords) {
  WmfRecorder rec;
  rec.SetBkMode(render::kBkTransparent);
  rec.SetWindowOrg(0, 0);
  rec.SetWindowExt(9354, 8220);
  const int pen = rec.CreatePen(0, 2, {255, 0, 0});
  const int brush = rec.CreateBrush({255, 0, 0});
  rec.Select(pen);
  rec.Select(brush);
  rec.Polygon({{1000, 1000}, {1100, 1000}, {1100, 1100}, {1000, 1100}});
  rec.Delete(pen);
  rec.Delete(brush);
  const int font = rec.CreateFont(9, 6, 0, 500, render::ToShiftJisFaceName("ＭＳ Ｐ明朝"),
                                  render::kDefaultCharset);
  rec.Select(font);
  rec.TextOut(1134, 7767, "x-axis");
  rec.Delete(font);
  const std::vector<uint8_t> bytes = rec.Finish();
  const WmfView v = ReadWmf(bytes);
  ASSERT_EQ(v.fault, "");
  EXPECT_EQ(v.type, 1);
  EXPECT_EQ(v.headerWords, 9);
  EXPECT_EQ(v.version, 0x0300);
  EXPECT_EQ(v.totalWords, bytes.size() / 2);
  EXPECT_EQ(v.objects, 2);  // pen and brush together; the font reuses slot 0
  EXPECT_EQ(v.members, 0);
  uint32_t largest = 0;
  for (const auto& r : v.records) largest = std::max(largest, r.words);
  EXPECT_EQ(v.maxRecord, largest);
  EXPECT_EQ(v.maxRecord, 28u);  // the font record
  std::vector<uint16_t> functions;
  for (const auto& r : v.records) functions.push_back(r.function);
  EXPECT_EQ(functions,
            (std::vector<uint16_t>{0x0102, 0x020B, 0x020C, 0x02FA, 0x02FC, 0x012D, 0x012D, 0x0324,
                                   0x01F0, 0x01F0, 0x02FB, 0x012D, 0x0521, 0x01F0, 0x0000}));
  EXPECT_EQ(Words(v.records[11]), std::vector<uint16_t>{0});  // the font took slot 0
  EXPECT_EQ(rec.Finish(), bytes);                             // finishing again changes nothing
}

TEST(WmfRecorder, IntArgumentsAreClampedToSixteenBits) {
  WmfRecorder rec;
  rec.SetWindowOrg(40000, -40000);
  rec.SetWindowExt(INT_MAX, INT_MIN);
  rec.TextOut(-32769, 32768, "a");
  rec.CreatePen(-5, 100000, {0, 0, 0});
  rec.CreateFont(-70000, 70000, 900, 500, "Arial", 300);
  const auto body = Body(rec);
  ASSERT_EQ(body.size(), 5u);
  EXPECT_EQ(body[0].Int(0), -32768);
  EXPECT_EQ(body[0].Int(1), 32767);
  EXPECT_EQ(body[1].Int(0), -32768);
  EXPECT_EQ(body[1].Int(1), 32767);
  EXPECT_EQ(body[2].Int(2), 32767);   // y
  EXPECT_EQ(body[2].Int(3), -32768);  // x
  EXPECT_EQ(body[3].Word(0), 0);      // style
  EXPECT_EQ(body[3].Int(1), 32767);   // width
  EXPECT_EQ(body[4].Int(0), -32768);
  EXPECT_EQ(body[4].Int(1), 32767);
  EXPECT_EQ(body[4].params[13], 255);  // character set
}

TEST(WmfCoord, RoundsHalfEvenAndClampsEveryDouble) {
  const struct {
    double in;
    int16_t out;
  } cases[] = {{2.5, 2},
               {3.5, 4},
               {-2.5, -2},
               {9354.0, 9354},
               {1133.8582, 1134},
               {32767.4, 32767},
               {32767.6, 32767},
               {-32768.6, -32768},
               {1e300, 32767},
               {-1e300, -32768},
               {std::numeric_limits<double>::infinity(), 32767},
               {-std::numeric_limits<double>::infinity(), -32768},
               {std::numeric_limits<double>::quiet_NaN(), 0}};
  for (const auto& c : cases) EXPECT_EQ(render::WmfCoord(c.in), c.out) << c.in;
}

TEST(WmfRecorder, OverlongPointListsAndTexts) {
  std::vector<WmfPoint> pts(70000);
  for (size_t i = 0; i < pts.size(); ++i)
    pts[i] = {static_cast<int16_t>(i % 30000), static_cast<int16_t>(i / 30000)};
  WmfRecorder rec;
  rec.Polyline(pts);
  rec.Polyline({});
  rec.Polygon({});
  EXPECT_THROW(rec.Polygon(pts), std::length_error);
  EXPECT_THROW(rec.TextOut(0, 0, std::string(32768, 'a')), std::length_error);
  const auto body = Body(rec);  // nothing half-written by the refused calls
  // 70000 points in pieces of 32767 sharing their joints: 32767 + 32767 + 4468.
  ASSERT_EQ(body.size(), 3u);
  const int counts[] = {32767, 32767, 4468};
  size_t first = 0;
  for (int k = 0; k < 3; ++k) {
    ASSERT_EQ(body[k].Word(0), counts[k]);
    EXPECT_EQ(body[k].Int(1), pts[first].x) << k;
    EXPECT_EQ(body[k].Int(2), pts[first].y) << k;
    first += counts[k] - 1;
  }
  EXPECT_EQ(body[2].Int(2 * 4468 - 1), pts.back().x);
  EXPECT_EQ(body[2].Int(2 * 4468), pts.back().y);
}

TEST(MfPictRecord, FourLittleEndianFields) {
  const std::vector<uint8_t> expected = {8,    0,    0, 0, 0x8A, 0x24, 0, 0,
                                         0x1C, 0x20, 0, 0, 0,    0,    0, 0};
  EXPECT_EQ(render::MfPictRecord(render::kMmAnisotropic, 9354, 8220), expected);
  EXPECT_EQ(render::MfPictRecord(-1, 0, 0)[3], 0xFF);
}

TEST(WithPlaceableHeader, KeyBoxAndChecksumBeforeTheMetafile) {
  WmfRecorder rec;
  const std::vector<uint8_t> wmf = rec.Finish();
  const std::vector<uint8_t> out = render::WithPlaceableHeader(wmf, 9354, 8220, 1440);
  ASSERT_EQ(out.size(), 22 + wmf.size());
  const std::vector<uint8_t> head(out.begin(), out.begin() + 20);
  EXPECT_EQ(head, (std::vector<uint8_t>{0xD7, 0xCD, 0xC6, 0x9A, 0,    0,    0, 0, 0, 0,
                                        0x8A, 0x24, 0x1C, 0x20, 0xA0, 0x05, 0, 0, 0, 0}));
  // Checksum: XOR of the ten words above.
  const uint16_t sum = 0xCDD7 ^ 0x9AC6 ^ 0x248A ^ 0x201C ^ 0x05A0;
  EXPECT_EQ(out[20] | (out[21] << 8), sum);
  EXPECT_TRUE(std::equal(wmf.begin(), wmf.end(), out.begin() + 22));
}

TEST(ToShiftJisFaceName, PlotFacesConvertOthersPassThrough) {
  for (const char* face : {"ＭＳ Ｐ明朝", "ＭＳ Ｐゴシック"}) {
    const std::string expected = SjisByLibc(face);
    ASSERT_FALSE(expected.empty()) << face;
    EXPECT_EQ(render::ToShiftJisFaceName(face), expected) << face;
  }
  for (const char* other : {"Arial", "Times New Roman", "ＭＳ 明朝", ""})
    EXPECT_EQ(render::ToShiftJisFaceName(other), other) << other;
}

// An independent reader: libwmf's converter must accept the metafile and draw
// the polygon in its brush colour, the polyline and both texts, the second
// one turned upwards.
TEST(WmfRecorder, IndependentReaderRendersIt) {
  WmfRecorder rec;
  rec.SetBkMode(render::kBkTransparent);
  rec.SetWindowOrg(0, 0);
  rec.SetWindowExt(9354, 8220);
  const int pen = rec.CreatePen(0, 2, {255, 0, 0});
  const int brush = rec.CreateBrush({255, 0, 0});
  rec.Select(pen);
  rec.Select(brush);
  rec.Polygon({{2000, 2000}, {2400, 2000}, {2400, 2400}, {2000, 2400}});
  rec.Delete(pen);
  rec.Delete(brush);
  const int frame = rec.CreatePen(0, 16, {0, 0, 0});
  rec.Select(frame);
  rec.Polyline({{1134, 283}, {8504, 283}, {8504, 7654}, {1134, 7654}, {1134, 283}});
  rec.Delete(frame);
  const int font = rec.CreateFont(135, 90, 0, 500, render::ToShiftJisFaceName("ＭＳ Ｐ明朝"));
  const int black = rec.CreatePen(0, 1, {0, 0, 0});
  rec.Select(font);
  rec.Select(black);
  rec.TextOut(4500, 7800, "x-axis");
  rec.Delete(font);
  const int upwards = rec.CreateFont(270, 180, 900, 500, render::ToShiftJisFaceName("ＭＳ Ｐ明朝"));
  rec.Select(upwards);
  rec.TextOut(600, 4500, "y-axis");
  rec.Delete(upwards);
  rec.Delete(black);
  const std::vector<uint8_t> bytes = rec.Finish();

  testing_support::TempFolder folder;
  const std::string wmf = folder.Write("plot.wmf", std::string(bytes.begin(), bytes.end()));
  const std::string svg = folder.path() + "/plot.svg";
  ASSERT_EQ(testing_support::Wmf2Svg(wmf, svg), "");
  const std::string out = testing_support::ReadFile(svg);
  EXPECT_NE(out.find("<polygon"), std::string::npos) << out;
  EXPECT_NE(out.find("<polyline"), std::string::npos) << out;
  EXPECT_NE(out.find("x-axis"), std::string::npos) << out;
  EXPECT_NE(out.find("y-axis"), std::string::npos) << out;
  EXPECT_NE(out.find("fill:red"), std::string::npos) << out;                   // the brush colour
  EXPECT_NE(out.find("matrix(0.000000 -1.000000"), std::string::npos) << out;  // escapement 900
}

}  // namespace
