#include "core/dict/DictStore.h"

#include <algorithm>
#include <atomic>

#include "core/text/mdlCommon.h"

namespace sahdict {

namespace {

const DictEntry& EmptyEntry() {
  static const DictEntry empty;
  return empty;
}

}  // namespace

DictStore::DictStore() { ClearDictionary(); }

void DictStore::Changed() {
  // One counter for all stores, so a stamp is never seen on two of them.
  static std::atomic<uint64_t> lastStamp{0};
  changeStamp_ = ++lastStamp;
  tableValid_ = false;
}

uint64_t DictStore::ChangeStamp() const { return changeStamp_; }

void DictStore::ClearDictionary() {
  entries_.assign(1, DictEntry{});
  index_.assign(1, 0);
  count_ = 0;
  Changed();
}

void DictStore::AddEntry(const std::u16string& word, const std::u16string& headWord, const std::u16string& note,
                         const std::u16string& translation, const std::u16string& langPair) {
  entries_.push_back(
      DictEntry{langPair, TrimSpaces(word), TrimSpaces(headWord), TrimSpaces(note), TrimSpaces(translation)});
  const auto slot = static_cast<int32_t>(entries_.size() - 1);
  index_.push_back(slot);
  count_ = slot;
  Changed();
}

int32_t DictStore::GetEntryCount() const { return count_; }

void DictStore::SetEntryCount(int32_t n) {
  count_ = n;
  Changed();
}

int32_t DictStore::ValidCount() const {
  const auto slots = static_cast<int32_t>(index_.size() - 1);
  return std::clamp(count_, 0, slots);
}

const DictEntry& DictStore::EntryAt(int32_t n) const {
  if (n < 0 || n > ValidCount()) return EmptyEntry();
  return entries_[static_cast<size_t>(index_[static_cast<size_t>(n)])];
}

DictEntry DictStore::GetEntry(int32_t n, const std::u16string& pair) const {
  if (pair.empty()) return EntryAt(n);
  if (n <= 0) return EntryAt(0);
  const PairPositions* pp = FindPair(pair);
  // Asking for more entries than the pair has is a caller error; answer with
  // the empty record instead of reading past the store.
  if (pp == nullptr || static_cast<size_t>(n) > pp->positions.size()) return EntryAt(0);
  return EntryAt(pp->positions[static_cast<size_t>(n) - 1]);
}

void DictStore::SetEntry(int32_t n, const DictEntry& entry) {
  // Slot 0 stays the empty record; positions beyond the table do not exist.
  if (n < 1 || static_cast<size_t>(n) >= index_.size()) return;
  entries_[static_cast<size_t>(index_[static_cast<size_t>(n)])] = entry;
  Changed();
}

int32_t DictStore::FindFirstEntry(const std::u16string& text, const std::u16string& pair) const {
  const PairPositions* pp = FindPair(pair);
  if (pp == nullptr) return 0;
  const auto& pos = pp->positions;
  if (pp->wordsOrdered) {
    // First entry whose Word is not below text: the insertion point.
    const auto it = std::lower_bound(pos.begin(), pos.end(), text,
                                     [this](int32_t p, const std::u16string& t) { return EntryAt(p).Word < t; });
    return it == pos.end() ? 0 : static_cast<int32_t>(it - pos.begin()) + 1;
  }
  // Words out of order (a hand-edited file that claims to be sorted): the
  // walk in sorted order gives the first entry not below text.
  for (size_t k = 0; k < pos.size(); ++k)
    if (text <= EntryAt(pos[k]).Word) return static_cast<int32_t>(k) + 1;
  return 0;
}

bool DictStore::EntriesEqual(int32_t a, int32_t b) const { return EntryAt(a) == EntryAt(b); }

int32_t DictStore::GetPairCount(const std::u16string& pair) const {
  const PairPositions* pp = FindPair(pair);
  return pp == nullptr ? 0 : static_cast<int32_t>(pp->positions.size());
}

std::vector<std::u16string> DictStore::GetPairs() const {
  FindPair(std::u16string());  // brings the table up to date
  return pairOrder_;
}

std::vector<int32_t>& DictStore::OrderIndex() {
  Changed();
  return index_;
}

const std::vector<int32_t>& DictStore::OrderIndex() const { return index_; }

bool DictStore::PairWordsOrdered() const {
  FindPair(std::u16string());
  return allPairsOrdered_;
}

const DictStore::PairPositions* DictStore::FindPair(const std::u16string& pair) const {
  if (!tableValid_) BuildPairTable();
  const auto it = pairSlot_.find(pair);
  return it == pairSlot_.end() ? nullptr : &pairTable_[it->second];
}

void DictStore::BuildPairTable() const {
  pairSlot_.clear();
  pairOrder_.clear();
  pairTable_.clear();
  allPairsOrdered_ = true;
  const int32_t count = ValidCount();
  // Consecutive entries usually share a pair; remember the last one looked up.
  const std::u16string* lastPair = nullptr;
  PairPositions* last = nullptr;
  for (int32_t p = 1; p <= count; ++p) {
    const DictEntry& e = EntryAt(p);
    if (lastPair == nullptr || *lastPair != e.LangPair) {
      auto [it, added] = pairSlot_.try_emplace(e.LangPair, pairTable_.size());
      if (added) {
        pairOrder_.push_back(e.LangPair);
        pairTable_.emplace_back();
      }
      last = &pairTable_[it->second];
      lastPair = &it->first;
    }
    if (last->wordsOrdered && !last->positions.empty() && e.Word < EntryAt(last->positions.back()).Word) {
      last->wordsOrdered = false;
      allPairsOrdered_ = false;
    }
    last->positions.push_back(p);
  }
  tableValid_ = true;
}

}  // namespace sahdict
