#include "core/search/EditDistance.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace sahdict {

int32_t BoundedEditDistance(std::u16string_view a, std::u16string_view b, int32_t limit) {
  const auto n = static_cast<int32_t>(a.size());
  const auto m = static_cast<int32_t>(b.size());
  const int32_t over = limit + 1;
  if (limit < 0 || std::abs(n - m) > limit) return over;
  // row[j] = distance between the first i characters of a and the first j of
  // b; cells outside the band |i - j| <= limit count as `over`.
  thread_local std::vector<int32_t> row;
  row.assign(static_cast<size_t>(m) + 1, over);
  for (int32_t j = 0; j <= std::min(m, limit); ++j) row[static_cast<size_t>(j)] = j;
  for (int32_t i = 1; i <= n; ++i) {
    const int32_t from = std::max(1, i - limit);
    const int32_t to = std::min(m, i + limit);
    int32_t diagonal = row[static_cast<size_t>(from - 1)];  // row i-1, column from-1
    int32_t left = i <= limit ? i : over;                   // row i, column from-1
    if (from > 1)
      row[static_cast<size_t>(from - 1)] = over;
    else
      row[0] = left;
    int32_t best = left;
    for (int32_t j = from; j <= to; ++j) {
      const int32_t up = row[static_cast<size_t>(j)];
      const int32_t cost = a[static_cast<size_t>(i - 1)] == b[static_cast<size_t>(j - 1)] ? 0 : 1;
      const int32_t cell = std::min({diagonal + cost, up + 1, left + 1, over});
      diagonal = up;
      row[static_cast<size_t>(j)] = left = cell;
      best = std::min(best, cell);
    }
    if (to < m) row[static_cast<size_t>(to) + 1] = over;
    if (best > limit) return over;
  }
  return std::min(row[static_cast<size_t>(m)], over);
}

}  // namespace sahdict
