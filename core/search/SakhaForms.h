#pragma once
// Recognising typed Sakha text as an inflected form of a noun: through the
// forms the grammar engine generates, and through its suffix tables read
// loosely enough to accept real spellings the engine writes otherwise.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sahdict {

// The numbers that select a generated form, as MakeWordForm takes them.
struct WordFormNumbers {
  int32_t Number = 0;  // 1..2
  int32_t Person = 0;  // 0..6
  int32_t Case = 0;    // 1..8
};

// The first form, in the order number 1..2, person 0..6, case 1..8, for which
// MakeWordForm(word, ...) equals `text`; none when no form does.
std::optional<WordFormNumbers> FindGeneratedForm(const std::u16string& word, const std::u16string& text);

// True when `text` (canonical form) is `word` (canonical form) followed by one
// of the engine's suffixes (WordFormSuffixes), where
// - a vowel of the word or the suffix may be any vowel that harmony makes of it
//   ("а" one of а э о O, "ы" one of ы и у Y, "ыа" one of ыа иэ уа Yэ),
// - the word's last consonant may be changed as the seam changes it
//   (к г, п б, с h, х 5, н м н', т п к), and a suffix consonant may take any
//   of its seam spellings (л т д н, б п м, 5 г к х н'),
// - after a word that ends in a vowel, the suffix's first vowel may be dropped
//   or preceded by a linking "т" or "н" (дьиэм, о5ото, дьиэни).
// An empty suffix does not count: `text` equal to `word` gives false.
bool IsSuffixedForm(const std::u16string& word, const std::u16string& text);

// The key under which the form search files a word and looks up the prefixes
// of a typed text: the text's code form (ToCodeNotation) with every vowel
// replaced by its harmony class ("A" low, "I" high, "D" long vowel), so that
// stems whose vowels harmony changed are still found.
std::u16string HarmonyKey(std::u16string_view code);

}  // namespace sahdict
