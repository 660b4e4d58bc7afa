#pragma once
// A strict check of UTF-8 fed in pieces, so a file can be judged while it is
// streamed: no overlong forms, no surrogates, nothing above U+10FFFF, and a
// sequence may be split between two pieces.

#include <cstddef>
#include <string>
#include <string_view>

namespace sahdict {

// What one run of bytes holds as UTF-8: the sequences of two or more bytes
// that are valid, and the bytes that belong to no valid sequence.
struct Utf8Tally {
  size_t multibyte = 0;
  size_t invalid = 0;
};

// Tallies `bytes` as UTF-8 under the same rules as Utf8Scan; with `out`, also
// decodes them there, each invalid byte as U+FFFD.
Utf8Tally TallyUtf8(std::string_view bytes, std::u16string* out = nullptr);

class Utf8Scan {
 public:
  // Checks the next bytes; false once the bytes seen so far are not UTF-8
  // (every later call then returns false at once).
  bool Feed(std::string_view bytes);

  // Every byte fed was UTF-8 and no sequence is left open.
  bool Complete() const { return valid_ && pending_ == 0; }
  // A sequence of two or more bytes was seen.
  bool Multibyte() const { return multibyte_; }

 private:
  int pending_ = 0;  // continuation bytes still due
  unsigned char low_ = 0x80;
  unsigned char high_ = 0xBF;  // the range of the next continuation byte
  bool valid_ = true;
  bool multibyte_ = false;
};

}  // namespace sahdict
