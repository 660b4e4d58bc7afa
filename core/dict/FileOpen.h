#pragma once
// Opening files by std::filesystem::path on every system, names in any script.

#include <cstdio>
#include <filesystem>

namespace sahdict {

// std::fopen of `path` with `mode` ("rb", "wbx" ...). nullptr when the file
// cannot be opened, and for a folder, which some systems open for reading.
std::FILE* OpenFile(const std::filesystem::path& path, const char* mode);

}  // namespace sahdict
