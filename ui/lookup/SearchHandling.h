#pragma once
// The incremental search of the lookup window, apart from its controls.

#include <cstdint>
#include <string>

#include "core/dict/DictStore.h"

namespace sahdict::ui {

struct SearchBoxText {
  std::u16string text;     // the canonical form of the box's text
  int32_t selStart = 0;    // caret: characters before it
  int32_t selLength = 0;   // characters selected from the caret on
};

// The box's text in canonical form, with the caret (characters before it) and
// the selected text carried over: the caret lands after the canonical form of
// what stood before it, and the selection spans the canonical form of the
// selected text.
SearchBoxText NormalizeSearchText(const std::u16string& text, int32_t caret, const std::u16string& selected);

// The list row to select for `text`: the first word of `pair` not below it.
// -1 when the selection stays: no such word, no pair (""), or a row the list,
// which holds `rowCount` rows, does not have.
int32_t SearchRow(const DictStore& store, const std::u16string& pair, const std::u16string& text, int32_t rowCount);

enum class ArrowKey { Up, Down };

// The row the arrow keys select from `selected` (-1: none), wrapping around at
// both ends; -1 on an empty list.
int32_t ArrowRow(int32_t selected, int32_t rowCount, ArrowKey key);

}  // namespace sahdict::ui
