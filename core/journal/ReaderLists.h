#pragma once
// The reader's lists kept across starts: the history of the articles opened
// and the favourite words. Each change is appended to its journal at once, so
// a kill loses nothing already shown; Compact rewrites a journal as one record
// per word, in one step.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/journal/Journal.h"

namespace sahdict {

struct ListEntry {
  std::u16string word;  // the entry's Word
  std::u16string pair;  // its language pair
  int64_t time = 0;     // seconds since 1970: the last lookup, or when it was marked
  int32_t count = 0;    // lookups (history only)
};

// What happened when a list was read from its journal.
struct ListLoad {
  bool setAside = false;  // a damaged rest went to the ".bad" file beside it
};

// The articles opened, newest first, one entry per word and pair.
class LookupHistory {
 public:
  static constexpr size_t kMaxEntries = 10000;

  // history.journal (and history.bad for what cannot be read) in `folder`.
  explicit LookupHistory(const std::filesystem::path& folder);

  ListLoad Load();
  // One more lookup of `word` in `pair` at `time`: the entry comes first.
  // False when the journal could not be written (the list still has it).
  bool Record(const std::u16string& word, const std::u16string& pair, int64_t time);
  bool Clear();
  // The journal as the list stands, at most kMaxEntries, the newest kept.
  bool Compact();

  const std::vector<ListEntry>& Entries() const { return entries_; }

 private:
  void Apply(const std::u16string& word, const std::u16string& pair, int64_t time, int32_t count);

  Journal journal_;
  std::vector<ListEntry> entries_;
};

// The words the reader marked, in the order marked.
class Favourites {
 public:
  // favourites.journal (and favourites.bad) in `folder`.
  explicit Favourites(const std::filesystem::path& folder);

  ListLoad Load();
  bool Add(const std::u16string& word, const std::u16string& pair, int64_t time);
  bool Remove(const std::u16string& word, const std::u16string& pair);
  bool Contains(const std::u16string& word, const std::u16string& pair) const;
  bool Compact();

  const std::vector<ListEntry>& Entries() const { return entries_; }

 private:
  Journal journal_;
  std::vector<ListEntry> entries_;
};

}  // namespace sahdict
