// The reader's lists: one lookup appended to the history journal (median and
// slowest, with 10,000 words already listed), reading a full history back,
// and reading back 20,000 favourites' marks.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "core/journal/ReaderLists.h"

namespace sahdict {
namespace {

namespace fs = std::filesystem;

fs::path Folder() {
  const fs::path folder = fs::temp_directory_path() / "sahdict-bench-lists";
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

std::u16string Word(size_t i) {
  std::u16string w = u"слово";
  for (; i > 0; i /= 32) w += static_cast<char16_t>(u'а' + i % 32);
  return w;
}

// Wall time, as the window waits for it: the write reaches the system.
void BM_HistoryAppend(benchmark::State& state) {
  const fs::path folder = Folder();
  LookupHistory history(folder);
  for (size_t i = 0; i < LookupHistory::kMaxEntries; ++i) history.Record(Word(i), u"RUS-SAH", 1);
  std::vector<double> micros;
  size_t i = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(history.Record(Word(i++ % 20000), u"RUS-SAH", 2));
    micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(micros.begin(), micros.end());
  state.counters["median_us"] = micros[micros.size() / 2];
  state.counters["max_us"] = micros.back();
  fs::remove_all(folder);
}
BENCHMARK(BM_HistoryAppend)->Iterations(2000)->Unit(benchmark::kMicrosecond);

void BM_HistoryLoad(benchmark::State& state) {
  const fs::path folder = Folder();
  {
    LookupHistory history(folder);
    for (size_t i = 0; i < 30000; ++i) history.Record(Word(i % 12000), u"RUS-SAH", 1);
  }
  for (auto _ : state) {
    LookupHistory history(folder);
    benchmark::DoNotOptimize(history.Load().setAside);
    state.counters["entries"] = static_cast<double>(history.Entries().size());
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_HistoryLoad)->Unit(benchmark::kMillisecond);

void BM_FavouritesLoad(benchmark::State& state) {
  const fs::path folder = Folder();
  {
    Favourites favourites(folder);
    for (size_t i = 0; i < 20000; ++i) {
      if (i % 10 == 9)
        favourites.Remove(Word(i - 5), u"RUS-SAH");
      else
        favourites.Add(Word(i), u"RUS-SAH", 1);
    }
  }
  for (auto _ : state) {
    Favourites favourites(folder);
    benchmark::DoNotOptimize(favourites.Load().setAside);
    state.counters["entries"] = static_cast<double>(favourites.Entries().size());
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_FavouritesLoad)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sahdict

BENCHMARK_MAIN();
