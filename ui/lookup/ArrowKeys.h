#pragma once
// The arrow keys of the search box: the word-list row they move to.

#include <cstdint>

namespace sahdict::ui {

enum class ArrowKey { Up, Down };

// The row the arrow keys select from `selected` (-1: none), wrapping around at
// both ends; -1 on an empty list.
int32_t ArrowRow(int32_t selected, int32_t rowCount, ArrowKey key);

}  // namespace sahdict::ui
