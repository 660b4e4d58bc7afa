#pragma once
// The language-pair choice of the lookup window, apart from its controls: which
// targets a source offers and which pair a change of source or target gives.

#include <cstdint>
#include <string>
#include <vector>

#include "core/dict/DictStore.h"

namespace sahdict {

// Language numbers of the targets that source language `from` offers: the
// targets of the store's pairs whose source code is Code(from), in the order in
// which they first occur in sorted order. Pairs whose codes are not in the
// language table offer nothing.
std::vector<int32_t> OfferedTargets(const DictStore& store, int32_t from);

struct LangPairChoice {
  std::vector<int32_t> targets;  // the rows of the target list
  int32_t target = 0;            // the selected target; 0 when none is offered
  std::u16string pair;           // "RUS-SAH" ...; "" when no target is offered
};

// The target list and pair for source `from`: the wanted target when it is
// offered, otherwise the first offered one.
LangPairChoice ChooseLangPair(const DictStore& store, int32_t from, int32_t wanted);

}  // namespace sahdict
