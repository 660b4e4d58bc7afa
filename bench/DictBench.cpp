// The dictionary over the shared corpus: the whole rebuild, reading the
// compiled file, the search, and the fast paths against the plain walks and
// the exchange sort (same results checked, speed ratio printed).
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <string>
#include <vector>

#include "core/dict/mdlDict.h"
#include "core/dict/mdlDictParser.h"
#include "core/text/mdlCommon.h"
#include "tests/support/LinearWalks.h"

namespace {

using namespace sahdict;
namespace fs = std::filesystem;

const fs::path kCorpus = SAHDICT_CORPUS;

fs::path ScratchDir() {
  static const fs::path dir = fs::temp_directory_path() / ("sahdict-bench-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  return dir;
}

bool Read(DictStore& store, const fs::path& file) {
  int messages = 0;
  const bool ok = ReadDictionary(
      store, file, [&](const std::u16string&) { ++messages; }, nullptr).ok;
  return ok && messages == 0;
}

// Text file -> sorted store -> compiled file -> store read back.
bool Rebuild(DictStore& store, const fs::path& compiled) {
  return Read(store, kCorpus) && WriteCompiled(store, compiled) && Read(store, compiled);
}

const fs::path& CompiledCorpus() {
  static const fs::path file = [] {
    const fs::path out = ScratchDir() / "compiled.dict";
    DictStore store;
    if (!Rebuild(store, out)) std::fprintf(stderr, "cannot rebuild the corpus\n");
    return out;
  }();
  return file;
}

const DictStore& LoadedStore() {
  static const DictStore store = [] {
    DictStore s;
    Read(s, CompiledCorpus());
    s.GetPairs();  // the pair table is built on first use; build it here
    return s;
  }();
  return store;
}

// Prefixes a user might type: 1 to 5 letters of Words across the store.
std::vector<std::pair<std::u16string, std::u16string>> TypedTexts(const DictStore& store, size_t count) {
  std::vector<std::pair<std::u16string, std::u16string>> texts;
  const int32_t n = store.GetEntryCount();
  for (size_t i = 0; i < count; ++i) {
    const EntryView e = store.EntryAt(static_cast<int32_t>(1 + (i * 7919) % static_cast<size_t>(n)));
    texts.emplace_back(e.Word.Text().substr(0, 1 + i % 5), e.LangPair);
  }
  return texts;
}

void BM_Rebuild(benchmark::State& state) {
  const fs::path out = ScratchDir() / "rebuild.dict";
  for (auto _ : state) {
    DictStore store;
    if (!Rebuild(store, out)) state.SkipWithError("rebuild failed");
    benchmark::DoNotOptimize(store.GetEntryCount());
  }
}
BENCHMARK(BM_Rebuild)->Unit(benchmark::kMillisecond)->Iterations(5);

// Peak memory (max RSS) of one rebuild, run in a child process forked before
// this process has loaded anything, so the figure is the rebuild's own.
// Returns -1 when the rebuild failed.
double PeakMegabytesOfRebuild() {
  rusage before{};
  ::getrusage(RUSAGE_SELF, &before);
  const fs::path out = ScratchDir() / "peak.dict";  // named here, so the child uses this process's folder
  const pid_t child = ::fork();
  if (child == 0) {
    DictStore store;
    ::_exit(Rebuild(store, out) ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  rusage usage{};
  ::getrusage(RUSAGE_CHILDREN, &usage);
  std::printf("process before the rebuild: %.1f MB max RSS\n", static_cast<double>(before.ru_maxrss) / 1024.0);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_ReadCompiled(benchmark::State& state) {
  const fs::path& file = CompiledCorpus();
  DictStore store;
  for (auto _ : state) {
    if (!Read(store, file)) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(store.GetEntryCount());
  }
  state.counters["entries"] = store.GetEntryCount();
}
BENCHMARK(BM_ReadCompiled)->Unit(benchmark::kMillisecond);

void BM_FindFirstEntry(benchmark::State& state) {
  const DictStore& store = LoadedStore();
  const auto texts = TypedTexts(store, 1000);
  size_t i = 0;
  for (auto _ : state) {
    const auto& [text, pair] = texts[i++ % texts.size()];
    benchmark::DoNotOptimize(store.FindFirstEntry(text, pair));
  }
}
BENCHMARK(BM_FindFirstEntry)->Unit(benchmark::kMicrosecond);

void BM_FindFirstEntryLinear(benchmark::State& state) {
  const DictStore& store = LoadedStore();
  const auto texts = TypedTexts(store, 1000);
  size_t i = 0;
  for (auto _ : state) {
    const auto& [text, pair] = texts[i++ % texts.size()];
    benchmark::DoNotOptimize(LinearFindFirstEntry(store, text, pair));
  }
}
BENCHMARK(BM_FindFirstEntryLinear)->Unit(benchmark::kMicrosecond);

// Filtered GetEntry over positions spread through the SAH-RUS pair.
template <typename GetEntryFn>
void FilteredGetEntry(benchmark::State& state, GetEntryFn getEntry) {
  const DictStore& store = LoadedStore();
  const std::u16string pair = u"SAH-RUS";
  const int32_t n = store.GetPairCount(pair);
  int32_t k = 0;
  for (auto _ : state) {
    k = k % n + 997 % n + 1;
    benchmark::DoNotOptimize(getEntry(store, k, pair));
  }
}

void BM_GetEntryFiltered(benchmark::State& state) {
  FilteredGetEntry(state, [](const DictStore& s, int32_t k, const std::u16string& p) { return s.GetEntry(k, p); });
}
BENCHMARK(BM_GetEntryFiltered)->Unit(benchmark::kMicrosecond);

void BM_GetEntryFilteredLinear(benchmark::State& state) {
  FilteredGetEntry(state, LinearGetEntry);
}
BENCHMARK(BM_GetEntryFilteredLinear)->Unit(benchmark::kMicrosecond);

template <typename F>
double Seconds(F f) {
  const auto start = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The first `articles` paragraphs of the corpus with its header, as a file.
fs::path CorpusHead(int articles) {
  const fs::path out = ScratchDir() / "head.dict";
  std::ifstream in(kCorpus, std::ios::binary);
  std::ofstream head(out, std::ios::binary | std::ios::trunc);
  std::string line;
  int paragraphs = 0;
  bool inParagraph = false;
  while (std::getline(in, line)) {
    const bool empty = line.empty() || line == "\r";
    if (!empty && line.rfind("--", 0) != 0 && !inParagraph) {
      inParagraph = true;
      if (++paragraphs > articles) break;
    }
    if (empty) inParagraph = false;
    head << line << '\n';
  }
  return out;
}

bool SameEntries(const DictStore& a, const DictStore& b) {
  if (a.GetEntryCount() != b.GetEntryCount()) return false;
  for (int32_t p = 1; p <= a.GetEntryCount(); ++p)
    if (!(a.EntryAt(p) == b.EntryAt(p))) return false;
  return true;
}

// The plain algorithms (linear walks, exchange sort) against the fast ones: same results, and how much faster.
bool CompareWithPlainAlgorithms() {
  bool allSame = true;
  auto report = [&](const char* what, bool same, double plain, double fast) {
    allSame &= same;
    std::printf("%-48s %s  plain %10.3f ms  fast %9.3f ms  ratio %8.1fx\n", what, same ? "same" : "DIFFERENT",
                plain * 1e3, fast * 1e3, plain / fast);
  };

  // The exchange sort on the first 1,000 articles, from file order.
  DictStore unsorted;
  Read(unsorted, CorpusHead(1000));
  std::vector<int32_t>& index = unsorted.OrderIndex();
  std::iota(index.begin(), index.end(), 0);
  unsorted.SetEntryCount(static_cast<int32_t>(index.size()) - 1);
  DictStore slow = unsorted, fast = unsorted;
  std::vector<std::u16string> slowProgress, fastProgress;
  const double plainSort =
      Seconds([&] { ExchangeSortDictionary(slow, [&](const std::u16string& t) { slowProgress.push_back(t); }); });
  const double fastSort =
      Seconds([&] { SortDictionary(fast, [&](const std::u16string& t) { fastProgress.push_back(t); }); });
  std::printf("exchange sort: %d entries, %zu progress texts (last: %s)\n", unsorted.GetEntryCount(),
              slowProgress.size(), slowProgress.empty() ? "" : ToUtf8(slowProgress.back()).c_str());
  report("sort + duplicate removal, first 1,000 articles", SameEntries(slow, fast), plainSort, fastSort);

  const DictStore& store = LoadedStore();
  const auto texts = TypedTexts(store, 300);
  std::vector<int32_t> plainPos, fastPos;
  const double plainFind = Seconds([&] {
    for (const auto& [text, pair] : texts) plainPos.push_back(LinearFindFirstEntry(store, text, pair));
  });
  const double fastFind = Seconds([&] {
    for (const auto& [text, pair] : texts) fastPos.push_back(store.FindFirstEntry(text, pair));
  });
  report("FindFirstEntry, 300 typed prefixes", plainPos == fastPos, plainFind, fastFind);

  std::vector<DictEntry> plainEntries, fastEntries;
  std::vector<std::pair<int32_t, std::u16string>> asks;
  for (const std::u16string pair : {u"RUS-SAH", u"RSE-SAH", u"SAH-RUS"}) {
    const int32_t n = store.GetPairCount(pair);
    for (int32_t k = 1; k <= n; k += n / 100 + 1) asks.emplace_back(k, pair);
    asks.emplace_back(n, pair);
  }
  const double plainGet = Seconds([&] {
    for (const auto& [k, pair] : asks) plainEntries.push_back(LinearGetEntry(store, k, pair));
  });
  const double fastGet = Seconds([&] {
    for (const auto& [k, pair] : asks) fastEntries.push_back(store.GetEntry(k, pair));
  });
  report("filtered GetEntry, ~300 positions", plainEntries == fastEntries, plainGet, fastGet);
  return allSame;
}

}  // namespace

int main(int argc, char** argv) {
  if (!fs::exists(kCorpus)) {
    std::printf("corpus not found (%s): nothing to measure\n", kCorpus.c_str());
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  const double peak = PeakMegabytesOfRebuild();
  std::printf("peak memory of the whole rebuild (max RSS of a child process): %.1f MB\n", peak);
  const bool same = CompareWithPlainAlgorithms();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code ec;
  fs::remove_all(ScratchDir(), ec);
  return same ? 0 : 1;
}
