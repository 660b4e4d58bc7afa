#pragma once
// The dictionary record and the language-pair helpers.

#include <string>

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

// First three characters of a pair ("RUS-SAH" gives "RUS").
std::u16string PairFrom(const std::u16string& pair);
// Last three characters of a pair ("RUS-SAH" gives "SAH").
std::u16string PairTo(const std::u16string& pair);
// Characters 5..7, "-", characters 1..3 ("RUS-SAH" gives "SAH-RUS").
std::u16string ReversePair(const std::u16string& pair);

}  // namespace sahdict
