#pragma once
// A strict check of UTF-8 fed in pieces, so a file can be judged while it is
// streamed: no overlong forms, no surrogates, nothing above U+10FFFF, and a
// sequence may be split between two pieces.

#include <string_view>

namespace sahdict {

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
