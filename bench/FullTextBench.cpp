// Search inside articles over the shared corpus: building the index at the
// first search (processor time and the heap it holds, the morphology model's
// lexicon included), and queries for 1,000 words drawn from the articles'
// texts (median, 95th percentile and slowest, snippets included).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/CorpusStore.h"
#include "bench/ProcessorTime.h"
#include "core/dict/DictStore.h"
#include "core/dict/mdlDictParser.h"
#include "core/search/FullText.h"
#include "core/search/RussianStems.h"

namespace sahdict {
namespace {

using bench::Corpus;
using bench::NeedCorpus;
using bench::ThreadMicros;

// 1,000 words of the RUS-SAH articles' texts, spread evenly over all their
// words (so common words come as often as they occur), as a user would copy
// them: the "." of a Sakha word and the punctuation left out.
std::vector<std::u16string> DrawnWords() {
  const DictStore& store = Corpus();
  std::vector<std::u16string> all;
  const int32_t count = store.GetPairCount(u"RUS-SAH");
  for (int32_t k = 1; k <= count; ++k) {
    const std::u16string text = store.GetEntry(k, u"RUS-SAH").Translation;
    std::u16string word;
    for (const char16_t c : text + u" ") {
      if (c == u' ' || c == u',' || c == u';' || c == u'(' || c == u')') {
        if (word.size() > 1) all.push_back(word);
        word.clear();
      } else if (c != u'.' && c != u'*') {
        word += c;
      }
    }
  }
  std::vector<std::u16string> drawn;
  for (size_t i = 0; i < 1000 && !all.empty(); ++i) drawn.push_back(all[i * all.size() / 1000]);
  return drawn;
}

void BM_FullTextBuild(benchmark::State& state) {
  if (!NeedCorpus(state)) return;
  RussianStems(u"вода");  // the spelling dictionary loads once per process, not per index
  double heapMb = 0, lastMs = 0, estimateMb = 0;
  size_t articles = 0, keys = 0;
  for (auto _ : state) {
    const size_t before = mallinfo2().uordblks;
    const double start = ThreadMicros();
    const FullTextIndex index(Corpus());
    index.Prepare();
    lastMs = (ThreadMicros() - start) / 1000;
    heapMb = static_cast<double>(mallinfo2().uordblks - before) / (1024.0 * 1024.0);
    estimateMb = static_cast<double>(index.MemoryBytes()) / (1024.0 * 1024.0);
    articles = index.ArticleCount();
    keys = index.KeyCount();
  }
  state.counters["build_ms"] = lastMs;
  state.counters["heap_MB"] = heapMb;
  state.counters["index_MB"] = estimateMb;
  state.counters["articles"] = static_cast<double>(articles);
  state.counters["keys"] = static_cast<double>(keys);
}
BENCHMARK(BM_FullTextBuild)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_FullTextQuery(benchmark::State& state) {
  if (!NeedCorpus(state)) return;
  const std::vector<std::u16string> words = DrawnWords();
  const FullTextIndex index(Corpus());
  index.Prepare();
  std::vector<double> micros;
  size_t hits = 0, i = 0;
  for (auto _ : state) {
    const std::u16string& word = words[i++ % words.size()];
    const double start = ThreadMicros();
    const size_t found = index.Search(word).size();
    micros.push_back(ThreadMicros() - start);
    hits += found;
    benchmark::DoNotOptimize(found);
  }
  std::sort(micros.begin(), micros.end());
  state.counters["median_ms"] = micros[micros.size() / 2] / 1000;
  state.counters["p95_ms"] = micros[micros.size() * 95 / 100] / 1000;
  state.counters["max_ms"] = micros.back() / 1000;
  state.counters["mean_hits"] = static_cast<double>(hits) / static_cast<double>(micros.size());
}
BENCHMARK(BM_FullTextQuery)->Unit(benchmark::kMicrosecond)->Iterations(1000);

}  // namespace
}  // namespace sahdict

BENCHMARK_MAIN();
