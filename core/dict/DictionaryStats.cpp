#include "core/dict/DictionaryStats.h"

#include <array>
#include <string>

#include "core/dict/DictEntry.h"
#include "core/dict/LangTable.h"
#include "core/text/mdlCommon.h"

namespace sahdict {

std::u16string DictionaryStats(const DictStore& store) {
  std::array<std::array<int32_t, LangCount + 1>, LangCount + 1> counts{};
  const int32_t count = store.GetEntryCount();
  for (int32_t p = 1; p <= count; ++p) {
    const std::u16string_view pair = store.EntryAt(p).LangPair;
    const int32_t s = LangNumber(PairFrom(pair));
    const int32_t t = LangNumber(PairTo(pair));
    // Codes outside the table are not counted.
    if (s != 0 && t != 0) ++counts[static_cast<size_t>(s)][static_cast<size_t>(t)];
  }
  std::u16string report = u"Слов в словаре:";
  for (int32_t s = 1; s <= LangCount; ++s) {
    for (int32_t t = 1; t <= LangCount; ++t) {
      const int32_t n = counts[static_cast<size_t>(s)][static_cast<size_t>(t)];
      if (n == 0) continue;
      // The count is written with a leading blank in place of its sign.
      report += u"\r\nСтатей с языка " + LangName(s) + u" на " + LangName(t) + u" язык - " +
                FromUtf8(std::to_string(n)) + u" штук";
    }
  }
  return report;
}

}  // namespace sahdict
