// Arbitrary bytes to the dictionary reader. The first byte picks the header
// lines put in front (none, text layout with both extractions, raw sorted, raw
// unsorted). Whatever reads successfully is written as a compiled file (UTF-8
// when the source was read as UTF-8) and must read back to exactly the same
// store, with a trailer that counts it and the source it records; the pair
// table must answer like the walks.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/dict/mdlDict.h"
#include "core/dict/mdlDictParser.h"
#include "core/text/mdlCommon.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/support/LinearWalks.h"

namespace {

using namespace sahdict;

using fuzz::Check;

// A folder of this process for the two files of each run, removed at exit.
struct Scratch {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / ("sahdict-fuzz-" + std::to_string(::getpid()));
  std::filesystem::path input = dir / "input.dict";
  std::filesystem::path compiled = dir / "compiled.dict";
  Scratch() { std::filesystem::create_directories(dir); }
  ~Scratch() {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
};

const Scratch& Files() {
  static const Scratch scratch;
  return scratch;
}

void CheckPairTable(const DictStore& store) {
  const int32_t count = store.GetEntryCount();
  for (const std::u16string& pair : store.GetPairs()) {
    const std::u16string texts[] = {u"", u"\u0430", store.GetEntry(1, pair).Word, store.GetEntry(count / 2, u"").Word};
    for (const auto& text : texts)
      Check(store.FindFirstEntry(text, pair) == LinearFindFirstEntry(store, text, pair), "FindFirstEntry");
    if (pair.empty()) continue;
    const int32_t n = store.GetPairCount(pair);
    for (int32_t k : {1, n / 2, n, n + 1}) Check(store.GetEntry(k, pair) == LinearGetEntry(store, k, pair), "GetEntry");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static const char* const kPrefixes[] = {
      "",
      "--languages RUS-SAH\r\n--dicttype NeedSahExtract\r\n--dicttype NeedRusExtract\r\n",
      "--dicttype RAWformat\r\n--dicttype Sorted\r\n",
      "--dicttype RAWformat\r\n",
  };
  std::string bytes = kPrefixes[data[0] % 4];
  bytes.append(reinterpret_cast<const char*>(data) + 1, size - 1);
  const auto& input = Files().input;
  {
    std::ofstream out(input, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    Check(out.good(), "scratch file written");
  }

  DictStore store;
  const ReadResult read = ReadDictionary(
      store, input, [](const std::u16string& m) { Check(!m.empty(), "message"); },
      [](const std::u16string& p) { Check(StartsWith(p, u"Rebuilding dictionary - "), "progress"); });
  CheckPairTable(store);
  if (!read.ok) return 0;
  Check(read.identity.size == bytes.size(), "the identity counts the bytes read");

  const auto& compiled = Files().compiled;
  CompiledOptions options;
  options.utf8 = read.utf8;
  options.followLink = false;
  options.source = read.identity;
  WriteError error;
  if (!WriteCompiled(store, compiled, error, options)) {
    // The only store the layout cannot hold is one with a pair beginning with "--".
    bool dashedPair = false;
    for (int32_t p = 1; p <= store.GetEntryCount(); ++p) dashedPair |= store.EntryAt(p).LangPair.starts_with(u"--");
    Check(dashedPair, "WriteCompiled failed without cause");
    return 0;
  }
  DictStore back;
  int messages = 0;
  const ReadResult again = ReadDictionary(
      back, compiled, [&](const std::u16string&) { ++messages; }, nullptr);
  Check(again.ok, "read back");
  Check(messages == 0, "read back without messages");
  Check(again.trailerEntries == back.GetEntryCount(), "the trailer counts the entries");
  Check(again.recordedSource == read.identity, "the source recorded");
  Check(back.GetEntryCount() == store.GetEntryCount(), "same count");
  for (int32_t p = 1; p <= store.GetEntryCount(); ++p) Check(back.GetEntry(p) == store.GetEntry(p), "same entries");
  return 0;
}
