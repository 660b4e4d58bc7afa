#pragma once
// The suffix table: which suffixes follow which, as a graph of word states
// whose edges are runs of suffixes. Each run is kept in a tree per state, so
// runs that begin alike are tried once. Analysis walks the trees against a
// form; generation follows one path; the paradigm lists the paths.

#include <cstdint>
#include <string_view>
#include <vector>

namespace sahdict::morph {

// Where a word stands while suffixes are added.
enum class Slot : uint8_t {
  NounStem,     // a noun, adjective, numeral or pronoun as listed
  NounDerived,  // a participle, verbal noun or derived adjective: inflects, derives no further
  NounPlural,   // after the plural suffix
  VerbStem,     // a verb as listed, or derived from a noun
  VerbVoice,    // after one voice suffix
  VerbVoice2,   // after two voice suffixes
  End,          // nothing follows
  Count,
};

// One suffix: its template after a vowel and after a consonant (see
// SakhaSounds.h), and its grammatical name in Russian. An empty template
// carries a meaning without a sound (the 3rd person singular).
struct Suffix {
  std::u16string_view afterVowel;
  std::u16string_view afterConsonant;
  std::u16string_view name;
};

// A node of a state's tree: the suffix, the nodes that may follow it within
// the same run, and, when a run may end here, the state it leads to.
struct SuffixNode {
  Suffix suffix;
  std::vector<uint16_t> next;
  Slot leadsTo = Slot::Count;  // Count: no run ends here
  uint16_t order = 0;          // when a run ends here: its place in the table, for listing runs
};

class SuffixTable {
 public:
  // The one table, built at first use.
  static const SuffixTable& Get();

  const std::vector<uint16_t>& Roots(Slot slot) const { return roots_[static_cast<size_t>(slot)]; }
  // The roots of `slot` whose first letter may be `letter`, and those whose
  // first letter cannot be told before joining (empty, contracting, a lone
  // consonant that the next seam may change).
  const std::vector<uint16_t>& RootsStartingWith(Slot slot, char16_t letter) const;
  const std::vector<uint16_t>& RootsStartingAnyhow(Slot slot) const { return anyLetter_[static_cast<size_t>(slot)]; }
  const SuffixNode& Node(uint16_t id) const { return nodes_[id]; }

 private:
  SuffixTable();
  void Add(uint32_t fromSlots, Slot to, std::initializer_list<Suffix> run);

  void IndexRoots();

  std::vector<SuffixNode> nodes_;
  uint16_t runs_ = 0;
  static constexpr size_t kLetters = 40;  // а..я, ҕ ҥ ө ү һ, the rest
  std::vector<uint16_t> byLetter_[static_cast<size_t>(Slot::Count)][kLetters];
  std::vector<uint16_t> anyLetter_[static_cast<size_t>(Slot::Count)];
  std::vector<uint16_t> roots_[static_cast<size_t>(Slot::Count)];
};

}  // namespace sahdict::morph
