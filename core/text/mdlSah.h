#pragma once
// The Sakha letter notation: Sakha letters that the Russian alphabet lacks are
// written with Latin letters, digits and letter pairs. Every operation changes
// the caller's text in place.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace sahdict {

// Rewrites any accepted spelling into the code form, where each Sakha letter,
// letter pair and long vowel is one character. Returns the changed text.
std::u16string& ToCodeNotation(std::u16string& text);

// Rewrites any accepted spelling into the canonical form under which Sakha
// words are stored and searched. Returns the changed text.
std::u16string& NormalizeSakha(std::u16string& text);

// NormalizeSakha repeated until the text no longer changes (two or three
// rounds settle any text). Returns the text.
std::u16string& NormalizeSakhaSettled(std::u16string& text);

// Real Sakha letters as typed, turned into the notation: ҥ ҕ ө ү һ and their
// capitals become "н'", "5", "O", "Y", "h"; the Cyrillic capitals U+0400..U+042F
// become lower case, except "О" and "У", which stay (the notation reads them as
// ө and ү). Every other character passes unchanged, and each character gives
// one or two, so a caret keeps its place by mapping the text before it.
// Returns the text.
std::u16string& SakhaLettersToNotation(std::u16string& text);

// True for the real Sakha letters ҥ ҕ ө ү һ and their capitals, which no
// Russian word holds.
bool IsRealSakhaLetter(char16_t c);
bool HasRealSakhaLetter(std::u16string_view text);

// The real Sakha letters alone: ҥ ҕ ө ү һ and their capitals into the notation
// as SakhaLettersToNotation maps them, every other character unchanged (for
// text that may as well be Russian, and for dictionary files saved as UTF-8).
// Returns the text.
std::u16string& RealLettersToNotation(std::u16string& text);

// What a search box for a Sakha source shows for typed text:
// SakhaLettersToNotation, then NormalizeSakhaSettled. Returns the text.
std::u16string& TypedSakhaToNotation(std::u16string& text);

// The notation shown with real letters: NormalizeSakhaSettled, then "н'" -> ҥ,
// "5" -> ҕ, "O" -> ө, "Y" -> ү, "h" -> һ. Returns the text.
std::u16string& NotationToSakhaLetters(std::u16string& text);

// Replace every character outside the Sakha alphabet by "?" (length unchanged).
void MarkNonSakha(std::u16string& text);
// MarkNonSakha, then delete every "?" (also those that stood there before).
void StripNonSakha(std::u16string& text);
// Replace every character outside the Russian alphabet by "?" (length unchanged).
void MarkNonRussian(std::u16string& text);
// MarkNonRussian, then delete every "?".
void StripNonRussian(std::u16string& text);

// The help text on the notation shown by "О сокращениях" (lines joined by CR LF).
// With `sakhaLetters` each spelling line begins with the real letter it
// stands for, as the words are then shown ("ҥ - н' - нг - 4").
const std::u16string& NotationHelpText(bool sakhaLetters = false);

// One row of the help's table of real letters: the letter (or the long vowels,
// space-separated) and the spellings that type it (space-separated; for long
// vowels one spelling per vowel, in the same order).
struct SakhaLetterSpelling {
  std::u16string_view letters;
  std::u16string_view spellings;
};
// The rows for ҥ ҕ ө ү һ and the long vowels ыа иэ уо үө.
std::span<const SakhaLetterSpelling> SakhaLetterSpellings();

}  // namespace sahdict
