#pragma once
// Reading a dictionary file for the tool's commands, with the reader's
// messages printed as they arise.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/dict/DictStore.h"
#include "tools/Tool.h"

namespace sahdict::tool {

struct LoadResult {
  bool readable = false;     // the file could be opened and read
  std::string error;         // why it could not, as the system words it
  bool ok = false;           // ReadDictionary's result
  bool outOfMemory = false;  // the read ran out of memory; the store was emptied
  int messages = 0;          // number of reader messages printed
  bool utf8 = false;         // lines were read as UTF-8
};

// Reads `path` into `store`, printing each reader message as "message: <text>"
// to io.out, then the message of a file without a readable article, then
// "encoding: utf-8" for a file read as UTF-8.
LoadResult LoadDictionary(DictStore& store, const std::string& path, Io& io);

// The body of a command whose first argument is a dictionary file: it runs
// after the file was read and returns its own exit status.
using DictFileBody =
    std::function<int(DictStore& store, const LoadResult& read, const std::vector<std::string>& args, Io& io)>;

// A command taking exactly `argCount` arguments, the first a dictionary file.
// Bad usage, an unreadable file and a read that runs out of memory give exit 2;
// otherwise the exit status is the worse of the read's (1 when it failed or
// printed messages) and the body's.
Command DictFileCommand(std::string name, std::string usage, std::string help, size_t argCount, DictFileBody body);

}  // namespace sahdict::tool
