// Exports and the terminal lookup over the shared corpus, as whole runs of
// sahdict-tool: each format's export (wall and processor time, peak memory),
// all five in one run (`export ... all`) and as five runs in a row, the size
// of the SAH-RUS synonym file, and `define` on the compiled corpus for a
// matched word, a Sakha form and a misspelling. In-process, the five writers
// over one loaded store.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/dict/mdlDictParser.h"
#include "core/export/Exporter.h"

extern char** environ;

namespace {

using namespace sahdict;
namespace fs = std::filesystem;

const fs::path kCorpus = SAHDICT_CORPUS;

fs::path Scratch() {
  static const fs::path dir = fs::temp_directory_path() / ("sahdict-export-bench-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  return dir;
}

struct Run {
  double wall = 0;    // seconds from spawn to exit
  double cpu = 0;     // the child's user and system seconds
  double peakMb = 0;  // the child's maximum resident set
  int status = -1;
};

// One run of sahdict-tool with `args`, its output thrown away.
Run Tool(const std::vector<std::string>& args) {
  std::vector<std::string> all{SAHDICT_TOOL};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  Run run;
  if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
    rusage usage{};
    ::wait4(child, &run.status, 0, &usage);
    run.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
              static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    run.peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
  }
  posix_spawn_file_actions_destroy(&actions);
  return run;
}

bool NeedCorpus(benchmark::State& state) {
  if (fs::exists(kCorpus)) return true;
  state.SkipWithError("corpus not found: " SAHDICT_CORPUS);
  return false;
}

// Exit 0, or 1 for headwords an export format cannot hold or a word define
// does not find, is a finished run.
bool Finished(const Run& r) { return WIFEXITED(r.status) && WEXITSTATUS(r.status) <= 1; }

void Report(benchmark::State& state, const std::vector<Run>& runs) {
  double wall = 1e9, cpu = 1e9, peak = 0;
  for (const Run& r : runs) {
    wall = std::min(wall, r.wall);
    cpu = std::min(cpu, r.cpu);
    peak = std::max(peak, r.peakMb);
  }
  state.counters["best_wall_s"] = wall;
  state.counters["best_cpu_s"] = cpu;
  state.counters["peak_MB"] = peak;
  rusage self{};
  ::getrusage(RUSAGE_SELF, &self);
  state.counters["spawner_MB"] = static_cast<double>(self.ru_maxrss) / 1024.0;  // included in peak_MB
}

// One timed run of the tool with `args` per iteration, reported together.
void TimeRuns(benchmark::State& state, const std::vector<std::string>& args) {
  std::vector<Run> runs;
  for (auto _ : state) {
    const Run r = Tool(args);
    if (!Finished(r)) state.SkipWithError("sahdict-tool failed");
    state.SetIterationTime(r.wall);
    runs.push_back(r);
  }
  Report(state, runs);
}

void BM_ExportProcess(benchmark::State& state, const std::string& format) {
  if (!NeedCorpus(state)) return;
  TimeRuns(state, {"export", kCorpus.string(), format, (Scratch() / format).string(), "--force"});
  if (format == "stardict")
    state.counters["syn_SAH_RUS_MB"] = static_cast<double>(fs::file_size(Scratch() / format / "sah-rus.syn")) / 1e6;
}
BENCHMARK_CAPTURE(BM_ExportProcess, stardict, std::string("stardict"))
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportProcess, dictd, std::string("dictd"))
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportProcess, xdxf, std::string("xdxf"))
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportProcess, dsl, std::string("dsl"))
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportProcess, tsv, std::string("tsv"))
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

// Every format in one run of the tool: the dictionary read and the forms made once.
void BM_ExportAllOneRun(benchmark::State& state) {
  if (!NeedCorpus(state)) return;
  TimeRuns(state, {"export", kCorpus.string(), "all", (Scratch() / "all").string(), "--force"});
}
BENCHMARK(BM_ExportAllOneRun)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// The five formats one after another, as five runs of the tool.
void BM_ExportAllFormats(benchmark::State& state) {
  if (!NeedCorpus(state)) return;
  std::vector<Run> totals;
  for (auto _ : state) {
    Run total;
    total.status = 0;
    for (const char* format : {"stardict", "dictd", "xdxf", "dsl", "tsv"}) {
      const Run r = Tool({"export", kCorpus.string(), format, (Scratch() / format).string(), "--force"});
      if (!Finished(r)) state.SkipWithError("export failed");
      total.wall += r.wall;
      total.cpu += r.cpu;
      total.peakMb = std::max(total.peakMb, r.peakMb);
    }
    state.SetIterationTime(total.wall);
    totals.push_back(total);
  }
  Report(state, totals);
}
BENCHMARK(BM_ExportAllFormats)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

const fs::path& CompiledCorpus() {
  static const fs::path file = [] {
    const fs::path out = Scratch() / "compiled.dict";
    Tool({"compile", kCorpus.string(), out.string()});
    return out;
  }();
  return file;
}

// `define` as a person runs it: the whole process, reading the compiled corpus.
void BM_DefineProcess(benchmark::State& state, const std::string& word) {
  if (!NeedCorpus(state)) return;
  TimeRuns(state, {"define", CompiledCorpus().string(), word});
}
BENCHMARK_CAPTURE(BM_DefineProcess, russian_word, std::string("лошадь"))
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DefineProcess, sakha_word, std::string("ат"))
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DefineProcess, sakha_form, std::string("аттарга"))
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DefineProcess, misspelt, std::string("лашадь"))
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

// The writers alone: the five formats from one store read once. Registered
// last: a spawned child's peak memory counts the parent's at the spawn, so the
// parent holds no store while the runs above are measured.
void BM_ExportAllInProcess(benchmark::State& state) {
  if (!NeedCorpus(state)) return;
  DictStore store;
  ReadDictionary(store, kCorpus, nullptr, nullptr);
  const exporting::DictInfo info = exporting::ReadDictInfo(kCorpus);
  for (auto _ : state) {
    exporting::ExportOptions options;
    options.formats = exporting::FormatsNamed("all");
    options.force = true;
    const auto r = exporting::ExportDictionary(store, info, Scratch() / "in-process", options);
    if (r.status != exporting::ExportStatus::Ok) state.SkipWithError(r.error.c_str());
  }
}
BENCHMARK(BM_ExportAllInProcess)->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code ec;
  fs::remove_all(Scratch(), ec);  // the exports written by the runs above
  return 0;
}
