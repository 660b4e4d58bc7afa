#pragma once
// Which pair a word given from outside the window (the command line, another
// program) is looked up in.

#include <string>

#include "core/dict/DictStore.h"

namespace sahdict {

// "SAH-RUS" for a word with a letter only Sakha has (real or in the notation),
// or one that is a Sakha word of the store and no Russian one; "RUS-SAH" for a
// Russian word of the store; otherwise the pair of the language the
// word-language check finds likelier, Russian when it cannot tell.
std::u16string GuessLookupPair(const DictStore& store, const std::u16string& word);

}  // namespace sahdict
