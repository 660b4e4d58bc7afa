#include "core/langcheck/PairGuess.h"

#include <string_view>

#include "core/dict/DictEntry.h"
#include "core/langcheck/CheckWordLanguage.h"
#include "core/text/mdlSah.h"

namespace sahdict {
namespace {

constexpr std::u16string_view kRussianPair = u"RUS-SAH";
constexpr std::u16string_view kSakhaPair = u"SAH-RUS";

// Letters only Sakha words hold: the real ones and the notation's.
bool HasSakhaLetter(const std::u16string& word) {
  return word.find_first_of(u"ҥҕөүһҤҔӨҮҺ0123456789OYh'") != std::u16string::npos;
}

// True when an entry of `pair` is `word` itself (a derived entry's word included).
bool HasWord(const DictStore& store, const std::u16string& pair, const std::u16string& word) {
  const int32_t k = store.FindFirstEntry(word, pair);
  if (k == 0) return false;
  const std::u16string found = store.GetEntry(k, pair).Word;
  return found == word || found.starts_with(word + u" (");
}

}  // namespace

std::u16string GuessLookupPair(const DictStore& store, const std::u16string& word) {
  if (HasSakhaLetter(word)) return std::u16string(kSakhaPair);
  std::u16string sakha = word;
  TypedSakhaToNotation(sakha);
  const bool russian = HasWord(store, std::u16string(kRussianPair), word);
  if (russian) return std::u16string(kRussianPair);
  if (HasWord(store, std::u16string(kSakhaPair), sakha)) return std::u16string(kSakhaPair);
  return RussianLikelier(word, store).value_or(true) ? std::u16string(kRussianPair) : std::u16string(kSakhaPair);
}

}  // namespace sahdict
