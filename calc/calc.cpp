#include "calc/calc.h"

#include <cmath>

#include "core/grid_file.h"
#include "core/numbers.h"
#include "core/text_file.h"

namespace calc {

const char* const kOperationTexts[kOperationCount] = {
    "C(i,j)=a･A(i,j)+b･B(i,j)", "C(i,j)=a･A(i,j)B(i,j)",  "C(i,j)=a･A(i,j)/B(i,j)",
    "C(i,j)=a･log|A(i,j)+b|",   "C(i,j)=a･A(i,j)+b",      "C(i,j)=a･A(j,i)+b",
    "C(i,j)=a･A(nx-i,j)+b",     "C(i,j)=a･A(i,ny-j)+b",   "C(i,j)=a･A(nx-i,ny-j)+b",
    "C(i,j)=a･A(ny-j,nx-i)+b",  "C(i,j) : b*j+a, A(i,j)", "C(i,j) : b*i+a, A(i,j)",
};

namespace {

// The value a division by zero (operation 2) and a logarithm of zero
// (operation 3) are replaced with, times a.
constexpr double kSubstitute = 100000.0;

// A grid seen through its 1-based indices.
class GridView {
 public:
  GridView(const std::vector<double>& v, int32_t nx) : v_(v.data()), nx_(static_cast<size_t>(nx)) {}
  double operator()(int32_t i, int32_t j) const {
    return v_[static_cast<size_t>(i - 1) + nx_ * static_cast<size_t>(j - 1)];
  }

 private:
  const double* v_;
  size_t nx_;
};

// The ijz grid C(i, j) = c(i, j), j = 1..ny outer, i = 1..nx inner.
template <class F>
bool AppendGrid(std::string& out, const Operands& op, int digits, F c) {
  core::AppendGridHeader(out, op.nx, op.ny);
  for (int32_t j = 1; j <= op.ny; ++j) {
    for (int32_t i = 1; i <= op.nx; ++i) {
      const double v = c(i, j);
      if (!std::isfinite(v)) return false;
      core::AppendGridValue(out, v, digits);
    }
  }
  return true;
}

// `blocks` profiles of `points` points each; point p (1-based) of profile q
// has the abscissa a + (p − 1)·b and the value value(q, p).
template <class F>
bool AppendProfiles(std::string& out, const Operands& op, int32_t blocks, int32_t points,
                    int digits, F value) {
  for (int32_t q = 1; q <= blocks; ++q) {
    core::AppendCountLine(out, points);
    for (int32_t p = 1; p <= points; ++p) {
      const double x = op.a + static_cast<double>(p - 1) * op.b;
      const double v = value(q, p);
      if (!std::isfinite(x)) return false;
      core::AppendGridPair(out, x, v, digits);
    }
  }
  return true;
}

// A size field: a whole number from 1 up.
std::optional<int32_t> SizeOf(const std::string& text) {
  const std::optional<double> v = core::ParseNumber(text);
  if (!v || *v < 1 || *v > INT32_MAX || *v != std::floor(*v)) return std::nullopt;
  return static_cast<int32_t>(*v);
}

}  // namespace

std::optional<core::Msg> CheckRun(const RunInputs& in) {
  const bool withB = UsesGridB(in.operation);
  if (withB && (in.text11.empty() || in.text12.empty())) return core::Msg::CalcABNotSet;
  if (in.text21.empty()) return core::Msg::CalcANotSet;
  if (in.text22.empty() && UsesNumberB(in.operation)) return core::Msg::CalcBNotSet;
  if (withB && (in.text4 != in.text2 || in.text5 != in.text3)) return core::Msg::CalcSizeMismatch;
  if ((in.operation == 5 || in.operation == 9) && in.text2 != in.text3)
    return core::Msg::CalcNotSquare;
  return std::nullopt;
}

std::string OutputPath(const RunInputs& in, const Grids& g) {
  const std::string& folder = in.option1 || g.dirB.empty() ? g.dirA : g.dirB;
  return core::JoinPath(folder, kOutputName);
}

std::optional<std::string> CalcText(const Operands& op, const std::vector<double>& A,
                                    const std::vector<double>& B, int digits) {
  const GridView a(A, op.nx), bGrid(B, op.nx);
  const double s = op.a, t = op.b;
  const int32_t nx = op.nx, ny = op.ny;
  const size_t values = static_cast<size_t>(nx) * static_cast<size_t>(ny);
  std::string out;
  bool ok = true;
  switch (op.operation) {
    case 0:
      out.reserve(values * core::GridValueBytes(digits) + 32);
      ok = AppendGrid(out, op, digits,
                      [&](int32_t i, int32_t j) { return s * a(i, j) + t * bGrid(i, j); });
      break;
    case 1:
      out.reserve(values * core::GridValueBytes(digits) + 32);
      ok = AppendGrid(out, op, digits,
                      [&](int32_t i, int32_t j) { return (s * a(i, j)) * bGrid(i, j); });
      break;
    case 2:
      out.reserve(values * core::GridValueBytes(digits) + 32);
      ok = AppendGrid(out, op, digits, [&](int32_t i, int32_t j) {
        const double divisor = bGrid(i, j);
        return divisor != 0 ? (s * a(i, j)) / divisor : a(i, j) * (s * kSubstitute);
      });
      break;
    case 3:
      out.reserve(values * core::GridValueBytes(digits) + 32);
      ok = AppendGrid(out, op, digits, [&](int32_t i, int32_t j) {
        const double sum = a(i, j) + t;
        return sum != 0 ? s * std::log(std::fabs(sum)) : -kSubstitute * s;
      });
      break;
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9: {
      out.reserve(values * core::GridValueBytes(digits) + 32);
      // The element of A that C(i, j) takes: the same, transposed, mirrored
      // left-right, top-bottom, both, or about the other diagonal. "nx-i" of
      // the list texts counts from 0, so 1-based it is nx + 1 − i.
      auto at = [&](int32_t i, int32_t j) {
        switch (op.operation) {
          case 5:
            return a(j, i);
          case 6:
            return a(nx + 1 - i, j);
          case 7:
            return a(i, ny + 1 - j);
          case 8:
            return a(nx + 1 - i, ny + 1 - j);
          case 9:
            return a(ny + 1 - j, nx + 1 - i);
          default:
            return a(i, j);
        }
      };
      ok = AppendGrid(out, op, digits, [&](int32_t i, int32_t j) { return s * at(i, j) + t; });
      break;
    }
    case 10:
      out.reserve(values * 2 * core::GridValueBytes(digits) + static_cast<size_t>(nx) * 12);
      ok = AppendProfiles(out, op, nx, ny, digits, [&](int32_t i, int32_t j) { return a(i, j); });
      break;
    case 11:
      out.reserve(values * 2 * core::GridValueBytes(digits) + static_cast<size_t>(ny) * 12);
      ok = AppendProfiles(out, op, ny, nx, digits, [&](int32_t j, int32_t i) { return a(i, j); });
      break;
    default:
      return std::nullopt;
  }
  if (!ok) return std::nullopt;
  return out;
}

bool Calc(const RunInputs& in, const Grids& g, const std::string& outputPath, int digits,
          core::DataState& main, core::Reporter& report, const std::vector<std::string>& inputs) {
  if (in.operation < 0 || in.operation >= kOperationCount) return false;  // no such list entry
  if (in.text11.empty()) {
    report.Show(core::Msg::FileNotSpecified);
    return false;
  }
  const std::optional<int32_t> nx = SizeOf(in.text2), ny = SizeOf(in.text3);
  const size_t values = nx && ny ? static_cast<size_t>(*nx) * static_cast<size_t>(*ny) : 0;
  if (values == 0 || g.gridA.size() != values) {
    report.Show(core::Msg::CalcGridUnread, {"Ａ"});
    return false;
  }
  if (UsesGridB(in.operation) && g.gridB.size() != values) {
    report.Show(core::Msg::CalcGridUnread, {"Ｂ"});
    return false;
  }
  Operands op;
  op.operation = in.operation;
  op.nx = *nx;
  op.ny = *ny;
  const std::optional<double> a = core::ParseNumber(in.text21);
  if (!a) {
    report.Show(core::Msg::CalcANotSet);
    return false;
  }
  op.a = *a;
  if (UsesNumberB(in.operation)) {
    const std::optional<double> b = core::ParseNumber(in.text22);
    if (!b) {
      report.Show(core::Msg::CalcBNotSet);
      return false;
    }
    op.b = *b;
  }
  const std::optional<std::string> text = CalcText(op, g.gridA, g.gridB, digits);
  if (!text) {
    report.Show(core::Msg::CalcOverflow);
    return false;
  }
  if (const core::WriteResult written = core::WriteFileReplacing(outputPath, *text, inputs);
      !written) {
    report.Show(core::FailureMessage(written.status));
    return false;
  }
  main.gridFile = outputPath;
  main.inNx = op.nx;
  main.inNy = op.ny;
  core::SetDataCount(main, static_cast<int64_t>(values));
  return true;
}

}  // namespace calc
