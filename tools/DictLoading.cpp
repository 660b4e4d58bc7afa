#include "tools/DictLoading.h"

#include <cstdio>
#include <filesystem>
#include <ostream>
#include <system_error>

#include "core/dict/mdlDictParser.h"

namespace sahdict::tool {

namespace {

bool CanOpen(const std::filesystem::path& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return false;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  std::fclose(file);
  return true;
}

}  // namespace

LoadResult LoadDictionary(DictStore& store, const std::string& path, Io& io) {
  LoadResult result;
  const std::filesystem::path file(path);
  if (!CanOpen(file)) {
    store.ClearDictionary();
    return result;
  }
  result.readable = true;
  result.ok = ReadDictionary(
      store, file,
      [&](const std::u16string& text) {
        ++result.messages;
        io.out << "message: ";
        WriteText(io.out, text);
        io.out << "\n";
      },
      nullptr);
  return result;
}

int UnreadableFile(const std::string& path, Io& io) {
  io.err << "sahdict-tool: cannot read " << path << "\n";
  return kUsage;
}

}  // namespace sahdict::tool
