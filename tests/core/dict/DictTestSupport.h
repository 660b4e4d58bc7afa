#pragma once
// Helpers for the dictionary tests: a scratch folder, raw file bytes, a read
// that collects its messages, and the store's entries in sorted order.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "core/dict/DictStore.h"
#include "core/dict/mdlDictParser.h"
#include "core/text/Cp1251.h"
#include "core/text/mdlCommon.h"

namespace sahdict::test {

// A fresh folder under the system's temporary folder, removed afterwards.
class ScratchDir {
 public:
  ScratchDir() {
    std::random_device seed;
    do {
      path_ = std::filesystem::temp_directory_path() / ("sahdict-dict-" + std::to_string(seed()));
    } while (!std::filesystem::create_directory(path_));
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  std::filesystem::path File(const std::string& name) const { return path_ / name; }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << file;
}

// Lines joined with CR LF (and one after the last line), in Windows-1251.
inline std::string DictText(const std::vector<std::u16string>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += EncodeCp1251(line) + "\r\n";
  return bytes;
}

inline std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct ReadOutcome {
  bool opened = false;
  bool ok = false;
  std::vector<std::u16string> messages;
};

inline ReadOutcome Read(DictStore& store, const std::filesystem::path& file) {
  ReadOutcome r;
  const ReadResult read =
      ReadDictionary(store, file, [&](const std::u16string& m) { r.messages.push_back(m); }, nullptr);
  r.opened = read.opened;
  r.ok = read.ok;
  return r;
}

// The store's entries at positions 1..count.
inline std::vector<DictEntry> Entries(const DictStore& store) {
  std::vector<DictEntry> all;
  for (int32_t p = 1; p <= store.GetEntryCount(); ++p) all.push_back(store.GetEntry(p));
  return all;
}

}  // namespace sahdict::test

// Readable failure output for entries.
namespace sahdict {
inline void PrintTo(const DictEntry& e, std::ostream* os) {
  *os << "{" << ToUtf8(e.LangPair) << " | " << ToUtf8(e.Word) << " | " << ToUtf8(e.HeadWord) << " | " << ToUtf8(e.Note)
      << " | " << ToUtf8(e.Translation) << "}";
}
}  // namespace sahdict
