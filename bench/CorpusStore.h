#pragma once
// The shared corpus read once into a store, for the benchmarks that search it.
// SAHDICT_CORPUS names the file; a missing file gives an empty store.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "core/dict/DictStore.h"
#include "core/dict/mdlDictParser.h"

namespace sahdict::bench {

inline const DictStore& Corpus() {
  static const DictStore store = [] {
    DictStore s;
    if (std::filesystem::exists(SAHDICT_CORPUS))
      ReadDictionary(
          s, SAHDICT_CORPUS, [](const std::u16string&) {}, [](const std::u16string&) {});
    return s;
  }();
  return store;
}

// False, with the benchmark skipped, when the corpus is missing.
inline bool NeedCorpus(benchmark::State& state) {
  if (Corpus().GetEntryCount() > 0) return true;
  state.SkipWithError("corpus not found: " SAHDICT_CORPUS);
  return false;
}

}  // namespace sahdict::bench
