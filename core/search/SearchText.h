#pragma once
// Text keys of the search alternatives: folded spellings and the word an entry
// stands for.

#include <string>

namespace sahdict {

// `text` as the folded search compares it: capitals lowered (Cyrillic and
// Latin), "ё" and "Ё" read as "е", the stress marks U+0301 and U+0300 dropped.
// For a Sakha source (`sakha` true) the capitals "О", "У", "O" and "Y" stay,
// because the notation spells ө and ү with them.
std::u16string FoldSearchText(const std::u16string& text, bool sakha);

// The word an entry's Word stands for: derived entries write their Word as
// word, " (", headword, ")", and this gives the part before " (". A Word
// without that ending is returned whole.
std::u16string WordBase(const std::u16string& word);

// `word` as a list row shows it: with `sakhaLetters` the Sakha word in front of
// a derived entry's " (headword)" (or the whole Word) in real letters
// (NotationToSakhaLetters), the headword as it is; otherwise `word` unchanged.
std::u16string ShownWord(const std::u16string& word, bool sakhaLetters);

}  // namespace sahdict
