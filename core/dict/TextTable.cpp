#include "core/dict/TextTable.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <new>

namespace sahdict {

namespace {

// Blocks start small (tests build many tiny stores) and grow to a bound; a
// text longer than a quarter of the block to come gets a block of its own.
constexpr size_t kFirstBlock = size_t{1} << 10;
constexpr size_t kLargestBlock = size_t{1} << 17;
constexpr size_t kFirstSlots = 64;

// The low half of the standard hash; the index takes its place from the low
// bits and compares all 32 before it reads a text.
uint32_t HashOf(std::u16string_view text) { return static_cast<uint32_t>(std::hash<std::u16string_view>{}(text)); }

// Equality as one comparison of bytes (the ordinal comparison goes character by character).
bool Same(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(char16_t)) == 0;
}

}  // namespace

TextTable::TextTable() { Clear(); }

TextTable::TextTable(const TextTable& other) : TextTable() { *this = other; }

TextTable& TextTable::operator=(const TextTable& other) {
  if (this == &other) return *this;
  Clear();
  texts_.reserve(other.texts_.size());
  // The other table's texts are distinct, so each one gets the next id: its own.
  for (size_t id = 1; id < other.texts_.size(); ++id) Intern(other.texts_[id]);
  return *this;
}

void TextTable::Clear() {
  // Everything is given back before the small new start is taken, so that
  // clearing works right after memory ran out.
  blocks_ = decltype(blocks_)();
  texts_ = decltype(texts_)();
  slots_ = decltype(slots_)();
  free_ = nullptr;
  room_ = 0;
  nextBlock_ = kFirstBlock;
  texts_.emplace_back();
  slots_.resize(kFirstSlots);
}

std::u16string_view TextTable::Keep(std::u16string_view text) {
  const size_t n = text.size();
  char16_t* at = nullptr;
  if (n <= room_) {
    at = free_;
    free_ += n;
    room_ -= n;
  } else if (n > nextBlock_ / 4) {
    blocks_.push_back(std::make_unique_for_overwrite<char16_t[]>(n));
    at = blocks_.back().get();
  } else {
    blocks_.push_back(std::make_unique_for_overwrite<char16_t[]>(nextBlock_));
    at = blocks_.back().get();
    free_ = at + n;
    room_ = nextBlock_ - n;
    nextBlock_ = std::min(nextBlock_ * 2, kLargestBlock);
  }
  std::memcpy(at, text.data(), n * sizeof(char16_t));
  return {at, n};
}

void TextTable::GrowIndex() {
  std::vector<Slot> bigger(slots_.size() * 2);
  const size_t mask = bigger.size() - 1;
  for (const Slot& s : slots_) {
    if (s.id == 0) continue;
    size_t i = s.hash & mask;
    while (bigger[i].id != 0) i = (i + 1) & mask;
    bigger[i] = s;
  }
  slots_.swap(bigger);
}

TextTable::Id TextTable::Intern(std::u16string_view text) {
  if (text.empty()) return 0;
  const uint32_t hash = HashOf(text);
  size_t mask = slots_.size() - 1;
  size_t i = hash & mask;
  for (; slots_[i].id != 0; i = (i + 1) & mask) {
    if (slots_[i].hash == hash && Same(texts_[slots_[i].id], text)) return slots_[i].id;
  }
  if (texts_.size() >= UINT32_MAX) throw std::bad_alloc();  // ids are 32-bit: no room for another text
  // Everything that can fail is done before the text is counted in.
  if ((texts_.size() + 1) * 2 > slots_.size()) {
    GrowIndex();
    mask = slots_.size() - 1;
    i = hash & mask;
    while (slots_[i].id != 0) i = (i + 1) & mask;
  }
  const auto id = static_cast<Id>(texts_.size());
  texts_.push_back(Keep(text));
  slots_[i] = {id, hash};
  return id;
}

}  // namespace sahdict
