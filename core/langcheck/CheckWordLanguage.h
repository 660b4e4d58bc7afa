#pragma once
// Guesses whether a typed word is Russian or Sakha from character-pair
// statistics of the loaded dictionary.

#include <string>

#include "core/dict/DictStore.h"

namespace sahdict {

struct LangCheckResult {
  std::u16string Text;   // the message text (lines joined by CR LF)
  bool Compact = false;  // shown in the compact message layout
};

// Counts the store afresh and scores `answer` under both languages.
LangCheckResult CheckWordLanguage(const std::u16string& answer, const DictStore& store);

}  // namespace sahdict
