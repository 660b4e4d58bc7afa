#pragma once
// The word list of a Sakha source in Sakha alphabetical order: a permutation of
// the pair's rows, kept per pair until the store changes.

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/dict/DictStore.h"

namespace sahdict {

struct RowOrder {
  std::vector<int32_t> positions;    // row (0-based) -> 1-based position within the pair
  std::vector<int32_t> rows;         // position - 1 -> row
  std::vector<std::u16string> keys;  // SakhaOrderKey of each row's Word, in row order

  // The first row whose Word is not below `canonical` in Sakha order; -1 when
  // every Word is below it.
  int32_t FirstRow(const std::u16string& canonical) const;
};

// The pair's entries sorted by SakhaOrderKey of their Word; entries with equal
// keys keep their sorted order.
RowOrder BuildSakhaOrder(const DictStore& store, const std::u16string& pair);

// Keeps one RowOrder per pair, built on first use and dropped when the store's
// ChangeStamp moves. Not for use from two threads at once.
class ListOrders {
 public:
  std::shared_ptr<const RowOrder> SakhaOrder(const DictStore& store, const std::u16string& pair);

 private:
  uint64_t stamp_ = 0;
  std::unordered_map<std::u16string, std::shared_ptr<const RowOrder>> orders_;
};

}  // namespace sahdict
