#include "core/search/SuggestIndex.h"

#include <algorithm>

#include "core/dict/DictEntry.h"
#include "core/search/SearchText.h"
#include "core/text/mdlSah.h"

namespace sahdict {

uint64_t LetterBits(std::u16string_view key) {
  uint64_t bits = 0;
  for (char16_t c : key) bits |= uint64_t{1} << (c % 64);
  return bits;
}

SuggestIndex BuildSuggestIndex(const DictStore& store, const std::u16string& pair) {
  SuggestIndex index;
  index.sakha = IsSakhaSource(pair);
  std::u16string lastBase;
  // The k-th entry of the pair in sorted order is position k, as GetEntry counts.
  int32_t k = 0;
  for (int32_t p = 1; p <= store.GetEntryCount(); ++p) {
    const EntryView entry = store.EntryAt(p);
    if (entry.LangPair != pair) continue;
    ++k;
    std::u16string key = FoldSearchText(entry.Word.Text(), index.sakha);
    std::u16string base = WordBase(key);
    if (entry.Word != key) index.folded.push_back({std::move(key), k});
    if (!index.bases.empty() && base == lastBase) continue;
    std::u16string code = base;
    if (index.sakha) ToCodeNotation(code);
    index.bases.push_back(
        {static_cast<uint32_t>(index.keys.size()), static_cast<uint32_t>(code.size()), LetterBits(code), k});
    index.keys += code;
    lastBase = std::move(base);
  }
  for (size_t id = 0; id < index.bases.size(); ++id) {
    const size_t length = index.bases[id].keyLength;
    if (index.basesByLength.size() <= length) index.basesByLength.resize(length + 1);
    index.basesByLength[length].push_back(static_cast<int32_t>(id));
  }
  return index;
}

}  // namespace sahdict
