#pragma once
// Sorting with duplicate removal, and the writer of the compiled dictionary.

#include <filesystem>
#include <string>

#include "core/dict/DictStore.h"
#include "core/dict/mdlDictParser.h"

namespace sahdict {

// Orders the store by Word (ordinal, stable) and merges neighbouring entries
// that are identical in all five fields. Progress texts go to `progress`.
void SortDictionary(DictStore& store, const ProgressFn& progress);

// Writes the store in the raw layout, declaring it sorted. Writes a temporary
// file beside `path` and renames it over `path` only when every byte is
// written; returns false (and leaves `path` as it was) on any failure.
bool WriteCompiled(const DictStore& store, const std::filesystem::path& path);

}  // namespace sahdict
