#include "core/dict/FileOpen.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

std::FILE* OpenForReading(const std::filesystem::path& path, std::string& error) {
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(path, ec);
  if (ec) {
    error = ec.message();
    return nullptr;
  }
  if (status.type() != std::filesystem::file_type::regular) {
    error = NotOrdinaryText(status.type());
    return nullptr;
  }
#if defined(__unix__) || defined(__APPLE__)
  // Opened without waiting and checked again, in case the name was swapped for
  // a FIFO or device after the look above.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = std::strerror(errno);
    return nullptr;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    error = "not an ordinary file";
    ::close(fd);
    return nullptr;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  std::FILE* file = ::fdopen(fd, "rb");
  if (file == nullptr) {
    error = std::strerror(errno);
    ::close(fd);
  }
  return file;
#else
  std::FILE* file = OpenFile(path, "rb");
  if (file == nullptr) error = std::strerror(errno);
  return file;
#endif
}

}  // namespace sahdict
