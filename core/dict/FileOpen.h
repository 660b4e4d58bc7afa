#pragma once
// Opening files by std::filesystem::path on every system, names in any script.

#include <cstdio>
#include <filesystem>
#include <string>

namespace sahdict {

// std::fopen of `path` with `mode` ("rb", "wbx" ...). nullptr when the file
// cannot be opened, and for a folder, which some systems open for reading.
std::FILE* OpenFile(const std::filesystem::path& path, const char* mode);

// Why a file of `type` is refused: "a FIFO, not an ordinary file" (also for
// a folder, a device and a socket), or just "not an ordinary file".
std::string NotOrdinaryText(std::filesystem::file_type type);

}  // namespace sahdict
