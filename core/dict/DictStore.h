#pragma once
// The in-memory dictionary: an entry table (slot 0 is always the empty record),
// an order index that presents the entries in sorted order, and a count of valid
// sorted positions. Positions are 1-based; position 0 yields the empty record.
// Each text is kept once, in a text table: an entry holds the ids of its texts,
// so the entries of one article share its HeadWord, Note and Translation, and a
// derived entry's Word cites the HeadWord instead of repeating it.
// A table of each pair's sorted positions is built on the first read after a
// change, so even const reads may update it: one thread at a time.

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/dict/DictEntry.h"
#include "core/dict/TextTable.h"

namespace sahdict {

class DictStore {
 public:
  DictStore();

  // Table and index shrink to slot 0; count = 0.
  void ClearDictionary();
  // Appends one entry; the four text fields are trimmed of spaces, langPair is kept as is.
  void AddEntry(std::u16string_view word, std::u16string_view headWord, std::u16string_view note,
                std::u16string_view translation, std::u16string_view langPair);

  // The texts of one article, kept once for all of its entries.
  struct ArticleTexts {
    TextTable::Id HeadWord = 0;
    TextTable::Id Note = 0;
    TextTable::Id Translation = 0;
  };
  // Keeps the article's texts, each trimmed of spaces, for the two calls below.
  ArticleTexts KeepArticle(std::u16string_view headWord, std::u16string_view note, std::u16string_view translation);
  // Appends an entry of the article with its HeadWord as Word.
  void AddArticleEntry(const ArticleTexts& article, std::u16string_view langPair);
  // Appends an entry of the article whose Word is `derived`, " (", HeadWord,
  // ")", trimmed: the same as AddEntry with those texts, without repeating them.
  void AddDerivedEntry(const ArticleTexts& article, std::u16string_view derived, std::u16string_view langPair);
  int32_t GetEntryCount() const;
  void SetEntryCount(int32_t n);

  // pair "": the entry at sorted position n. Otherwise the n-th entry (1-based,
  // sorted order) whose LangPair equals pair; n <= 0 gives the empty record.
  DictEntry GetEntry(int32_t n, const std::u16string& pair = {}) const;
  // The entry at sorted position n without copying its texts (0 <= n <= count).
  // Positions outside the valid range yield the empty record.
  EntryView EntryAt(int32_t n) const;
  // Only its Word, which is all that sorting and searching read.
  EntryWord WordAt(int32_t n) const;
  // The Word of GetEntry(n, pair), without copying the other texts.
  EntryWord WordAt(int32_t n, const std::u16string& pair) const;
  // Overwrites the record at sorted position n (1..M; other positions are ignored).
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
  // Asking for the writable index marks the pair table stale; make the writes
  // before the next pair read (filtered GetEntry, FindFirstEntry, GetPairCount,
  // GetPairs), or ask for the index again after it.
  std::vector<int32_t>& OrderIndex();
  const std::vector<int32_t>& OrderIndex() const;

  // True when the Words of every pair's entries ascend in sorted order, so that
  // FindFirstEntry can search by halves (otherwise it walks the pair's entries).
  bool PairWordsOrdered() const;

  // A number that changes with every change of the entries, the count or the
  // order (asking for the writable order index counts as one). Stamps are
  // never reused in the process, and a copy of a store carries its stamp with
  // the same contents, so equal stamps mean equal contents: a cache built from
  // a store is current while the stamp stays the same.
  uint64_t ChangeStamp() const;

 private:
  // Sorted positions of one pair's entries, in ascending order.
  struct PairPositions {
    std::vector<int32_t> positions;
    bool wordsOrdered = true;  // Word never decreases along `positions`
  };

  // The pair's positions, or nullptr when no entry has that pair. Rebuilds the
  // table first when the store changed since it was built.
  const PairPositions* FindPair(const std::u16string& pair) const;
  void BuildPairTable() const;
  // The count limited to the positions that exist (0..M).
  int32_t ValidCount() const;

  // One entry as ids of its texts.
  struct Stored {
    TextTable::Id LangPair = 0;
    TextTable::Id Word = 0;  // the whole Word, or its own part when it cites the HeadWord
    TextTable::Id HeadWord = 0;
    TextTable::Id Note = 0;
    TextTable::Id Translation = 0;
    bool WordCitesHead = false;  // Word is followed by " (", HeadWord and ")"
  };
  // The id of `text`: `neighbour` when that is the same text, else the table's.
  TextTable::Id KeepText(std::u16string_view text, TextTable::Id neighbour);
  // The record of untrimmed texts, the Word cited when it has that form.
  Stored Keep(std::u16string_view word, std::u16string_view headWord, std::u16string_view note,
              std::u16string_view translation, std::u16string_view langPair);
  void Append(const Stored& entry);
  EntryView ViewOf(const Stored& entry) const;
  EntryWord WordOf(const Stored& entry) const;
  const Stored& StoredAt(int32_t n) const;

  TextTable texts_;
  std::vector<Stored> entries_;  // slot 0 is the empty record
  std::vector<int32_t> index_;   // sorted position -> entry slot
  int32_t count_ = 0;

  // Per-pair position table, built on first use after any change.
  mutable bool tableValid_ = false;
  mutable std::unordered_map<std::u16string, size_t> pairSlot_;  // pair text -> place in pairTable_
  mutable std::vector<std::u16string> pairOrder_;
  mutable std::vector<PairPositions> pairTable_;
  mutable bool allPairsOrdered_ = true;

  uint64_t changeStamp_ = 0;
  void Changed();
};

}  // namespace sahdict
