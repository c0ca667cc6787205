#include "core/lattice.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/numbers.h"

namespace core {

namespace {

// Node count of one direction. An empty box or exactly "0" takes the default
// and writes it back; a number not above 1 is corrected to 2 after `warn`.
std::optional<int64_t> NodeCount(std::string& text, double defaultValue, Msg warn, Msg notNumber,
                                 Reporter& report) {
  if (text.empty() || text == "0") {
    double n = RoundHalfEven(defaultValue);
    if (n <= 1) n = 2;
    text = FormatInteger(static_cast<int64_t>(n));
    return static_cast<int64_t>(n);
  }
  std::optional<double> v = ParseNumber(text);
  if (!v) {
    report.Show(notNumber);
    return std::nullopt;
  }
  if (*v <= 1) {
    report.Show(warn);
    text = "2";
    v = 2;
  }
  const double n = RoundHalfEven(*v);
  if (n > static_cast<double>(kMaxNodes)) {
    report.Show(Msg::TooManyNodes);
    return std::nullopt;
  }
  return static_cast<int64_t>(n);
}

// The smaller of two box values at single precision becomes the lower
// bound; both are kept at double precision, and on a tie the lower bound is
// the second box's value.
void OrderBounds(double first, double second, double& low, double& high) {
  const float f1 = static_cast<float>(first), f2 = static_cast<float>(second);
  // Values beyond the single range would all compare equal as infinities;
  // those are compared as they are.
  const bool singles = std::isfinite(f1) && std::isfinite(f2);
  if (singles ? f1 < f2 : first < second) {
    low = first;
    high = second;
  } else {
    low = second;
    high = first;
  }
}

std::string AsR(double v) { return FormatMaskSingle(v, "######0.#######"); }
std::string AsI(double v) {
  const double r = RoundHalfEven(v);
  if (std::fabs(r) < 9e18) return FormatInteger(static_cast<int64_t>(r));
  return FormatMask(r, "0");  // beyond the 64-bit range: still a plain integer text
}

}  // namespace

std::string CountText(double v) {
  std::string t = AsI(v);
  const std::optional<double> back = ParseNumber(t);
  if (!back || *back <= 1) t = "2";
  return t;
}

LatticeStatus DataRead2(Format format, RegionTexts& box, DataState& s, Reporter& report) {
  if (s.nData < 1) {
    report.Show(Msg::NoData);
    return LatticeStatus::Refused;
  }
  const bool ijz = format == Format::Ijz;
  const double defaultNx = ijz ? s.inNx / 2.0 : std::sqrt(static_cast<double>(s.nData)) / 2;
  const double defaultNy = ijz ? s.inNy / 2.0 : std::sqrt(static_cast<double>(s.nData)) / 2;
  const auto nx = NodeCount(box.text25, defaultNx, Msg::NxInvalid, Msg::NxNotNumber, report);
  if (!nx) return LatticeStatus::Refused;
  const auto ny = NodeCount(box.text26, defaultNy, Msg::NyInvalid, Msg::NyNotNumber, report);
  if (!ny) return LatticeStatus::Refused;
  if (*nx * *ny > kMaxNodes) {
    report.Show(Msg::TooManyNodes);
    return LatticeStatus::Refused;
  }

  double x1 = s.xMin, x2 = s.xMax, y1 = s.yMin, y2 = s.yMax;
  if (!box.text21.empty() && !box.text22.empty() && !box.text23.empty() && !box.text24.empty()) {
    const auto t21 = ParseNumber(box.text21), t22 = ParseNumber(box.text22);
    const auto t23 = ParseNumber(box.text23), t24 = ParseNumber(box.text24);
    if (!t21 || !t22 || !t23 || !t24) {
      report.Show(Msg::RegionNotNumber);
      return LatticeStatus::Refused;
    }
    OrderBounds(*t21, *t23, x1, x2);
    OrderBounds(*t22, *t24, y1, y2);
  }
  const double dx = std::fabs(x2 - x1) / static_cast<double>(*nx);
  const double dy = std::fabs(y2 - y1) / static_cast<double>(*ny);
  // A zero spacing would put every point in one cell column or row at an
  // infinite position; an infinite one (bounds near the double range) makes
  // every distance meaningless.
  if (!(dx > 0 && dy > 0 && std::isfinite(dx) && std::isfinite(dy))) {
    report.Show(Msg::RegionZeroSize);
    return LatticeStatus::Refused;
  }

  s.gridNx = static_cast<int32_t>(*nx);
  s.gridNy = static_cast<int32_t>(*ny);
  s.gridX1 = x1;
  s.gridX2 = x2;
  s.gridY1 = y1;
  s.gridY2 = y2;
  s.gridDx = dx;
  s.gridDy = dy;
  s.nodes.Allocate(s.gridNx, s.gridNy);
  return LatticeStatus::Ok;
}

RegionTexts DefaultRegionTexts(Format format, const DataState& s) {
  RegionTexts t;
  const double x1 = (3 * s.xMin + s.xMax) / 4, y1 = (3 * s.yMin + s.yMax) / 4;
  const double x2 = (3 * s.xMax + s.xMin) / 4, y2 = (3 * s.yMax + s.yMin) / 4;
  if (format == Format::Ijz) {
    t.text21 = AsI(x1);
    t.text22 = AsI(y1);
    t.text23 = AsI(x2);
    t.text24 = AsI(y2);
    t.text25 = CountText(s.inNx / 2.0);
    t.text26 = CountText(s.inNy / 2.0);
  } else {
    t.text21 = AsR(x1);
    t.text22 = AsR(y1);
    t.text23 = AsR(x2);
    t.text24 = AsR(y2);
    // A count error may leave a negative count: no point to spread.
    const double n = std::sqrt(static_cast<double>(std::max(s.nData, 0))) / 2;
    t.text25 = CountText(n);
    t.text26 = CountText(n);
  }
  return t;
}

}  // namespace core
