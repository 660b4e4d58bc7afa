#include "core/text/Utf8Scan.h"

namespace sahdict {

bool Utf8Scan::Feed(std::string_view bytes) {
  for (const char c : bytes) {
    if (!valid_) return false;
    const auto b = static_cast<unsigned char>(c);
    if (pending_ > 0) {
      valid_ = b >= low_ && b <= high_;
      --pending_;
      low_ = 0x80;
      high_ = 0xBF;
      continue;
    }
    if (b < 0x80) continue;
    multibyte_ = true;
    // The lead byte says how many bytes follow; E0, ED, F0 and F4 narrow the
    // first of them so that overlong forms, surrogates and values above
    // U+10FFFF are refused.
    if (b >= 0xC2 && b <= 0xDF) {
      pending_ = 1;
    } else if (b >= 0xE0 && b <= 0xEF) {
      pending_ = 2;
      if (b == 0xE0) low_ = 0xA0;
      if (b == 0xED) high_ = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      pending_ = 3;
      if (b == 0xF0) low_ = 0x90;
      if (b == 0xF4) high_ = 0x8F;
    } else {
      valid_ = false;
    }
  }
  return valid_;
}

}  // namespace sahdict
