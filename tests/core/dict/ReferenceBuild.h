#pragma once
// A plain build of a dictionary from a text-layout file: every entry a record
// of five whole texts, as the reader's steps describe them, then a stable sort
// by Word and the merge of identical neighbours. The store, which keeps each
// text once, must give the same five texts at every position.

#include <filesystem>
#include <vector>

#include "core/dict/DictEntry.h"

namespace sahdict::test {

// The entries of a text-layout file (Windows-1251, a "languages" header before
// the first article) in sorted order.
std::vector<DictEntry> ReferenceBuild(const std::filesystem::path& file);

}  // namespace sahdict::test
