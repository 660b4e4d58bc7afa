// The dictionary at one, three and ten times the shared corpus (written by
// scale-corpus.py into the build folder when the bench runs): the rebuild
// (source read, sorted, compiled file written) and the read of the compiled
// file, each as a child process whose time and peak memory are measured, beside
// the plain decode of the compiled file; then, on the tenfold store, one
// keystroke of the search and the switch of the language pair.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/dict/mdlDict.h"
#include "core/dict/mdlDictParser.h"
#include "core/text/Cp1251.h"

namespace {

using namespace sahdict;
namespace fs = std::filesystem;

const fs::path kCorpus = SAHDICT_CORPUS;
const fs::path kScaleScript = SAHDICT_SCALE_SCRIPT;
const fs::path kFolder = SAHDICT_SCALE_DIR;

struct Run {
  double seconds = 0;  // wall time from fork to the child's end
  double peakMb = 0;   // the child's maximum resident set
  bool ok = false;
};

// Runs `work` in a child process; its result decides the exit status.
Run InChild(const std::function<bool()>& work) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = ::fork();
  if (child == 0) ::_exit(work() ? 0 : 1);
  int status = 0;
  rusage usage{};
  ::wait4(child, &status, 0, &usage);
  Run run;
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
  run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return run;
}

// The best time and the largest peak of three runs.
Run BestOfThree(const std::function<bool()>& work) {
  Run best;
  for (int i = 0; i < 3; ++i) {
    const Run r = InChild(work);
    best.seconds = i == 0 ? r.seconds : std::min(best.seconds, r.seconds);
    best.peakMb = std::max(best.peakMb, r.peakMb);
    best.ok = i == 0 ? r.ok : best.ok && r.ok;
  }
  return best;
}

bool Read(DictStore& store, const fs::path& file) {
  int messages = 0;
  const bool ok = ReadDictionary(
                      store, file, [&](const std::u16string&) { ++messages; }, nullptr)
                      .ok;
  return ok && messages == 0;
}

// What `sahdict-tool compile` does.
bool Rebuild(const fs::path& source, const fs::path& compiled) {
  DictStore store;
  return Read(store, source) && WriteCompiled(store, compiled);
}

// What `sahdict-tool check` does with a compiled file.
bool ReadCompiled(const fs::path& compiled) {
  DictStore store;
  return Read(store, compiled);
}

// The floor under any reader: the file's bytes streamed through one buffer
// and decoded, nothing parsed (as bench_decode_floor does).
bool PlainDecode(const fs::path& file) {
  std::FILE* f = std::fopen(file.c_str(), "rb");
  if (f == nullptr) return false;
  std::string bytes(1 << 16, '\0');
  std::u16string text;
  size_t total = 0;
  for (size_t got; (got = std::fread(bytes.data(), 1, bytes.size(), f)) > 0;) {
    DecodeCp1251(std::string_view(bytes.data(), got), text);
    benchmark::DoNotOptimize(text.data());
    total += text.size();
  }
  std::fclose(f);
  return total > 0;
}

// The source for `times` times the corpus: the corpus itself, or a file written now.
fs::path ScaledSource(int times) {
  if (times == 1) return kCorpus;
  const fs::path out = kFolder / ("x" + std::to_string(times) + ".dict");
  const std::string command = "'" SAHDICT_PYTHON "' '" + kScaleScript.string() + "' " + std::to_string(times) + " '" +
                              kCorpus.string() + "' '" + out.string() + "'";
  if (std::system(command.c_str()) != 0) return {};
  return out;
}

bool MeasureScales() {
  std::printf("%-5s %-16s %10s %9s %14s\n", "scale", "step", "best of 3", "peak", "vs x1 (t, mem)");
  Run base[2];
  bool ok = true;
  for (const int times : {1, 3, 10}) {
    const fs::path source = ScaledSource(times);
    const fs::path compiled = kFolder / ("x" + std::to_string(times) + "-compiled.dict");
    if (source.empty()) {
      std::printf("x%d: cannot write the scaled source\n", times);
      return false;
    }
    const Run runs[2] = {BestOfThree([&] { return Rebuild(source, compiled); }),
                         BestOfThree([&] { return ReadCompiled(compiled); })};
    const Run floor = BestOfThree([&] { return PlainDecode(compiled); });
    const char* names[2] = {"rebuild", "read compiled"};
    for (int k = 0; k < 2; ++k) {
      if (times == 1) base[k] = runs[k];
      ok &= runs[k].ok;
      std::printf("x%-4d %-16s %7.0f ms %6.1f MB %6.1fx %5.1fx%s\n", times, names[k], runs[k].seconds * 1e3,
                  runs[k].peakMb, runs[k].seconds / base[k].seconds, runs[k].peakMb / base[k].peakMb,
                  runs[k].ok ? "" : "  FAILED");
    }
    std::printf("x%-4d %-16s %7.0f ms %6.1f MB   read / decode %.1fx, rebuild / decode %.1fx\n", times,
                "plain decode", floor.seconds * 1e3, floor.peakMb, runs[1].seconds / floor.seconds,
                runs[0].seconds / floor.seconds);
  }
  return ok;
}

// The tenfold store, read once in this process after the child processes ran.
const DictStore& Tenfold() {
  static const DictStore store = [] {
    DictStore s;
    if (!Read(s, kFolder / "x10-compiled.dict")) std::printf("cannot read the tenfold compiled file\n");
    return s;
  }();
  return store;
}

// Texts a user might type: one to five letters of Words across a pair.
std::vector<std::u16string> TypedTexts(const DictStore& store, const std::u16string& pair) {
  std::vector<std::u16string> texts;
  const int32_t n = store.GetPairCount(pair);
  for (int32_t i = 0; i < 1000 && n > 0; ++i)
    texts.push_back(store.GetEntry(1 + (i * 7919) % n, pair).Word.substr(0, 1 + static_cast<size_t>(i % 5)));
  return texts;
}

// One keystroke: the search of the typed text within the pair.
void BM_Keystroke_x10(benchmark::State& state) {
  const DictStore& store = Tenfold();
  const std::u16string pair = state.range(0) == 0 ? u"RUS-SAH" : u"SAH-RUS";
  const auto texts = TypedTexts(store, pair);
  if (texts.empty()) return state.SkipWithError("no entries");
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(store.FindFirstEntry(texts[i++ % texts.size()], pair));
  state.counters["entries"] = store.GetPairCount(pair);
}
BENCHMARK(BM_Keystroke_x10)->Arg(0)->Arg(1)->ArgName("sah_source")->Unit(benchmark::kMicrosecond);

// The pair switch as the lookup window does it: the pair's count for the
// list, then the Words of the first rows it shows.
void BM_PairSwitch_x10(benchmark::State& state) {
  const DictStore& store = Tenfold();
  const std::u16string pairs[] = {u"RUS-SAH", u"SAH-RUS", u"RSE-SAH"};
  constexpr int32_t kRows = 40;
  size_t i = 0;
  for (auto _ : state) {
    const std::u16string& pair = pairs[i++ % std::size(pairs)];
    const int32_t rows = std::min(store.GetPairCount(pair), kRows);
    for (int32_t row = 0; row < rows; ++row) benchmark::DoNotOptimize(store.GetEntry(row + 1, pair).Word);
  }
}
BENCHMARK(BM_PairSwitch_x10)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (!fs::exists(kCorpus) || !fs::exists(kScaleScript)) {
    std::printf("corpus or scale-corpus.py not found (%s, %s): nothing to measure\n", kCorpus.c_str(),
                kScaleScript.c_str());
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  fs::create_directories(kFolder);
  const bool ok = MeasureScales();

  // The first pair read after loading builds the pair table: what the first
  // pair switch after start-up costs on top.
  {
    DictStore fresh;
    Read(fresh, kFolder / "x10-compiled.dict");
    const auto start = std::chrono::steady_clock::now();
    const int32_t count = fresh.GetPairCount(u"RUS-SAH");
    std::printf("x10 first pair switch after loading (pair table built): %.1f ms, %d entries in RUS-SAH\n",
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count(), count);
  }

  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return ok ? 0 : 1;
}
