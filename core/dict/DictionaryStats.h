#pragma once
// The dictionary statistics of "Инфо о словаре" and the tool's stats.

#include <string>

#include "core/dict/DictStore.h"

namespace sahdict {

// The statistics report: entries per language pair, lines joined by CR LF.
std::u16string DictionaryStats(const DictStore& store);

}  // namespace sahdict
