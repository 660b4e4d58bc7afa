#pragma once
// Guesses whether a typed word is Russian or Sakha from character-pair
// statistics of the loaded dictionary.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/dict/DictStore.h"

namespace sahdict {

// Caption of every message of the check.
inline constexpr char16_t kCheckLangCaption[] = u"Проверка языка слова";

struct LangCheckResult {
  std::u16string Text;   // the message text (lines joined by CR LF)
  bool Compact = false;  // shown in the compact message layout
};

// The character-pair counts of a store's Russian and Sakha words, counted
// once and then used for any number of checks.
class LangCheckCounts {
 public:
  explicit LangCheckCounts(const DictStore& store);

  int32_t Count(int lang, char16_t a, char16_t b) const { return counts_[Index(lang, a, b)]; }
  int32_t Total(int lang) const { return totals_[static_cast<size_t>(lang)]; }

 private:
  void Learn(int lang, const std::u16string& s);
  static size_t Index(int lang, char16_t a, char16_t b);

  std::vector<int32_t> counts_;
  std::array<int32_t, 2> totals_{0, 0};
};

// Scores `answer` under both languages with counts of the store made before.
LangCheckResult CheckWordLanguage(const std::u16string& answer, const LangCheckCounts& counts,
                                  bool sakhaLetters = false);

// Counts the store afresh and scores `answer` under both languages. An empty
// answer gives "Слишком коротко!"; when both scores vanish, or the store has no
// entry of one of the languages, the text is "Не удается определить!" followed by
// the pair statistics (both compact). Otherwise the two percentages and the statistics.
// With `sakhaLetters` the word and its pairs are shown with real Sakha letters
// (NotationToSakhaLetters of their code form); the numbers stay the same.
LangCheckResult CheckWordLanguage(const std::u16string& answer, const DictStore& store, bool sakhaLetters = false);

// The check's verdict alone: true when `answer` is at least as likely Russian
// as Sakha, false when Sakha is likelier; nothing when the check cannot tell.
std::optional<bool> RussianLikelier(const std::u16string& answer, const DictStore& store);

}  // namespace sahdict
