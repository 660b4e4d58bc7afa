#pragma once
// What identifies the bytes of a dictionary source as they were read: their
// size, the file's modification time and a 64-bit hash of the bytes. A
// compiled file records it, and belongs to a source only while it matches.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace sahdict {

// A 64-bit hash of a stream of bytes fed in pieces of any size; the value
// depends only on the bytes and their order.
class ByteHash {
 public:
  void Feed(std::string_view bytes);
  uint64_t Value() const;
  uint64_t Size() const { return size_; }

 private:
  void Mix(uint64_t word);
  uint64_t state_ = 0x9E3779B97F4A7C15ull;
  uint64_t size_ = 0;
  uint64_t pending_ = 0;  // bytes of a word not yet complete, low byte first
};

struct SourceIdentity {
  uint64_t size = 0;
  int64_t modified = 0;  // nanoseconds since the epoch
  uint64_t hash = 0;
  friend bool operator==(const SourceIdentity&, const SourceIdentity&) = default;
};

// The comment line of a compiled file that records its source:
// "--# source <size> <modified> <hash in hex>".
inline constexpr std::string_view kSourceLine = "--# source ";
std::string SourceLineText(const SourceIdentity& identity);
// The identity of such a line, or none when the line is not one.
std::optional<SourceIdentity> ParseSourceLine(std::string_view line);

// The identity of an ordinary file, read whole now; none when it cannot be read.
std::optional<SourceIdentity> IdentifyFile(const std::filesystem::path& path);

// The modification time of an open file in nanoseconds since the epoch (0 when unknown).
int64_t ModifiedNanoseconds(int fd);

}  // namespace sahdict
