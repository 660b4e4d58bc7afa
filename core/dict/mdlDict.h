#pragma once
// Sorting with duplicate removal, and the writer of the compiled dictionary.

#include <cstdint>
#include <filesystem>
#include <string>

#include "core/dict/DictCallbacks.h"
#include "core/dict/DictStore.h"

namespace sahdict {

// Orders the store by Word (ordinal, stable) and merges neighbouring entries
// that are identical in all five fields. Progress texts go to `progress` (may
// be empty) while a store that is out of order is sorted; a store already in
// order reports nothing.
void SortDictionary(DictStore& store, const ProgressFn& progress);

// Writes the store in the raw layout, declaring it sorted. Writes a temporary
// file beside `path` and renames it over `path` only when every byte is
// written; returns false (and leaves `path` as it was) on any failure. A Word,
// HeadWord, Note or Translation that begins with "--" is written with one
// leading space, which reading trims again; a LangPair that begins with "--"
// cannot be held by the layout and makes the write fail.
bool WriteCompiled(const DictStore& store, const std::filesystem::path& path);
// The same; on failure `error` says what went wrong (English, for logs and the tool).
bool WriteCompiled(const DictStore& store, const std::filesystem::path& path, std::string& error);

// The sort's status text for a finished fraction (0..1) after elapsedSeconds:
// "Rebuilding dictionary - 12.50% complete, wait for 0:00:07".
std::u16string SortProgressText(float fraction, double elapsedSeconds);

}  // namespace sahdict
