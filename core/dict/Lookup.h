#pragma once
// The incremental search's choice of position, shared by the lookup window and
// the command-line tool.

#include <cstdint>
#include <string>

#include "core/dict/DictStore.h"

namespace sahdict {

// Rewrites `text` with NormalizeSakha until it no longer changes (at most a
// few dozen rounds). Returns the text.
std::u16string& NormalizeSakhaFully(std::u16string& text);

// True when typed search text is rewritten into the canonical Sakha form for
// `pair`: its source language is "SAH".
bool NormalizesSearchText(const std::u16string& pair);

// The 1-based position within `pair` that the search selects for `text`, or 0
// when no entry of the pair is not below it. When the pair's source language is
// "SAH", `text` is first rewritten with NormalizeSakhaFully (the search box shows
// the rewritten text), otherwise it is searched as it is.
int32_t LookupPosition(const DictStore& store, const std::u16string& pair, std::u16string& text);

}  // namespace sahdict
