#pragma once
// The store's texts, each kept once. A text is named by a 32-bit id; adding a
// text equal to one already kept gives that one's id, so equal texts have equal
// ids. Characters live in blocks that never move: a text's view stays valid
// until the table is cleared or destroyed. Id 0 is the empty text.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace sahdict {

class TextTable {
 public:
  using Id = uint32_t;

  TextTable();
  // A copy holds the same texts under the same ids.
  TextTable(const TextTable& other);
  TextTable& operator=(const TextTable& other);
  TextTable(TextTable&&) noexcept = default;
  TextTable& operator=(TextTable&&) noexcept = default;

  // Drops every text but the empty one and gives its memory back.
  void Clear();

  // The id of the text equal to `text`; a new text is copied in first.
  Id Intern(std::u16string_view text);

  std::u16string_view Text(Id id) const { return texts_[id]; }
  size_t Count() const { return texts_.size(); }

 private:
  // One place of the open-addressing index: the id of a text (0: free) and
  // its hash, which settles most mismatches without reading the text.
  struct Slot {
    Id id = 0;
    uint32_t hash = 0;
  };

  std::u16string_view Keep(std::u16string_view text);
  void GrowIndex();

  std::vector<std::unique_ptr<char16_t[]>> blocks_;
  char16_t* free_ = nullptr;  // unused tail of the newest block
  size_t room_ = 0;           // characters left there
  size_t nextBlock_ = 0;      // size of the next block, growing to a bound
  std::vector<std::u16string_view> texts_;
  std::vector<Slot> slots_;  // size a power of two, at most half full
};

}  // namespace sahdict
