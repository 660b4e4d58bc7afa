#include "core/dict/DictStore.h"

#include <algorithm>
#include <atomic>

namespace sahdict {

namespace {

std::u16string_view Trimmed(std::u16string_view text) {
  const size_t first = text.find_first_not_of(u' ');
  if (first == std::u16string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(u' ') - first + 1);
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
  // Every container gives its memory back before the empty record is added,
  // so that clearing works right after memory ran out.
  entries_ = decltype(entries_)();
  index_ = decltype(index_)();
  pairSlot_ = decltype(pairSlot_)();
  pairOrder_ = decltype(pairOrder_)();
  pairTable_ = decltype(pairTable_)();
  texts_.Clear();
  entries_.emplace_back();
  index_.push_back(0);
  count_ = 0;
  Changed();
}

TextTable::Id DictStore::KeepText(std::u16string_view text, TextTable::Id neighbour) {
  const std::u16string_view near = texts_.Text(neighbour);
  if (near.size() == text.size() && std::equal(near.begin(), near.end(), text.begin())) return neighbour;
  return texts_.Intern(text);
}

DictStore::Stored DictStore::Keep(std::u16string_view word, std::u16string_view headWord, std::u16string_view note,
                                  std::u16string_view translation, std::u16string_view langPair) {
  // Neighbouring entries often share texts (a compiled file lists an entry's
  // copy under the other pair right after it): the last entry's are tried first.
  const Stored& last = entries_.back();
  Stored e;
  e.LangPair = KeepText(langPair, last.LangPair);
  e.HeadWord = KeepText(headWord, last.HeadWord);
  e.Note = KeepText(note, last.Note);
  e.Translation = KeepText(translation, last.Translation);
  // A Word of the form "x (HeadWord)" keeps only x and cites the HeadWord.
  const size_t cited = headWord.size() + 3;
  if (word.size() > cited && word.ends_with(u')') && word.substr(word.size() - cited, 2) == u" (" &&
      word.substr(word.size() - cited + 2, headWord.size()) == headWord) {
    e.Word = KeepText(word.substr(0, word.size() - cited), last.Word);
    e.WordCitesHead = true;
  } else {
    e.Word = KeepText(word, last.Word);
  }
  return e;
}

void DictStore::Append(const Stored& entry) {
  const auto slot = static_cast<int32_t>(entries_.size());
  // Both arrays have room before either grows, so a failed allocation leaves them alike.
  entries_.reserve(entries_.size() + 1 > entries_.capacity() ? entries_.capacity() * 2 : 0);
  index_.reserve(index_.size() + 1 > index_.capacity() ? index_.capacity() * 2 : 0);
  entries_.push_back(entry);
  index_.push_back(slot);
  count_ = slot;
  Changed();
}

void DictStore::AddEntry(std::u16string_view word, std::u16string_view headWord, std::u16string_view note,
                         std::u16string_view translation, std::u16string_view langPair) {
  Append(Keep(Trimmed(word), Trimmed(headWord), Trimmed(note), Trimmed(translation), langPair));
}

DictStore::ArticleTexts DictStore::KeepArticle(std::u16string_view headWord, std::u16string_view note,
                                               std::u16string_view translation) {
  const ArticleTexts article{texts_.Intern(Trimmed(headWord)), texts_.Intern(Trimmed(note)),
                             texts_.Intern(Trimmed(translation))};
  Changed();  // the entries stay as they were, but the store did change
  return article;
}

void DictStore::AddArticleEntry(const ArticleTexts& article, std::u16string_view langPair) {
  Append(Stored{texts_.Intern(langPair), article.HeadWord, article.HeadWord, article.Note, article.Translation, false});
}

void DictStore::AddDerivedEntry(const ArticleTexts& article, std::u16string_view derived,
                                std::u16string_view langPair) {
  Stored e{texts_.Intern(langPair), 0, article.HeadWord, article.Note, article.Translation, true};
  // Trimming "derived (HeadWord)" can only take spaces from the front.
  derived.remove_prefix(std::min(derived.find_first_not_of(u' '), derived.size()));
  if (!derived.empty()) {
    e.Word = texts_.Intern(derived);
  } else {
    e.Word = texts_.Intern(u"(" + std::u16string(texts_.Text(article.HeadWord)) + u")");
    e.WordCitesHead = false;
  }
  Append(e);
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

const DictStore::Stored& DictStore::StoredAt(int32_t n) const {
  if (n < 0 || n > ValidCount()) return entries_[0];
  return entries_[static_cast<size_t>(index_[static_cast<size_t>(n)])];
}

EntryWord DictStore::WordOf(const Stored& e) const {
  if (!e.WordCitesHead) return EntryWord{texts_.Text(e.Word), {}, false};
  return EntryWord{texts_.Text(e.Word), texts_.Text(e.HeadWord), true};
}

EntryView DictStore::ViewOf(const Stored& e) const {
  return EntryView{texts_.Text(e.LangPair), WordOf(e), texts_.Text(e.HeadWord), texts_.Text(e.Note),
                   texts_.Text(e.Translation)};
}

EntryView DictStore::EntryAt(int32_t n) const { return ViewOf(StoredAt(n)); }

EntryWord DictStore::WordAt(int32_t n) const { return WordOf(StoredAt(n)); }

EntryWord DictStore::WordAt(int32_t n, const std::u16string& pair) const {
  if (pair.empty()) return WordAt(n);
  const PairPositions* pp = n > 0 ? FindPair(pair) : nullptr;
  if (pp == nullptr || static_cast<size_t>(n) > pp->positions.size()) return WordAt(0);
  return WordAt(pp->positions[static_cast<size_t>(n) - 1]);
}

DictEntry DictStore::GetEntry(int32_t n, const std::u16string& pair) const {
  if (pair.empty()) return EntryAt(n).ToEntry();
  if (n <= 0) return EntryAt(0).ToEntry();
  const PairPositions* pp = FindPair(pair);
  // Asking for more entries than the pair has is a caller error; answer with
  // the empty record instead of reading past the store.
  if (pp == nullptr || static_cast<size_t>(n) > pp->positions.size()) return EntryAt(0).ToEntry();
  return EntryAt(pp->positions[static_cast<size_t>(n) - 1]).ToEntry();
}

void DictStore::SetEntry(int32_t n, const DictEntry& entry) {
  // Slot 0 stays the empty record; positions beyond the table do not exist.
  if (n < 1 || static_cast<size_t>(n) >= index_.size()) return;
  entries_[static_cast<size_t>(index_[static_cast<size_t>(n)])] =
      Keep(entry.Word, entry.HeadWord, entry.Note, entry.Translation, entry.LangPair);
  Changed();
}

int32_t DictStore::FindFirstEntry(const std::u16string& text, const std::u16string& pair) const {
  const PairPositions* pp = FindPair(pair);
  if (pp == nullptr) return 0;
  const auto& pos = pp->positions;
  if (pp->wordsOrdered) {
    // First entry whose Word is not below text: the insertion point.
    const auto it = std::lower_bound(pos.begin(), pos.end(), text,
                                     [this](int32_t p, const std::u16string& t) { return WordAt(p).Compare(t) < 0; });
    return it == pos.end() ? 0 : static_cast<int32_t>(it - pos.begin()) + 1;
  }
  // Words out of order (a hand-edited file that claims to be sorted): the
  // walk in sorted order gives the first entry not below text.
  for (size_t k = 0; k < pos.size(); ++k)
    if (WordAt(pos[k]).Compare(text) >= 0) return static_cast<int32_t>(k) + 1;
  return 0;
}

bool DictStore::EntriesEqual(int32_t a, int32_t b) const {
  // Equal texts have equal ids, and a Word is cited exactly when it has the
  // cited form, so equal entries have equal records.
  const Stored& x = StoredAt(a);
  const Stored& y = StoredAt(b);
  return x.LangPair == y.LangPair && x.Word == y.Word && x.WordCitesHead == y.WordCitesHead &&
         x.HeadWord == y.HeadWord && x.Note == y.Note && x.Translation == y.Translation;
}

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
  TextTable::Id lastPair = 0;
  PairPositions* last = nullptr;
  for (int32_t p = 1; p <= count; ++p) {
    const Stored& e = StoredAt(p);
    if (last == nullptr || lastPair != e.LangPair) {
      const std::u16string pair(texts_.Text(e.LangPair));
      auto [it, added] = pairSlot_.try_emplace(pair, pairTable_.size());
      if (added) {
        pairOrder_.push_back(pair);
        pairTable_.emplace_back();
      }
      last = &pairTable_[it->second];
      lastPair = e.LangPair;
    }
    if (last->wordsOrdered && !last->positions.empty() && WordOf(e).Compare(WordAt(last->positions.back())) < 0) {
      last->wordsOrdered = false;
      allPairsOrdered_ = false;
    }
    last->positions.push_back(p);
  }
  tableValid_ = true;
}

}  // namespace sahdict
