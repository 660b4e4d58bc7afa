#include "tools/DictLoading.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <new>
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
  try {
    result.ok = ReadDictionary(
        store, file,
        [&](const std::u16string& text) {
          ++result.messages;
          io.out << "message: ";
          WriteText(io.out, text);
          io.out << "\n";
        },
        nullptr);
  } catch (const std::bad_alloc&) {
    // Nothing half-read is kept; clearing gives the memory back.
    store.ClearDictionary();
    result.outOfMemory = true;
  }
  return result;
}

Command DictFileCommand(std::string name, std::string usage, std::string help, size_t argCount, DictFileBody body) {
  Command cmd{std::move(name), std::move(usage), std::move(help), nullptr};
  cmd.run = [cmd, argCount, body](const std::vector<std::string>& args, Io& io) {
    if (args.size() != argCount) return UsageError(cmd, io);
    DictStore store;
    const LoadResult read = LoadDictionary(store, args[0], io);
    if (!read.readable) {
      io.err << "sahdict-tool: cannot read " << args[0] << "\n";
      return int{kUsage};
    }
    if (read.outOfMemory) {
      io.err << "sahdict-tool: out of memory while reading " << args[0] << "\n";
      return int{kUsage};
    }
    const int readStatus = read.ok && read.messages == 0 ? kOk : kProblems;
    return std::max(readStatus, body(store, read, args, io));
  };
  return cmd;
}

}  // namespace sahdict::tool
