#pragma once
// The incremental search's choice of position, shared by the lookup window and
// the command-line tool.

#include <cstdint>
#include <string>

#include "core/dict/DictStore.h"

namespace sahdict {

// Rewrites `text` with NormalizeSakha until it no longer changes (stops early
// should the rewrite ever come back to an earlier text or keep going for more
// than a few dozen rounds). Returns the text.
std::u16string& NormalizeSakhaFully(std::u16string& text);

// The 1-based position within `pair` that the search selects for `text`, or 0
// when no entry of the pair is not below it. When the pair's source language is
// "SAH", `text` is first rewritten with NormalizeSakhaFully (the search box shows
// the rewritten text), otherwise it is searched as it is.
int32_t LookupPosition(const DictStore& store, const std::u16string& pair, std::u16string& text);

}  // namespace sahdict
