#include "core/dict/LangPairs.h"

#include <algorithm>

#include "core/dict/DictEntry.h"
#include "core/dict/LangTable.h"

namespace sahdict {

std::vector<int32_t> OfferedTargets(const DictStore& store, int32_t from) {
  std::vector<int32_t> targets;
  const std::u16string& code = LangCode(from);
  if (code.empty()) return targets;
  // The distinct pairs in first-occurrence order give the same targets, in the
  // same order, as a walk over every entry.
  for (const std::u16string& pair : store.GetPairs()) {
    if (PairFrom(pair) != code) continue;
    const int32_t to = LangNumber(PairTo(pair));
    if (to != 0 && std::find(targets.begin(), targets.end(), to) == targets.end()) targets.push_back(to);
  }
  return targets;
}

LangPairChoice ChooseLangPair(const DictStore& store, int32_t from, int32_t wanted) {
  LangPairChoice choice;
  choice.targets = OfferedTargets(store, from);
  if (choice.targets.empty()) return choice;
  const bool offered = std::find(choice.targets.begin(), choice.targets.end(), wanted) != choice.targets.end();
  choice.target = offered ? wanted : choice.targets.front();
  choice.pair = LangCode(from) + u"-" + LangCode(choice.target);
  return choice;
}

}  // namespace sahdict
