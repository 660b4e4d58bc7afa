#include "core/text/Utf8Scan.h"

#include <cstdint>

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

namespace {

// The length of the valid sequence at the start of `s`, 0 when there is none.
size_t SequenceLength(std::string_view s, uint32_t& cp) {
  const auto b = static_cast<unsigned char>(s[0]);
  size_t len = 0;
  unsigned char low = 0x80, high = 0xBF;
  if (b >= 0xC2 && b <= 0xDF) {
    len = 2;
    cp = b & 0x1Fu;
  } else if (b >= 0xE0 && b <= 0xEF) {
    len = 3;
    cp = b & 0x0Fu;
    if (b == 0xE0) low = 0xA0;
    if (b == 0xED) high = 0x9F;
  } else if (b >= 0xF0 && b <= 0xF4) {
    len = 4;
    cp = b & 0x07u;
    if (b == 0xF0) low = 0x90;
    if (b == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (s.size() < len) return 0;
  for (size_t k = 1; k < len; ++k) {
    const auto c = static_cast<unsigned char>(s[k]);
    if (c < low || c > high) return 0;
    low = 0x80;
    high = 0xBF;
    cp = cp << 6 | (c & 0x3Fu);
  }
  return len;
}

}  // namespace

Utf8Tally TallyUtf8(std::string_view bytes, std::u16string* out) {
  Utf8Tally tally;
  if (out != nullptr) out->clear();
  for (size_t i = 0; i < bytes.size();) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      if (out != nullptr) out->push_back(b);
      ++i;
      continue;
    }
    uint32_t cp = 0;
    const size_t len = SequenceLength(bytes.substr(i), cp);
    if (len == 0) {
      ++tally.invalid;
      cp = 0xFFFD;
      ++i;
    } else {
      ++tally.multibyte;
      i += len;
    }
    if (out == nullptr) continue;
    if (cp >= 0x10000) {
      out->push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
      out->push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out->push_back(static_cast<char16_t>(cp));
    }
  }
  return tally;
}

}  // namespace sahdict
