#include "core/text/mdlCommon.h"

#include <cmath>
#include <limits>

namespace sahdict {

std::u16string GetChar(const std::u16string& text, int32_t pos) {
  if (pos < 1 || static_cast<size_t>(pos) > text.size()) return {};
  return std::u16string(1, text[static_cast<size_t>(pos) - 1]);
}

void SetChar(std::u16string& text, int32_t pos, const std::u16string& replacement) {
  if (pos < 1 || static_cast<size_t>(pos) > text.size()) return;
  text.replace(static_cast<size_t>(pos) - 1, 1, replacement);
}

std::u16string FirstWord(const std::u16string& text) {
  return text.substr(0, text.find(u' '));
}

std::u16string CutFirstWord(std::u16string& text) {
  const size_t space = text.find(u' ');
  if (space == std::u16string::npos) {
    std::u16string word;
    word.swap(text);
    return word;
  }
  std::u16string word = text.substr(0, space);
  text.erase(0, space + 1);
  return word;
}

bool StartsWith(const std::u16string& text, const std::u16string& prefix) {
  return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

std::u16string PadLeft(const std::u16string& text, int32_t width, const std::u16string& pad) {
  if (pad.empty()) return text;
  std::u16string result = text;
  while (width >= 0 && result.size() < static_cast<size_t>(width)) result.insert(0, pad);
  return result;
}

namespace {

// Nearest 32-bit integer, ties to even, saturating; NaN gives 0.
int64_t RoundTiesEven32(float value) {
  if (std::isnan(value)) return 0;
  constexpr float kMax = 2147483647.0f;  // rounds to 2^31 in single precision
  if (value >= kMax) return std::numeric_limits<int32_t>::max();
  if (value <= -kMax) return std::numeric_limits<int32_t>::min();
  // Floats of this magnitude are exact in double; nearbyint uses the
  // default to-nearest-even mode, which the program never changes.
  return static_cast<int64_t>(std::nearbyint(static_cast<double>(value)));
}

}  // namespace

std::u16string FormatFixed(float value, int16_t decimals) {
  if (decimals < 0) return {};
  float scaled = value;
  for (int i = 0; i < decimals; ++i) scaled = static_cast<float>(scaled * 10.0f);
  const int64_t rounded = RoundTiesEven32(scaled);
  const uint64_t magnitude = rounded < 0 ? static_cast<uint64_t>(-rounded) : static_cast<uint64_t>(rounded);
  std::string digits = std::to_string(magnitude);
  const size_t d = static_cast<size_t>(decimals);
  if (d > 0) {
    while (digits.size() <= d) digits.insert(0, "0");
    digits.insert(digits.size() - d, ".");
  }
  if (rounded < 0) digits.insert(0, "-");
  return std::u16string(digits.begin(), digits.end());
}

std::u16string FromUtf8(const std::string& utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  size_t i = 0;
  const size_t n = utf8.size();
  auto cont = [&](size_t k) { return k < n && (static_cast<unsigned char>(utf8[k]) & 0xC0) == 0x80; };
  while (i < n) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    uint32_t cp = 0xFFFD;
    size_t len = 1;
    if (c < 0x80) {
      cp = c;
    } else if ((c & 0xE0) == 0xC0 && cont(i + 1)) {
      cp = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
      len = 2;
      if (cp < 0x80) cp = 0xFFFD;
    } else if ((c & 0xF0) == 0xE0 && cont(i + 1) && cont(i + 2)) {
      cp = ((c & 0x0Fu) << 12) | ((static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu) << 6) |
           (static_cast<unsigned char>(utf8[i + 2]) & 0x3Fu);
      len = 3;
      if (cp < 0x800) cp = 0xFFFD;
    } else if ((c & 0xF8) == 0xF0 && cont(i + 1) && cont(i + 2) && cont(i + 3)) {
      cp = ((c & 0x07u) << 18) | ((static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu) << 12) |
           ((static_cast<unsigned char>(utf8[i + 2]) & 0x3Fu) << 6) | (static_cast<unsigned char>(utf8[i + 3]) & 0x3Fu);
      len = 4;
      if (cp < 0x10000 || cp > 0x10FFFF) cp = 0xFFFD;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
    i += len;
  }
  return out;
}

std::string ToUtf8(const std::u16string& text) {
  std::string out;
  out.reserve(text.size() * 2);
  AppendUtf8(out, text);
  return out;
}

void AppendUtf8(std::string& out, std::u16string_view text) {
  const size_t size = out.size();
  out.resize(size + 3 * text.size());
  out.resize(static_cast<size_t>(WriteUtf8(out.data() + size, text) - out.data()));
}

char* WriteUtf8(char* out, std::u16string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    uint32_t cp = text[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;  // an unpaired surrogate has no UTF-8 form
    }
    if (cp < 0x80) {
      *out++ = static_cast<char>(cp);
    } else if (cp < 0x800) {
      *out++ = static_cast<char>(0xC0 | (cp >> 6));
      *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      *out++ = static_cast<char>(0xE0 | (cp >> 12));
      *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      *out++ = static_cast<char>(0xF0 | (cp >> 18));
      *out++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

void ReplaceAll(std::u16string& text, const std::u16string& search, const std::u16string& replacement) {
  if (search.empty()) return;
  size_t pos = text.find(search);
  if (pos == std::u16string::npos) return;
  std::u16string out;
  out.reserve(text.size());
  size_t from = 0;
  while (pos != std::u16string::npos) {
    out.append(text, from, pos - from);
    out += replacement;
    from = pos + search.size();
    pos = text.find(search, from);
  }
  out.append(text, from, std::u16string::npos);
  text.swap(out);
}

std::u16string TrimSpaces(const std::u16string& text) {
  const size_t first = text.find_first_not_of(u' ');
  if (first == std::u16string::npos) return {};
  const size_t last = text.find_last_not_of(u' ');
  return text.substr(first, last - first + 1);
}

namespace {

bool IsWordChar(char16_t c) {
  return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
         (c >= u'\u0400' && c <= u'\u04FF') || c == u'\u0301';
}

// An apostrophe or hyphen joins two word characters.
bool Joins(const std::u16string& text, size_t i) {
  return (text[i] == u'\'' || text[i] == u'-') && i > 0 && i + 1 < text.size() && IsWordChar(text[i - 1]) &&
         IsWordChar(text[i + 1]);
}

bool InWord(const std::u16string& text, size_t i) { return IsWordChar(text[i]) || Joins(text, i); }

}  // namespace

std::u16string WordAt(const std::u16string& text, size_t at) {
  if (at >= text.size() || !InWord(text, at)) return {};
  size_t from = at, to = at + 1;
  while (from > 0 && InWord(text, from - 1)) --from;
  while (to < text.size() && InWord(text, to)) ++to;
  return text.substr(from, to - from);
}

}  // namespace sahdict
