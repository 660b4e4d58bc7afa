#include "core/dict/DictEntry.h"

namespace sahdict {

// The pair helpers cut at fixed positions and accept any text: a pair shorter
// than seven characters simply yields shorter pieces.

std::u16string PairFrom(const std::u16string& pair) { return pair.substr(0, 3); }

std::u16string PairTo(const std::u16string& pair) { return pair.size() <= 3 ? pair : pair.substr(pair.size() - 3); }

std::u16string ReversePair(const std::u16string& pair) {
  std::u16string to = pair.size() > 4 ? pair.substr(4, 3) : std::u16string();
  return to + u"-" + pair.substr(0, 3);
}

}  // namespace sahdict
