// Page texts, the language check and the noun forms, measured on the shared corpus.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/dict/DictStore.h"
#include "core/dict/mdlDictParser.h"
#include "core/grammar/mdlSahGrammar.h"
#include "core/langcheck/CheckWordLanguage.h"
#include "core/render/ArticleRenderer.h"
#include "core/render/MessagePage.h"

namespace sahdict {
namespace {

// The corpus, read once for every benchmark; empty when the file is missing.
const DictStore& Corpus() {
  static const DictStore store = [] {
    DictStore s;
    if (std::filesystem::exists(SAHDICT_CORPUS))
      ReadDictionary(s, SAHDICT_CORPUS, [](const std::u16string&) {}, [](const std::u16string&) {});
    return s;
  }();
  return store;
}

// The entry whose article text is the longest.
EntryView LongestArticle() {
  const DictStore& store = Corpus();
  int32_t best = 0;
  for (int32_t n = 1; n <= store.GetEntryCount(); ++n)
    if (store.EntryAt(n).Translation.size() > store.EntryAt(best).Translation.size()) best = n;
  return store.EntryAt(best);
}

bool NeedCorpus(benchmark::State& state) {
  if (Corpus().GetEntryCount() > 0) return true;
  state.SkipWithError("corpus not found: " SAHDICT_CORPUS);
  return false;
}

void BM_CheckWordLanguage(benchmark::State& state, const std::u16string& answer) {
  if (!NeedCorpus(state)) return;
  for (auto _ : state) benchmark::DoNotOptimize(CheckWordLanguage(answer, Corpus()));
  state.counters["entries"] = Corpus().GetEntryCount();
}
BENCHMARK_CAPTURE(BM_CheckWordLanguage, sakha_word, std::u16string(u"ньаат"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CheckWordLanguage, russian_word, std::u16string(u"здравствовать"))
    ->Unit(benchmark::kMillisecond);

// A word checked against counts made once (as langcheck does for a list of
// words): the counting is not repeated per word.
void BM_CheckWordLanguageCounted(benchmark::State& state) {
  if (!NeedCorpus(state)) return;
  const LangCheckCounts counts(Corpus());
  for (auto _ : state) benchmark::DoNotOptimize(CheckWordLanguage(u"здравствовать", counts));
}
BENCHMARK(BM_CheckWordLanguageCounted)->Unit(benchmark::kMicrosecond);

void BM_RenderLongestArticle(benchmark::State& state) {
  if (!NeedCorpus(state)) return;
  const DictEntry e = LongestArticle().ToEntry();
  size_t pageSize = 0;
  for (auto _ : state) {
    const std::u16string page = RenderArticle(e.HeadWord, e.Note, e.Translation);
    pageSize = page.size();
    benchmark::DoNotOptimize(page.data());
  }
  state.counters["translation_chars"] = static_cast<double>(e.Translation.size());
  state.counters["page_chars"] = static_cast<double>(pageSize);
}
BENCHMARK(BM_RenderLongestArticle)->Unit(benchmark::kMicrosecond);

void BM_MessagePageOfLongestArticle(benchmark::State& state) {
  if (!NeedCorpus(state)) return;
  const std::u16string text(LongestArticle().Translation);
  for (auto _ : state) benchmark::DoNotOptimize(MessagePage(text, 0));
}
BENCHMARK(BM_MessagePageOfLongestArticle)->Unit(benchmark::kMicrosecond);

void BM_AllFormsOfOneWord(benchmark::State& state) {
  for (auto _ : state)
    for (int32_t number = 1; number <= 2; ++number)
      for (int32_t person = 0; person <= 6; ++person)
        for (int32_t caseNum = 1; caseNum <= 8; ++caseNum)
          benchmark::DoNotOptimize(MakeWordForm(u"кинигэ", caseNum, number, person));
}
BENCHMARK(BM_AllFormsOfOneWord)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sahdict

BENCHMARK_MAIN();
