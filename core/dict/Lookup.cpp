#include "core/dict/Lookup.h"

#include "core/text/mdlSah.h"

namespace sahdict {

std::u16string& NormalizeSakhaFully(std::u16string& text) {
  // Two or three rounds settle any text; the bound only guards against a
  // rewrite that never settled.
  constexpr int kMaxRounds = 64;
  for (int round = 0; round < kMaxRounds; ++round) {
    const std::u16string before = text;
    if (NormalizeSakha(text) == before) break;
  }
  return text;
}

bool NormalizesSearchText(const std::u16string& pair) { return PairFrom(pair) == u"SAH"; }

int32_t LookupPosition(const DictStore& store, const std::u16string& pair, std::u16string& text) {
  if (NormalizesSearchText(pair)) NormalizeSakhaFully(text);
  return store.FindFirstEntry(text, pair);
}

}  // namespace sahdict
