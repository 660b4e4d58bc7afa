// The suggestion line over the shared corpus: ordinary typing (the search's
// position and the suggestion line per keystroke: median, 99th percentile and
// slowest), the longest fallback (no word begins with the text, so every
// alternative is searched, the similar words last), and building a pair's
// tables (the first keystroke without an exact place after a load waits for
// them unless the window prepares them), also with the window's options, and
// building the Sakha alphabetical order of a pair.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/CorpusStore.h"
#include "bench/ProcessorTime.h"
#include "core/dict/DictStore.h"
#include "core/dict/mdlDictParser.h"
#include "core/search/SearchText.h"
#include "core/search/SearchSession.h"
#include "core/text/mdlSah.h"

namespace sahdict {
namespace {

using bench::Corpus;
using bench::NeedCorpus;
using bench::ThreadMicros;

// The box texts of typing about 150 words of the pair letter by letter, each
// word followed by a slip of the last letter (which no word usually begins with).
std::vector<std::u16string> Keystrokes(const std::u16string& pair) {
  const DictStore& store = Corpus();
  const int32_t count = store.GetPairCount(pair);
  std::vector<std::u16string> texts;
  for (int32_t k = 1; k <= count; k += std::max(1, count / 150)) {
    const std::u16string word = WordBase(store.GetEntry(k, pair).Word);
    for (size_t length = 1; length <= word.size(); ++length) texts.push_back(word.substr(0, length));
    texts.push_back(word.substr(0, word.size() - 1) + u"щ");
  }
  if (IsSakhaSource(pair))
    for (std::u16string& t : texts) TypedSakhaToNotation(t);
  return texts;
}

void BM_SuggestKeystroke(benchmark::State& state, const std::u16string& pair, const SearchOptions& options) {
  if (!NeedCorpus(state)) return;
  const DictStore& store = Corpus();
  const std::vector<std::u16string> texts = Keystrokes(pair);
  SearchSession session;
  session.Prepare(store, pair);
  std::vector<double> micros;
  size_t i = 0;
  for (auto _ : state) {
    const std::u16string& text = texts[i++ % texts.size()];
    const double start = ThreadMicros();
    benchmark::DoNotOptimize(
        session.Search(store, pair, {text, static_cast<int32_t>(text.size()), 0}, options).alternatives.size());
    micros.push_back(ThreadMicros() - start);
  }
  std::sort(micros.begin(), micros.end());
  state.counters["median_us"] = micros[micros.size() / 2];
  state.counters["p99_us"] = micros[micros.size() * 99 / 100];
  state.counters["max_us"] = micros.back();
  state.counters["keystrokes"] = static_cast<double>(texts.size());
}
BENCHMARK_CAPTURE(BM_SuggestKeystroke, RUS_SAH, std::u16string(u"RUS-SAH"), SearchOptions{})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SuggestKeystroke, SAH_RUS, std::u16string(u"SAH-RUS"), SearchOptions{})
    ->Unit(benchmark::kMicrosecond);
// As the lookup window searches: real letters read, the row in Sakha order,
// spaces trimmed, words of the other pairs offered.
constexpr SearchOptions kWindow{.SakhaLetters = true, .SakhaOrder = true, .TrimSpaces = true, .OtherPairs = true};
BENCHMARK_CAPTURE(BM_SuggestKeystroke, RUS_SAH_window, std::u16string(u"RUS-SAH"), kWindow)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SuggestKeystroke, SAH_RUS_window, std::u16string(u"SAH-RUS"), kWindow)
    ->Unit(benchmark::kMicrosecond);

// Up to 200 texts of `length` letters that no word of the pair begins with:
// words of the pair with their last two letters replaced by common ones, so
// the whole fallback runs and the similar search meets many words that share
// the text's letters and beginning.
std::vector<std::u16string> AbsentTexts(const std::u16string& pair, size_t length) {
  const DictStore& store = Corpus();
  std::vector<std::u16string> texts;
  const int32_t count = store.GetPairCount(pair);
  for (int32_t k = 1; k <= count && texts.size() < 200; k += 7) {
    const std::u16string word = WordBase(store.GetEntry(k, pair).Word);
    if (word.size() != length || word.find(u' ') != std::u16string::npos) continue;
    const std::u16string text = word.substr(0, length - 2) + u"ао";
    const int32_t at = store.FindFirstEntry(text, pair);
    if (at == 0 || store.GetEntry(at, pair).Word.rfind(text, 0) != 0) texts.push_back(text);
  }
  return texts;
}

void BM_SuggestLongestFallback(benchmark::State& state) {
  if (!NeedCorpus(state)) return;
  const std::u16string pair = u"RSE-SAH";
  const std::vector<std::u16string> texts = AbsentTexts(pair, static_cast<size_t>(state.range(0)));
  if (texts.empty()) return state.SkipWithError("no text of that length");
  SearchSession session;
  session.Prepare(Corpus(), pair);
  std::vector<double> micros;
  size_t i = 0;
  for (auto _ : state) {
    const double start = ThreadMicros();
    const std::u16string& text = texts[i++ % texts.size()];
    benchmark::DoNotOptimize(
        session.Search(Corpus(), pair, {text, static_cast<int32_t>(text.size()), 0}).alternatives.size());
    micros.push_back(ThreadMicros() - start);
  }
  std::sort(micros.begin(), micros.end());
  state.counters["median_us"] = micros[micros.size() / 2];
  state.counters["max_us"] = micros.back();
  state.counters["texts"] = static_cast<double>(texts.size());
  state.counters["pair_entries"] = Corpus().GetPairCount(pair);
}
BENCHMARK(BM_SuggestLongestFallback)->DenseRange(4, 14, 2)->Unit(benchmark::kMicrosecond);

void BM_SuggestTablesBuild(benchmark::State& state, const std::u16string& pair) {
  if (!NeedCorpus(state)) return;
  for (auto _ : state) {
    SearchSession session;
    session.Prepare(Corpus(), pair);
  }
}
BENCHMARK_CAPTURE(BM_SuggestTablesBuild, RSE_SAH, std::u16string(u"RSE-SAH"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SuggestTablesBuild, SAH_RUS, std::u16string(u"SAH-RUS"))->Unit(benchmark::kMillisecond);

// The Sakha alphabetical order of a pair's list, built when the list is first
// shown with the letters on (and after every change of the store).
void BM_SakhaOrderBuild(benchmark::State& state) {
  if (!NeedCorpus(state)) return;
  for (auto _ : state) benchmark::DoNotOptimize(BuildSakhaOrder(Corpus(), u"SAH-RUS").positions.size());
  state.counters["pair_entries"] = Corpus().GetPairCount(u"SAH-RUS");
}
BENCHMARK(BM_SakhaOrderBuild)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sahdict

BENCHMARK_MAIN();
