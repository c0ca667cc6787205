#include "core/data_read.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/fixtures.h"

namespace {

using core::DataState;
using core::Format;
using core::Msg;
using core::ReadStatus;
using core::RecordingReporter;

core::ReadOptions OptionsFor(Format f) {
  core::ReadOptions o;
  o.format = f;
  return o;
}

ReadStatus Read(const std::string& bytes, DataState& s, RecordingReporter& report,
                core::ReadOptions opt = OptionsFor(Format::NXyz)) {
  return core::DataRead1Bytes(opt, bytes, s, report);
}

// A state that already holds a read, to see what a failed read keeps.
DataState Previous() {
  DataState s;
  RecordingReporter r;
  EXPECT_EQ(Read("4\r\n0 0 1\r\n10 0 2\r\n0 10 3\r\n10 10 4\r\n", s, r), ReadStatus::Ok);
  return s;
}

TEST(DataRead1, ReadsTheThreeLayouts) {
  {
    DataState s;
    RecordingReporter r;
    ASSERT_EQ(Read("3\r\n1,2,3\r\n4 5 6\n7,\t8 ,9", s, r), ReadStatus::Ok);
    EXPECT_EQ(s.nData, 3);
    EXPECT_EQ(s.xData, (std::vector<double>{0, 1, 4, 7}));
    EXPECT_EQ(s.zData, (std::vector<double>{0, 3, 6, 9}));
    EXPECT_TRUE(r.shown.empty());
  }
  {
    DataState s;
    RecordingReporter r;
    ASSERT_EQ(Read("2 2\r\n10\r\n20\r\n30\r\n40\r\n99\r\n", s, r, OptionsFor(Format::Ijz)),
              ReadStatus::Ok);
    EXPECT_EQ(s.nData, 4);
    EXPECT_EQ(s.inNx, 2);
    EXPECT_EQ(s.inNy, 2);
    EXPECT_EQ(s.xData, (std::vector<double>{0, 1, 2, 1, 2}));
    EXPECT_EQ(s.yData, (std::vector<double>{0, 1, 1, 2, 2}));
    EXPECT_EQ(s.zData, (std::vector<double>{0, 10, 20, 30, 40}));
  }
  {
    // Ten lines, the last one cut short: nine points, no message.
    std::string text;
    for (int i = 1; i <= 9; ++i) text += std::to_string(i) + " " + std::to_string(2 * i) + " 5\r\n";
    text += "10 20\r\n";
    DataState s;
    RecordingReporter r;
    ASSERT_EQ(Read(text, s, r, OptionsFor(Format::Xyz)), ReadStatus::Ok);
    EXPECT_EQ(s.nData, 9);
    EXPECT_TRUE(r.shown.empty());
  }
}

TEST(DataRead1, RangesOfAllPointsInAutoMode) {
  DataState s;
  RecordingReporter r;
  ASSERT_EQ(Read("3\r\n5 -1 7\r\n-2 4 0\r\n3 2 9\r\n", s, r), ReadStatus::Ok);
  EXPECT_EQ(s.xMin, -2);
  EXPECT_EQ(s.xMax, 5);
  EXPECT_EQ(s.yMin, -1);
  EXPECT_EQ(s.yMax, 4);
  EXPECT_EQ(s.zMin, 0);
  EXPECT_EQ(s.zMax, 9);
  EXPECT_EQ(s.zBottom, 0);
  EXPECT_EQ(s.zTop, 9);
}

TEST(DataRead1, CountErrorsKeepThePreviousPoints) {
  const struct {
    const char* bytes;
    Format format;
    int32_t nData;
  } cases[] = {
      {"2\r\n1 2 3\r\n4 5 6\r\n7 8 9\r\n", Format::NXyz, 2},  // more triples than announced
      {"1 2\r\n1\r\n2\r\n", Format::Ijz, 2},
      {"-5\r\n", Format::NXyz, -5},
      {"-2 3\r\n", Format::Ijz, -6},
      {"70000 70000\r\n1\r\n", Format::Ijz, 4},  // product beyond 32 bits: count unchanged
      {"2.0 2\r\n1 2 3 4\r\n", Format::Ijz, 4},  // a lattice size must be an integer
      {"-2 -3\r\n1 2 3 4 5 6\r\n", Format::Ijz, 0},
      // A negative product below the 32-bit range stays negative, never
      // wrapping round to a count beyond the points held.
      {"2 -2044055222 3\r\n", Format::Ijz, INT32_MIN},
      {"abc\r\n", Format::NXyz, 4},  // no count at all
      {"", Format::NXyz, 4},
  };
  for (const auto& c : cases) {
    DataState s = Previous();
    RecordingReporter r;
    EXPECT_EQ(Read(c.bytes, s, r, OptionsFor(c.format)), ReadStatus::CountError) << c.bytes;
    EXPECT_EQ(r.shown, std::vector{Msg::DataCountInvalid}) << c.bytes;
    EXPECT_EQ(s.nData, c.nData) << c.bytes;
    EXPECT_EQ(s.xData.size(), 5u) << c.bytes;
    EXPECT_EQ(s.xMax, 10) << c.bytes;  // ranges of the previous read
  }
}

TEST(DataRead1, DataErrorsKeepPointsReadAndZerosAfter) {
  const struct {
    const char* bytes;
    Format format;
    std::vector<double> z;
  } cases[] = {
      {"5\r\n1 1 1\r\n2 2 2\r\n3 3 3\r\n4 4 4\r\n", Format::NXyz, {0, 1, 2, 3, 4, 0}},
      {"3\r\n1 1 1\r\n2 x 2\r\n3 3 3\r\n", Format::NXyz, {0, 1, 0, 0}},
      {"3\r\n1 1 1\r\n2 nan 2\r\n3 3 3\r\n", Format::NXyz, {0, 1, 0, 0}},  // not finite
      {"3\r\n1 1 inf\r\n2 2 2\r\n3 3 3\r\n", Format::NXyz, {0, 0, 0, 0}},
      {"2 2\r\n1\r\n2\r\n3\r\n", Format::Ijz, {0, 1, 2, 3, 0}},
  };
  for (const auto& c : cases) {
    DataState s = Previous();
    RecordingReporter r;
    EXPECT_EQ(Read(c.bytes, s, r, OptionsFor(c.format)), ReadStatus::DataError) << c.bytes;
    EXPECT_EQ(r.shown, std::vector{Msg::DataInvalid}) << c.bytes;
    EXPECT_EQ(s.zData, c.z) << c.bytes;
    EXPECT_EQ(s.nData, static_cast<int32_t>(c.z.size()) - 1) << c.bytes;
    EXPECT_EQ(s.xMax, 10) << c.bytes;  // ranges of the previous read
  }
  // The ijz node whose value failed already has its lattice position.
  DataState s = Previous();
  RecordingReporter r;
  EXPECT_EQ(Read("2 2\r\n1\r\n2\r\n3\r\n", s, r, OptionsFor(Format::Ijz)), ReadStatus::DataError);
  EXPECT_EQ(s.xData[4], 2);
  EXPECT_EQ(s.yData[4], 2);
}

TEST(DataRead1, HugeAnnouncedCountCostsNoMemory) {
  // 20 bytes announcing a billion points: the data error comes at once and
  // only the points read are kept.
  const std::string bytes = "1000000000\r\n1 2 3\r\n";
  ASSERT_EQ(bytes.size(), 19u);
  DataState s = Previous();
  RecordingReporter r;
  EXPECT_EQ(Read(bytes, s, r), ReadStatus::DataError);
  EXPECT_EQ(s.nData, 1);
  EXPECT_EQ(s.xData.size(), 2u);
  EXPECT_LT(s.xData.capacity(), 100u);
  // The same for an ijz lattice that announces far more values than it holds.
  DataState t = Previous();
  EXPECT_EQ(Read("40000 40000\r\n1 2 3", t, r, OptionsFor(Format::Ijz)), ReadStatus::DataError);
  EXPECT_EQ(t.nData, 3);
  EXPECT_LT(t.xData.capacity(), 100u);
}

TEST(DataRead1, ManualAxisRegionSortsAndLimitsTheZRange) {
  core::ReadOptions opt = OptionsFor(Format::NXyz);
  opt.axisMode = core::AxisMode::Manual;
  opt.text7 = "5";  // x bounds given high first
  opt.text8 = "1";
  opt.text5 = "0";
  opt.text6 = "10";
  DataState s;
  RecordingReporter r;
  ASSERT_EQ(Read("4\r\n0 0 100\r\n1 1 7\r\n5 10 3\r\n6 5 -50\r\n", s, r, opt), ReadStatus::Ok);
  EXPECT_EQ(s.xMin, 1);
  EXPECT_EQ(s.xMax, 5);
  EXPECT_EQ(s.yMin, 0);
  EXPECT_EQ(s.yMax, 10);
  EXPECT_EQ(s.zMin, 3);  // bounds included: points (1,1) and (5,10)
  EXPECT_EQ(s.zMax, 7);
  // No point inside: the overall range, inverted.
  opt.text7 = "20";
  opt.text8 = "30";
  ASSERT_EQ(Read("4\r\n0 0 100\r\n1 1 7\r\n5 10 3\r\n6 5 -50\r\n", s, r, opt), ReadStatus::Ok);
  EXPECT_EQ(s.zMax, -50);
  EXPECT_EQ(s.zMin, 100);
}

TEST(DataRead1, DraggedFrameInEitherDirection) {
  core::ReadOptions opt = OptionsFor(Format::NXyz);
  opt.axisMode = core::AxisMode::Dragged;
  for (bool reversed : {false, true}) {
    DataState s;
    s.dragX1 = reversed ? 8 : 2;
    s.dragX2 = reversed ? 2 : 8;
    s.dragY1 = reversed ? 1 : 9;
    s.dragY2 = reversed ? 9 : 1;
    RecordingReporter r;
    ASSERT_EQ(Read("3\r\n0 0 1\r\n5 5 2\r\n10 10 3\r\n", s, r, opt), ReadStatus::Ok);
    EXPECT_EQ(s.xMin, 2);
    EXPECT_EQ(s.xMax, 8);
    EXPECT_EQ(s.yMin, 1);
    EXPECT_EQ(s.yMax, 9);
    EXPECT_EQ(s.zMin, 2);
    EXPECT_EQ(s.zMax, 2);
  }
}

TEST(DataRead1, ColourScaleBoundsAndBadBoxes) {
  core::ReadOptions opt = OptionsFor(Format::NXyz);
  opt.colourMode = core::ColourMode::Manual;
  opt.text2 = "0";
  opt.text3 = "10";
  DataState s;
  RecordingReporter r;
  ASSERT_EQ(Read("3\r\n0 0 1\r\n5 5 2\r\n10 10 3\r\n", s, r, opt), ReadStatus::Ok);
  EXPECT_EQ(s.zTop, 10);
  EXPECT_EQ(s.zBottom, 0);

  for (int box = 0; box < 2; ++box) {
    core::ReadOptions bad = opt;
    if (box == 0) {
      bad.text3 = "ten";
    } else {
      bad.axisMode = core::AxisMode::Manual;
      bad.text5 = bad.text6 = bad.text7 = "1";
      bad.text8 = "";
    }
    RecordingReporter rb;
    EXPECT_EQ(Read("3\r\n0 0 1\r\n5 5 2\r\n10 10 3\r\n", s, rb, bad), ReadStatus::DataError);
    EXPECT_EQ(rb.shown, std::vector{Msg::DataInvalid});
  }
}

TEST(DataRead1, FileProblems) {
  DataState s;
  RecordingReporter r;
  EXPECT_EQ(core::DataRead1(OptionsFor(Format::NXyz), s, r), ReadStatus::FileNotSpecified);
  s.dataFile = testing_support::FixturePath("no_such_file.dat");
  EXPECT_EQ(core::DataRead1(OptionsFor(Format::NXyz), s, r), ReadStatus::CannotOpen);
  EXPECT_EQ(r.shown, (std::vector{Msg::FileNotSpecified, Msg::FileCannotOpen}));
  s.dataFile = testing_support::SamplePath("g01.dat");
  EXPECT_EQ(core::DataRead1(OptionsFor(Format::NXyz), s, r), ReadStatus::Ok);
  EXPECT_EQ(s.nData, 400);
}

TEST(DataRead1, XyzBeyondAMillionTriplesIsReadWhole) {
  std::string text;
  text.reserve(7000100);
  for (int i = 0; i < 1000004; ++i) text += "1 2 3\n";
  text += "7 8 9\n";
  DataState s;
  RecordingReporter r;
  ASSERT_EQ(Read(text, s, r, OptionsFor(Format::Xyz)), ReadStatus::Ok);
  EXPECT_EQ(s.nData, 1000005);
  EXPECT_EQ(s.xMax, 7);  // the last triple counts
  EXPECT_TRUE(r.shown.empty());
}

TEST(DataRead1, XyzFieldThatIsNotANumberEndsTheReadingWithAWarning) {
  const struct {
    const char* text;
    int32_t points;
    std::vector<std::string> args;
  } cases[] = {
      {"1 2 3\r\n4 5 x\r\n6 7 8\r\n", 1, {"2", "1"}},
      {"x y z\r\n1 2 3\r\n", 0, {"1", "0"}},  // a heading line
      {"1 2 3\r\n4 5 6\r\n7 8 nan\r\n", 2, {"3", "2"}},
      {"1 2 3\n\n\n4,5,1e999\n", 1, {"4", "1"}},  // LF only, blank lines, overflow
      {"1 2 3\r\n4 5 6 abc", 2, {"2", "2"}},      // after a whole triple
      {"1 2 3\r\n4 5\r\n", 1, {}},                // cut short by the end: no warning
      {"1 2 3 1e-999\r\n", 1, {}},                // below the smallest double: 0, cut short
  };
  for (const auto& c : cases) {
    DataState s;
    RecordingReporter r;
    ASSERT_EQ(Read(c.text, s, r, OptionsFor(Format::Xyz)), ReadStatus::Ok) << c.text;
    EXPECT_EQ(s.nData, c.points) << c.text;
    EXPECT_EQ(s.xData.size(), static_cast<size_t>(c.points) + 1) << c.text;
    if (c.args.empty()) {
      EXPECT_TRUE(r.shown.empty()) << c.text;
    } else {
      EXPECT_EQ(r.shown, std::vector{Msg::XyzReadStopped}) << c.text;
      EXPECT_EQ(r.args.at(0), c.args) << c.text;
    }
  }
  EXPECT_EQ(core::FilledText(Msg::XyzReadStopped, {"12", "11"}),
            "12行目に数値でないデータがあります。そこまでの11点を読み込みました。以降のデータは読み"
            "込みません。");
}

}  // namespace
