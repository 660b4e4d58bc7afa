#pragma once
// What a dictionary file says about itself in its header lines.

#include <filesystem>
#include <string>
#include <string_view>

namespace sahdict::exporting {

struct DictInfo {
  std::u16string Name;      // "--dictionary"
  std::u16string Author;    // "--author"
  std::u16string Version;   // "--version"
  std::u16string Date;      // "--date"
  std::u16string Comments;  // every "--comments" line, joined by LF
};

// The header values of the file at `path` (read as the reader reads it:
// UTF-8 when the file is UTF-8, Windows-1251 otherwise). The first line of a
// key counts, except "comments", whose lines are all kept. Missing keys give
// "". A file that cannot be read gives an empty DictInfo.
DictInfo ReadDictInfo(const std::filesystem::path& path);

// The same over the bytes of a file.
DictInfo ParseDictInfo(std::string_view bytes);

}  // namespace sahdict::exporting
