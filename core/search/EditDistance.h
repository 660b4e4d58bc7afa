#pragma once
// Edit distance with a bound, for the similar-word search.

#include <cstdint>
#include <string_view>

namespace sahdict {

// The Levenshtein distance between a and b (insertions, deletions and
// substitutions of one character each) when it is at most `limit`, otherwise
// limit + 1. Only a band of width 2 * limit + 1 is computed, and the work stops
// as soon as every path exceeds the limit.
int32_t BoundedEditDistance(std::u16string_view a, std::u16string_view b, int32_t limit);

}  // namespace sahdict
