#include "tools/DictLoading.h"

#include <algorithm>
#include <filesystem>
#include <new>
#include <ostream>

#include "core/dict/mdlDictParser.h"

namespace sahdict::tool {

LoadResult LoadDictionary(DictStore& store, const std::string& path, Io& io) {
  LoadResult result;
  auto print = [&](const std::u16string& text) {
    ++result.messages;
    io.out << "message: ";
    WriteText(io.out, text);
    io.out << "\n";
  };
  try {
    const ReadResult read = ReadDictionary(store, std::filesystem::path(path), print, nullptr);
    if (read.noArticle) print(kNoArticleMessage);
    if (read.utf8) io.out << "encoding: utf-8\n";
    result.readable = read.opened && read.error.empty();
    result.error = read.error;
    result.ok = read.ok;
    result.utf8 = read.utf8;
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
    if (read.outOfMemory) {
      io.err << "sahdict-tool: out of memory while reading " << args[0] << "\n";
      return int{kUsage};
    }
    if (!read.readable) {
      io.err << "sahdict-tool: cannot read " << args[0] << ": " << read.error << "\n";
      return int{kUsage};
    }
    const int readStatus = read.ok && read.messages == 0 ? kOk : kProblems;
    return std::max(readStatus, body(store, read, args, io));
  };
  return cmd;
}

}  // namespace sahdict::tool
