#pragma once
// Stems of Russian word forms, from the system's Russian spelling dictionary
// (Hunspell's ru_RU.aff and ru_RU.dic, UTF-8). Without the dictionary files,
// or in a build without the library, there are no stems and nothing is said.

#include <string>
#include <vector>

namespace sahdict {

// True when the dictionary could be loaded (the first call loads it).
bool RussianStemsAvailable();

// The stems the dictionary gives for `word` (for "книги": "книга"), each
// once, in its order; empty when it knows none or is not available.
std::vector<std::u16string> RussianStems(const std::u16string& word);

}  // namespace sahdict
