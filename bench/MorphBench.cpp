// The Sakha morphology model over the shared corpus: analysing one word
// (median, 99th percentile and slowest, over forms of every Sakha word), the
// tables built at first use (time and heap), and sahdict-tool gloss over a
// text of distinct forms (words per second, no word seen twice).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "bench/CorpusStore.h"
#include "bench/ProcessorTime.h"
#include "core/dict/DictStore.h"
#include "core/dict/mdlDictParser.h"
#include "core/morph/SakhaMorphology.h"
#include "core/text/mdlCommon.h"
#include "core/text/mdlSah.h"
#include "tools/Tool.h"

namespace sahdict {
namespace {

using bench::Corpus;
using bench::NeedCorpus;
using bench::ThreadMicros;
using morph::SakhaMorphology;

// Each Sakha word of the corpus and two of its forms (different cells for
// neighbouring words), in real letters as a reader types them.
const std::vector<std::u16string>& Forms() {
  static const std::vector<std::u16string> forms = [] {
    std::vector<std::u16string> out;
    const SakhaMorphology model(Corpus());
    std::set<std::u16string> seen;
    const std::u16string pair = u"SAH-RUS";
    size_t n = 0;
    for (int32_t k = 1; k <= Corpus().GetPairCount(pair); ++k) {
      const std::u16string word = Corpus().WordAt(k, pair).Text();
      const std::u16string lemma = word.substr(0, word.find(u" ("));
      if (!seen.insert(lemma).second) continue;
      std::vector<std::u16string> mine = {lemma};
      const auto rows = model.Paradigm(lemma);
      for (size_t j = 0; j < 2 && !rows.empty(); ++j) mine.push_back(rows[(++n * 13 + j * 41) % rows.size()].Form);
      for (std::u16string& f : mine) out.push_back(NotationToSakhaLetters(f));
    }
    return out;
  }();
  return forms;
}

void BM_AnalyzeWord(benchmark::State& state) {
  if (!NeedCorpus(state)) return;
  const std::vector<std::u16string>& forms = Forms();
  const SakhaMorphology model(Corpus());
  model.LexiconSize();  // tables built before the clock runs
  std::vector<double> micros;
  micros.reserve(forms.size());
  size_t i = 0, found = 0;
  for (auto _ : state) {
    const std::u16string& form = forms[i++ % forms.size()];
    const double start = ThreadMicros();
    const auto analyses = model.Analyze(form);
    micros.push_back(ThreadMicros() - start);
    found += analyses.empty() ? 0 : 1;
  }
  std::sort(micros.begin(), micros.end());
  state.counters["median_us"] = micros[micros.size() / 2];
  state.counters["p99_us"] = micros[micros.size() * 99 / 100];
  state.counters["max_us"] = micros.back();
  state.counters["analysed_share"] = static_cast<double>(found) / static_cast<double>(micros.size());
}
BENCHMARK(BM_AnalyzeWord)->Unit(benchmark::kMicrosecond)->Iterations(60000);

// The tables a model builds at its first call: processor time and the heap
// they hold while the model lives.
void BM_BuildTables(benchmark::State& state) {
  if (!NeedCorpus(state)) return;
  double heapMb = 0, lastMs = 0;
  for (auto _ : state) {
    const size_t before = mallinfo2().uordblks;
    const double start = ThreadMicros();
    const SakhaMorphology model(Corpus());
    benchmark::DoNotOptimize(model.LexiconSize());
    lastMs = (ThreadMicros() - start) / 1000;
    heapMb = static_cast<double>(mallinfo2().uordblks - before) / (1024.0 * 1024.0);
  }
  state.counters["build_ms"] = lastMs;
  state.counters["heap_MB"] = heapMb;
}
BENCHMARK(BM_BuildTables)->Unit(benchmark::kMillisecond)->Iterations(5);

// A text of `words` words drawn from the forms above. With `zipf` the k-th
// commonest form comes about 1/k as often as the commonest, as words of a real
// text do; without, each form stands once.
std::u16string Text(size_t words, bool zipf) {
  const std::vector<std::u16string>& forms = Forms();
  std::vector<double> cumulative;
  double total = 0;
  for (size_t k = 1; k <= forms.size(); ++k) cumulative.push_back(total += 1.0 / static_cast<double>(k));
  std::u16string text;
  uint64_t seed = 12345;
  for (size_t i = 0; i < words; ++i) {
    size_t pick = i % forms.size();
    if (zipf) {
      seed = seed * 6364136223846793005ull + 1442695040888963407ull;
      const double u = static_cast<double>(seed >> 11) / 9007199254740992.0 * total;
      pick = static_cast<size_t>(std::lower_bound(cumulative.begin(), cumulative.end(), u) - cumulative.begin());
      pick = (pick * 7919) % forms.size();  // the commonest forms spread over the list
    }
    text += forms[pick] + (i % 12 == 11 ? u".\n" : u" ");
  }
  return text;
}

// sahdict-tool gloss over a text, after the dictionary has been read (the read
// itself is not counted): every form once, or a text of repeating words.
void BM_Gloss(benchmark::State& state, bool zipf) {
  if (!NeedCorpus(state)) return;
  const size_t words = zipf ? 100000 : Forms().size();
  const std::string utf8 = ToUtf8(Text(words, zipf));
  // The read alone, to subtract.
  auto run = [&](const std::vector<std::string>& args) {
    std::istringstream in(utf8);
    std::ostringstream out, err;
    tool::Io io{in, out, err};
    const double start = ThreadMicros();
    tool::RunTool(args, io);
    return ThreadMicros() - start;
  };
  double glossUs = 0, readUs = 0;
  for (auto _ : state) {
    glossUs = run({"gloss", SAHDICT_CORPUS, "-"});
    readUs = run({"stats", SAHDICT_CORPUS});
  }
  state.counters["words"] = static_cast<double>(words);
  state.counters["words_per_s"] = static_cast<double>(words) / ((glossUs - readUs) / 1e6);
}
BENCHMARK_CAPTURE(BM_Gloss, distinct_words, false)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_CAPTURE(BM_Gloss, zipf_text, true)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
}  // namespace sahdict

BENCHMARK_MAIN();
