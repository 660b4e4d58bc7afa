#include "core/dict/FileOpen.h"

#include <string>
#include <system_error>

namespace sahdict {

std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return nullptr;
#ifdef _WIN32
  const std::string narrow(mode);
  return _wfopen(path.c_str(), std::wstring(narrow.begin(), narrow.end()).c_str());
#else
  return std::fopen(path.c_str(), mode);
#endif
}

std::string NotOrdinaryText(std::filesystem::file_type type) {
  using std::filesystem::file_type;
  switch (type) {
    case file_type::directory:
      return "a folder, not an ordinary file";
    case file_type::fifo:
      return "a FIFO, not an ordinary file";
    case file_type::character:
    case file_type::block:
      return "a device, not an ordinary file";
    case file_type::socket:
      return "a socket, not an ordinary file";
    default:
      return "not an ordinary file";
  }
}

}  // namespace sahdict
