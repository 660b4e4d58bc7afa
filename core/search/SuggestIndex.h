#pragma once
// The tables of one language pair for the search alternatives, built from the
// store in one pass and kept until the store changes.

#include <cstdint>
#include <string>
#include <vector>

#include "core/dict/DictStore.h"

namespace sahdict {

struct SuggestIndex {
  // One word (WordBase of a Word) and the run of neighbouring entries of the
  // pair that stand for it.
  struct Base {
    uint32_t keyOffset = 0;  // its key in `keys`: the folded word, in the code form for a Sakha source
    uint32_t keyLength = 0;
    uint64_t letters = 0;  // a bit for each letter of the key (hashed), to rule out far words cheaply
    int32_t first = 0;     // 1-based position within the pair of the first entry
  };
  // An entry whose Word folding changes (capitals, "ё", stress marks).
  struct Folded {
    std::u16string key;  // the folded Word
    int32_t position = 0;
  };

  bool sakha = false;                               // the pair's source is "SAH"
  std::vector<Folded> folded;                       // in pair order
  std::u16string keys;                              // every Base's key, one after another
  std::vector<Base> bases;                          // in pair order
  std::vector<std::vector<int32_t>> basesByLength;  // key length -> indexes into bases

  std::u16string_view Key(const Base& base) const {
    return std::u16string_view(keys).substr(base.keyOffset, base.keyLength);
  }
};

// The letter bits of a key, as Base::letters holds them.
uint64_t LetterBits(std::u16string_view key);

// The tables of `pair` as `store` holds it now.
SuggestIndex BuildSuggestIndex(const DictStore& store, const std::u16string& pair);

}  // namespace sahdict
