#pragma once
// Inflected forms of a Sakha noun, built by rules over the letter notation:
// consonant assimilation at the seam, then vowel harmony.

#include <cstdint>
#include <string>
#include <vector>

namespace sahdict {

// True for the vowels of the code and canonical forms; false for "" and anything else.
bool IsVowel(const std::u16string& ch);

// Harmonises each word of `text` in place; returns it.
std::u16string& ApplyVowelHarmony(std::u16string& text);

// Joins `suffix` to `stem` with assimilation at the seam; `stem` receives the
// canonical, harmonised result, which is also returned. An empty stem gives "".
std::u16string JoinSuffix(std::u16string& stem, std::u16string suffix);

// The form of `word` for case 1..8, number 1..2 and person 0..6, or "".
std::u16string MakeWordForm(const std::u16string& word, int32_t caseNum, int32_t number, int32_t person);

// Every suffix that MakeWordForm joins to a word, as its tables write it (code
// form, before assimilation and harmony: "а" and "ы" stand for the vowels that
// harmony chooses): the plural "лар", each case and possessive suffix, and each
// of those after "лар". No suffix twice.
std::vector<std::u16string> WordFormSuffixes();

}  // namespace sahdict
