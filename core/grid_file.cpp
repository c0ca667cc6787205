#include "core/grid_file.h"

#include "core/numbers.h"

namespace core {

namespace {
constexpr char kFieldSeparator = ' ';
constexpr const char* kLineEnd = "\r\n";
}  // namespace

void AppendGridHeader(std::string& out, int32_t nx, int32_t ny) {
  out += FormatInteger(nx);
  out.push_back(kFieldSeparator);
  out += FormatInteger(ny);
  out += kLineEnd;
}

void AppendGridValue(std::string& out, double v, int digits) {
  AppendGeneral(out, v, digits);
  out += kLineEnd;
}

void AppendCountLine(std::string& out, int64_t count) {
  out += FormatInteger(count);
  out += kLineEnd;
}

void AppendGridPair(std::string& out, double first, double second, int digits) {
  AppendGeneral(out, first, digits);
  out.push_back(kFieldSeparator);
  AppendGeneral(out, second, digits);
  out += kLineEnd;
}

std::string GridFileText(int32_t nx, int32_t ny, const std::vector<double>& values, int digits) {
  std::string out;
  out.reserve(values.size() * GridValueBytes(digits) + 32);
  AppendGridHeader(out, nx, ny);
  for (double v : values) AppendGridValue(out, v, digits);
  return out;
}

WriteResult DataWrite(const DataState& s, int digits) {
  std::vector<double> values;
  values.reserve(s.nodes.nodes().size());
  for (int32_t j = 1; j <= s.gridNy; ++j)
    for (int32_t i = 1; i <= s.gridNx; ++i) values.push_back(s.nodes.Node(i, j).value);
  return WriteFileReplacing(s.gridFile, GridFileText(s.gridNx, s.gridNy, values, digits),
                            {s.dataFile});
}

}  // namespace core
