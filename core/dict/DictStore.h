#pragma once
// The in-memory dictionary: an entry table (slot 0 is always the empty record),
// an order index that presents the entries in sorted order, and a count of valid
// sorted positions. Positions are 1-based; position 0 yields the empty record.

#include <cstdint>
#include <string>
#include <vector>

#include "core/dict/DictEntry.h"

namespace sahdict {

class DictStore {
 public:
  DictStore();

  // Table and index shrink to slot 0; count = 0.
  void ClearDictionary();
  // Appends one entry; the four text fields are trimmed of spaces, langPair is kept as is.
  void AddEntry(const std::u16string& word, const std::u16string& headWord, const std::u16string& note,
                const std::u16string& translation, const std::u16string& langPair);
  int32_t GetEntryCount() const;
  void SetEntryCount(int32_t n);

  // pair "": the entry at sorted position n. Otherwise the n-th entry (1-based,
  // sorted order) whose LangPair equals pair; n <= 0 gives the empty record.
  DictEntry GetEntry(int32_t n, const std::u16string& pair = {}) const;
  // The entry at sorted position n without copying (0 <= n <= count).
  const DictEntry& EntryAt(int32_t n) const;
  // Overwrites the record at sorted position n.
  void SetEntry(int32_t n, const DictEntry& entry);

  // 1-based position within pair of the first entry whose Word is not below
  // text (ordinal), or 0 when there is none.
  int32_t FindFirstEntry(const std::u16string& text, const std::u16string& pair) const;
  // True when the entries at sorted positions a and b are identical in all five fields.
  bool EntriesEqual(int32_t a, int32_t b) const;

  // Number of entries whose LangPair equals pair.
  int32_t GetPairCount(const std::u16string& pair) const;
  // Distinct LangPair values in the order of their first occurrence in sorted order.
  std::vector<std::u16string> GetPairs() const;

  // The order index, for the sort: slot p holds the table slot at sorted position p.
  std::vector<int32_t>& OrderIndex();

 private:
  // ... implementation detail: entry table, order index, count, and the
  // per-pair position table (rebuilt lazily after any change).
};

}  // namespace sahdict
