#include "core/ijz_grid.h"

#include <algorithm>

#include "core/fields.h"

namespace core {

IjzGrid ReadIjzGrid(std::string_view bytes) {
  IjzGrid g;
  FieldReader in(bytes);
  if (!in.NextInteger(g.nx) || !in.NextInteger(g.ny)) {
    g.nx = g.ny = 0;
    return g;  // SizeUnreadable
  }
  g.sizeRead = true;
  const int64_t n = g.Count();
  if (n > INT32_MAX) {
    g.status = IjzStatus::SizeTooLarge;
    return g;
  }
  if (g.nx < 1 || g.ny < 1) {
    g.status = IjzStatus::SizeNotPositive;
    return g;
  }
  if (n < 3) {
    g.status = IjzStatus::CountBelowThree;
    return g;
  }
  // Every field takes at least one byte and one separator.
  const int64_t fieldsPossible = static_cast<int64_t>(bytes.size() / 2 + 1);
  g.z.reserve(static_cast<size_t>(std::min(n, fieldsPossible)));
  double v = 0;
  while (g.valuesRead < n && in.Next(v)) {
    g.z.push_back(v);
    ++g.valuesRead;
  }
  if (g.valuesRead == n) {
    g.status = IjzStatus::Ok;
    return g;
  }
  g.status = IjzStatus::DataError;
  if (n <= fieldsPossible) g.z.resize(static_cast<size_t>(n), 0.0);
  return g;
}

}  // namespace core
