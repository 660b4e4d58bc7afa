#include "core/dict/Lookup.h"

#include <algorithm>
#include <vector>

#include "core/text/mdlSah.h"

namespace sahdict {

std::u16string& NormalizeSakhaFully(std::u16string& text) {
  // A handful of rounds settles any text; the bound only guards against a
  // rewrite that kept growing.
  constexpr size_t kMaxRounds = 64;
  std::vector<std::u16string> seen;
  while (seen.size() < kMaxRounds) {
    seen.push_back(text);
    NormalizeSakha(text);
    if (text == seen.back()) return text;
    // A text seen before means the rewrite cycles; stop at the current one.
    if (std::find(seen.begin(), seen.end() - 1, text) != seen.end() - 1) return text;
  }
  return text;
}

int32_t LookupPosition(const DictStore& store, const std::u16string& pair, std::u16string& text) {
  if (PairFrom(pair) == u"SAH") NormalizeSakhaFully(text);
  return store.FindFirstEntry(text, pair);
}

}  // namespace sahdict
