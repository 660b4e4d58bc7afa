#pragma once
// Small text helpers shared by every module. Text is UTF-16, one code unit is
// one character, positions are 1-based, comparisons are ordinal.

#include <cstdint>
#include <string>
#include <string_view>

namespace sahdict {

// The character at 1-based position `pos`, or "" when pos is outside 1..length.
std::u16string GetChar(const std::u16string& text, int32_t pos);

// Replaces the character at 1-based `pos` by `replacement` (which may be empty
// or longer than one character). Positions outside 1..length change nothing.
void SetChar(std::u16string& text, int32_t pos, const std::u16string& replacement);

// The characters before the first space (U+0020), or the whole text without one.
std::u16string FirstWord(const std::u16string& text);

// Returns FirstWord(text) and removes it and the one space after it from `text`.
// Further spaces stay at the head of `text`.
std::u16string CutFirstWord(std::u16string& text);

// True when `text` begins with `prefix`; an empty prefix always matches.
bool StartsWith(const std::u16string& text, const std::u16string& prefix);

// Puts whole copies of `pad` in front of `text` while it is shorter than `width`.
// An empty pad returns the text unchanged.
std::u16string PadLeft(const std::u16string& text, int32_t width, const std::u16string& pad);

// Fixed-point text with "." as separator, independent of locale. The value is
// scaled by 10 `decimals` times in single precision, then rounded to the nearest
// 32-bit integer with ties to even (saturating). Negative decimals give "".
// Negative values are written with a leading "-".
std::u16string FormatFixed(float value, int16_t decimals);

// A Cyrillic capital (U+0400..U+04FF, the Sakha letters included) in lower
// case; every other character unchanged. Inline: exports fold every letter
// of a million word forms.
inline char16_t LowerCyrillicLetter(char16_t c) {
  if (c >= 0x410 && c <= 0x42F) return static_cast<char16_t>(c + 0x20);
  if (c >= 0x400 && c <= 0x40F) return static_cast<char16_t>(c + 0x50);
  // Capital and small alternate from here on; Ӏ and the run after it are offset by one.
  if (((c >= 0x460 && c <= 0x481) || (c >= 0x48A && c <= 0x4BF) || (c >= 0x4D0 && c <= 0x4FF)) && c % 2 == 0)
    return static_cast<char16_t>(c + 1);
  if (c >= 0x4C1 && c <= 0x4CE && c % 2 == 1) return static_cast<char16_t>(c + 1);
  return c;
}

// Plain conversions at the edges of the core (UTF-8 for the command line).
std::u16string FromUtf8(const std::string& utf8);
std::string ToUtf8(const std::u16string& text);
void AppendUtf8(std::string& out, std::u16string_view text);
// Writes `text` as UTF-8 at `out`, which has room for three bytes a character
// (a surrogate pair takes four); returns the end of what was written.
char* WriteUtf8(char* out, std::u16string_view text);

// Replaces every non-overlapping occurrence of `search` (scanning from the left).
void ReplaceAll(std::u16string& text, const std::u16string& search, const std::u16string& replacement);

// `text` without leading and trailing spaces (U+0020 only).
std::u16string TrimSpaces(const std::u16string& text);

// The word of `text` around the character at `at`: letters and digits (the
// notation writes Sakha letters with digits and Latin letters), an apostrophe
// inside a word (н'), and hyphens between letters (күннэри-түүннэри). "" when
// `at` is on no word.
std::u16string WordAt(const std::u16string& text, size_t at);

}  // namespace sahdict
