#include "core/grid_file.h"

#include "core/numbers.h"

namespace core {

std::string GridFileText(int32_t nx, int32_t ny, const std::vector<double>& values, int digits) {
  std::string out;
  out.reserve(values.size() * static_cast<size_t>(digits + 8) + 32);
  out += FormatInteger(nx);
  out.push_back(' ');
  out += FormatInteger(ny);
  out += "\r\n";
  for (double v : values) {
    AppendGeneral(out, v, digits);
    out += "\r\n";
  }
  return out;
}

WriteResult DataWrite(const DataState& s, int digits) {
  std::vector<double> values;
  values.reserve(s.nodes.nodes().size());
  for (int32_t j = 1; j <= s.gridNy; ++j)
    for (int32_t i = 1; i <= s.gridNx; ++i) values.push_back(s.nodes.Node(i, j).value);
  return WriteFileReplacing(s.gridFile, GridFileText(s.gridNx, s.gridNy, values, digits), {s.dataFile});
}

}  // namespace core
