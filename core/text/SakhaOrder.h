#pragma once
// Sakha alphabetical order of words written in the canonical notation:
// а б в г ҕ д дь е ё ж з и й к л м н ҥ нь о ө п р с һ т у ү ф х ц ч ш щ ъ ы ь э ю я.
// Long vowels and diphthongs are spelled by their letters.

#include <string>

namespace sahdict {

// A key whose ordinal order is the Sakha alphabetical order of `canonical`
// (a word in the canonical form; "н'", "5", "O", "Y", "h", "дь", "нь" are one
// letter each, "ннь" is н and нь). Each letter of the alphabet becomes one
// character above every other character; any other character (space, hyphen,
// a capital, a Latin letter) keeps its code and so sorts before the letters,
// as in ordinal order.
std::u16string SakhaOrderKey(const std::u16string& canonical);

}  // namespace sahdict
