#include "core/dict/SourceIdentity.h"

#include <cinttypes>
#include <cstdio>
#include <vector>

#include "core/dict/FileOpen.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace sahdict {

void ByteHash::Mix(uint64_t word) {
  state_ = (state_ ^ word) * 0x100000001B3ull;
  state_ ^= state_ >> 29;
}

void ByteHash::Feed(std::string_view bytes) {
  size_t i = 0;
  // Complete the word left over from the last piece, then whole words.
  while (i < bytes.size() && size_ % 8 != 0) {
    pending_ |= uint64_t{static_cast<unsigned char>(bytes[i++])} << (8 * (size_ % 8));
    if (++size_ % 8 == 0) {
      Mix(pending_);
      pending_ = 0;
    }
  }
  for (; i + 8 <= bytes.size(); i += 8, size_ += 8) {
    uint64_t word = 0;
    for (int k = 7; k >= 0; --k) word = word << 8 | static_cast<unsigned char>(bytes[i + static_cast<size_t>(k)]);
    Mix(word);
  }
  for (; i < bytes.size(); ++i, ++size_)
    pending_ |= uint64_t{static_cast<unsigned char>(bytes[i])} << (8 * (size_ % 8));
}

uint64_t ByteHash::Value() const {
  uint64_t h = (state_ ^ pending_) * 0x100000001B3ull;
  h ^= size_;
  h ^= h >> 33;
  h *= 0xFF51AFD7ED558CCDull;
  h ^= h >> 33;
  return h;
}

std::string SourceLineText(const SourceIdentity& identity) {
  char text[96];
  std::snprintf(text, sizeof text, "%" PRIu64 " %" PRId64 " %016" PRIx64, identity.size, identity.modified,
                identity.hash);
  return std::string(kSourceLine) + text;
}

std::optional<SourceIdentity> ParseSourceLine(std::string_view line) {
  if (!line.starts_with(kSourceLine) || line.size() > 96) return std::nullopt;
  const std::string rest(line.substr(kSourceLine.size()));
  SourceIdentity identity;
  char tail = 0;
  if (std::sscanf(rest.c_str(), "%" SCNu64 " %" SCNd64 " %16" SCNx64 "%c", &identity.size, &identity.modified,
                  &identity.hash, &tail) != 3)
    return std::nullopt;
  return identity;
}

int64_t ModifiedNanoseconds(int fd) {
#ifdef _WIN32
  (void)fd;
  return 0;
#else
  struct stat st {};
  if (::fstat(fd, &st) != 0) return 0;
  return static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
#endif
}

std::optional<SourceIdentity> IdentifyFile(const std::filesystem::path& path) {
  std::string error;
  std::FILE* file = OpenForReading(path, error);
  if (file == nullptr) return std::nullopt;
  SourceIdentity identity;
#ifndef _WIN32
  identity.modified = ModifiedNanoseconds(::fileno(file));
#endif
  ByteHash hash;
  std::vector<char> buffer(1 << 16);
  size_t len = 0;
  while ((len = std::fread(buffer.data(), 1, buffer.size(), file)) > 0) hash.Feed({buffer.data(), len});
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return std::nullopt;
  identity.size = hash.Size();
  identity.hash = hash.Value();
  return identity;
}

}  // namespace sahdict
