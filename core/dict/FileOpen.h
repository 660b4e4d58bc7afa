#pragma once
// Opening files by std::filesystem::path on every system, names in any script.

#include <cstdio>
#include <filesystem>
#include <string>

namespace sahdict {

// std::fopen of `path` with `mode` ("rb", "wbx" ...). nullptr when the file
// cannot be opened, and for a folder, which some systems open for reading.
std::FILE* OpenFile(const std::filesystem::path& path, const char* mode);

// Opens an ordinary file, or a symbolic link to one, for reading in binary.
// Anything else (a folder, FIFO, device or socket) is refused without being
// read, so a read never blocks on it. nullptr on failure, and `error` then
// holds the reason ("No such file or directory", "a FIFO, not an ordinary file").
std::FILE* OpenForReading(const std::filesystem::path& path, std::string& error);

// Why a file of `type` is refused: "a FIFO, not an ordinary file" (also for
// a folder, a device and a socket), or just "not an ordinary file".
std::string NotOrdinaryText(std::filesystem::file_type type);

}  // namespace sahdict
