#pragma once
// Guesses whether a typed word is Russian or Sakha from character-pair
// statistics of the loaded dictionary.

#include <string>

#include "core/dict/DictStore.h"

namespace sahdict {

// Caption of every message of the check.
inline constexpr char16_t kCheckLangCaption[] = u"Проверка языка слова";

struct LangCheckResult {
  std::u16string Text;   // the message text (lines joined by CR LF)
  bool Compact = false;  // shown in the compact message layout
};

// Counts the store afresh and scores `answer` under both languages. An empty
// answer gives "Слишком коротко!"; when both scores vanish, or the store has no
// entry of one of the languages, the text is "Не удается определить!" followed by
// the pair statistics (both compact). Otherwise the two percentages and the statistics.
// With `sakhaLetters` the word and its pairs are shown with real Sakha letters
// (NotationToSakhaLetters of their code form); the numbers stay the same.
LangCheckResult CheckWordLanguage(const std::u16string& answer, const DictStore& store, bool sakhaLetters = false);

}  // namespace sahdict
