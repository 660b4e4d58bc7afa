#pragma once
// The dictionary record, the store's read-only look at one, and the
// language-pair helpers.

#include <compare>
#include <cstddef>
#include <string>
#include <string_view>

namespace sahdict {

// Five texts, in the order in which they are compared and kept in memory.
struct DictEntry {
  std::u16string LangPair;     // source code, "-", target code, e.g. "RUS-SAH"
  std::u16string Word;         // the listed, searched and sorted key
  std::u16string HeadWord;     // headword of the article the entry belongs to
  std::u16string Note;         // text in parentheses after the headword
  std::u16string Translation;  // article text after "- "

  friend bool operator==(const DictEntry&, const DictEntry&) = default;
};

// The Word of a stored entry. An entry derived from an article keeps only its
// own part and cites the article's HeadWord: the Word is Own, " (", Head, ")".
// Other entries keep the whole Word in Own (CitesHead false, Head empty).
struct EntryWord {
  std::u16string_view Own;
  std::u16string_view Head;
  bool CitesHead = false;

  size_t Size() const { return CitesHead ? Own.size() + Head.size() + 3 : Own.size(); }
  // The whole Word as one text.
  std::u16string Text() const;
  // The characters before the first space (all of them without one), as
  // FirstWord gives them for the whole Word.
  std::u16string_view FirstWord() const { return Own.substr(0, Own.find(u' ')); }
  // Ordinal three-way comparison of the whole Word with `text`: < 0, 0 or > 0.
  int Compare(std::u16string_view text) const;
  int Compare(const EntryWord& other) const;

  friend bool operator==(const EntryWord& a, const EntryWord& b) { return a.Compare(b) == 0; }
  friend bool operator==(const EntryWord& a, std::u16string_view b) { return a.Compare(b) == 0; }
  friend std::strong_ordering operator<=>(const EntryWord& a, const EntryWord& b) { return a.Compare(b) <=> 0; }
  friend std::strong_ordering operator<=>(const EntryWord& a, std::u16string_view b) { return a.Compare(b) <=> 0; }
};

// One entry as the store holds it: views of the store's texts, valid until the
// store is cleared, assigned or destroyed. Entries of one article show the
// same HeadWord, Note and Translation texts.
struct EntryView {
  std::u16string_view LangPair;
  EntryWord Word;
  std::u16string_view HeadWord;
  std::u16string_view Note;
  std::u16string_view Translation;

  // A record of its own, with copies of the five texts.
  DictEntry ToEntry() const;

  // Equal when all five texts are equal.
  friend bool operator==(const EntryView&, const EntryView&) = default;
};

// First three characters of a pair ("RUS-SAH" gives "RUS").
std::u16string PairFrom(std::u16string_view pair);
// True when the pair's source is Sakha ("SAH-RUS"): its words are in the
// notation, the search box rewrites what is typed, and forms are Sakha forms.
bool IsSakhaSource(std::u16string_view pair);
// Last three characters of a pair ("RUS-SAH" gives "SAH").
std::u16string PairTo(std::u16string_view pair);
// Characters 5..7, "-", characters 1..3 ("RUS-SAH" gives "SAH-RUS").
std::u16string ReversePair(std::u16string_view pair);

}  // namespace sahdict
