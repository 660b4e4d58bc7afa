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

}  // namespace sahdict
