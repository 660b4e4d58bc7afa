#include "core/journal/ReaderLists.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "core/text/mdlCommon.h"

namespace sahdict {
namespace {

std::u16string Number(int64_t n) { return FromUtf8(std::to_string(n)); }

// A decimal number field; false for anything else.
bool ParseNumber(const std::u16string& field, int64_t& n) {
  if (field.empty() || field.size() > 18) return false;
  n = 0;
  for (const char16_t c : field) {
    if (c < u'0' || c > u'9') return false;
    n = n * 10 + (c - u'0');
  }
  return true;
}

auto Same(const std::u16string& word, const std::u16string& pair) {
  return [&](const ListEntry& e) { return e.word == word && e.pair == pair; };
}

// Records: "L", time, pair, word, count (history); "+" or "-", time, pair, word (favourites).
JournalRecord Lookup(const ListEntry& e) { return {u"L", Number(e.time), e.pair, e.word, Number(e.count)}; }
JournalRecord Mark(const ListEntry& e, bool added) { return {added ? u"+" : u"-", Number(e.time), e.pair, e.word}; }

}  // namespace

LookupHistory::LookupHistory(const std::filesystem::path& folder)
    : journal_(folder / "history.journal", folder / "history.bad") {}

void LookupHistory::Apply(const std::u16string& word, const std::u16string& pair, int64_t time, int32_t count) {
  int32_t total = count;
  if (const auto it = std::find_if(entries_.begin(), entries_.end(), Same(word, pair)); it != entries_.end()) {
    total += it->count;
    entries_.erase(it);
  }
  entries_.insert(entries_.begin(), {word, pair, time, total});
}

ListLoad LookupHistory::Load() {
  Journal::Loaded loaded = journal_.Load();
  // One entry per word and pair, gathered in one pass: the last record of a
  // word places it, the counts add up.
  struct Gathered {
    ListEntry entry;
    size_t last = 0;  // index of its last record
  };
  std::unordered_map<std::u16string, Gathered> words;
  for (size_t i = 0; i < loaded.records.size(); ++i) {
    const JournalRecord& r = loaded.records[i];
    int64_t time = 0, count = 0;
    if (r.size() != 5 || r[0] != u"L" || !ParseNumber(r[1], time) || !ParseNumber(r[4], count)) continue;
    Gathered& g = words[r[2] + u'\t' + r[3]];
    g.entry = {r[3], r[2], time, static_cast<int32_t>(std::min<int64_t>(g.entry.count + count, INT32_MAX))};
    g.last = i;
  }
  std::vector<Gathered*> order;
  for (auto& [key, g] : words) order.push_back(&g);
  std::sort(order.begin(), order.end(), [](const Gathered* a, const Gathered* b) { return a->last > b->last; });
  entries_.clear();
  for (size_t i = 0; i < order.size() && i < kMaxEntries; ++i) entries_.push_back(std::move(order[i]->entry));
  return {loaded.setAside};
}

bool LookupHistory::Record(const std::u16string& word, const std::u16string& pair, int64_t time) {
  Apply(word, pair, time, 1);
  if (entries_.size() > kMaxEntries) entries_.pop_back();
  return journal_.Append(Lookup({word, pair, time, 1}));
}

bool LookupHistory::Clear() {
  entries_.clear();
  return journal_.Rewrite({});
}

bool LookupHistory::Compact() {
  std::vector<JournalRecord> records;
  // Oldest first, so that reading it back gives the same order.
  for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) records.push_back(Lookup(*it));
  return journal_.Rewrite(records);
}

Favourites::Favourites(const std::filesystem::path& folder)
    : journal_(folder / "favourites.journal", folder / "favourites.bad") {}

ListLoad Favourites::Load() {
  Journal::Loaded loaded = journal_.Load();
  entries_.clear();
  // A word's last mark decides: an added word stands where that mark stands.
  const std::vector<JournalRecord>& records = loaded.records;
  std::vector<int64_t> times(records.size());
  std::vector<bool> marks(records.size(), false);
  std::unordered_map<std::u16string, size_t> last;  // pair and word -> their last mark
  auto key = [](const JournalRecord& r) { return r[2] + u'\t' + r[3]; };
  for (size_t i = 0; i < records.size(); ++i) {
    const JournalRecord& r = records[i];
    marks[i] = r.size() == 4 && (r[0] == u"+" || r[0] == u"-") && ParseNumber(r[1], times[i]);
    if (marks[i]) last[key(r)] = i;
  }
  for (size_t i = 0; i < records.size(); ++i) {
    const JournalRecord& r = records[i];
    if (marks[i] && r[0] == u"+" && last[key(r)] == i) entries_.push_back({r[3], r[2], times[i], 0});
  }
  return {loaded.setAside};
}

bool Favourites::Add(const std::u16string& word, const std::u16string& pair, int64_t time) {
  if (Contains(word, pair)) return true;
  entries_.push_back({word, pair, time, 0});
  return journal_.Append(Mark(entries_.back(), true));
}

bool Favourites::Remove(const std::u16string& word, const std::u16string& pair) {
  if (std::erase_if(entries_, Same(word, pair)) == 0) return true;
  return journal_.Append(Mark({word, pair, 0, 0}, false));
}

bool Favourites::Contains(const std::u16string& word, const std::u16string& pair) const {
  return std::any_of(entries_.begin(), entries_.end(), Same(word, pair));
}

bool Favourites::Compact() {
  std::vector<JournalRecord> records;
  for (const ListEntry& e : entries_) records.push_back(Mark(e, true));
  return journal_.Rewrite(records);
}

}  // namespace sahdict
