#pragma once
// Reading a dictionary file for the tool's commands, with the reader's
// messages printed as they arise.

#include <string>

#include "core/dict/DictStore.h"
#include "tools/Tool.h"

namespace sahdict::tool {

struct LoadResult {
  bool readable = false;  // the file could be opened
  bool ok = false;        // ReadDictionary's result
  int messages = 0;       // number of reader messages printed
};

// Reads `path` into `store`, printing each reader message as "message: <text>" to io.out.
LoadResult LoadDictionary(DictStore& store, const std::string& path, Io& io);

// Prints "sahdict-tool: cannot read FILE" to io.err and returns kUsage.
int UnreadableFile(const std::string& path, Io& io);

}  // namespace sahdict::tool
