#pragma once
// The plain walks and the exchange sort that define the store's results. The
// store answers through its pair table and SortDictionary through a merge
// sort; tests and benchmarks check those against these.

#include <cstdint>
#include <string>

#include "core/dict/DictCallbacks.h"
#include "core/dict/DictStore.h"

namespace sahdict {

// The n-th entry of pair counted by a walk from position 1 (n <= 0: the empty
// record; past the last entry of the pair: the empty record).
DictEntry LinearGetEntry(const DictStore& store, int32_t n, const std::u16string& pair);

// Walks positions 1..count counting the entries of pair; returns the count at
// the first one whose Word is not below text, or 0.
int32_t LinearFindFirstEntry(const DictStore& store, const std::u16string& text, const std::u16string& pair);

// The bidirectional exchange sort on the order index (a forward and a
// backward pass per sweep, progress after every second sweep), then duplicate
// removal by copying records with SetEntry. Quadratic: for small stores only.
void ExchangeSortDictionary(DictStore& store, const ProgressFn& progress);

}  // namespace sahdict
