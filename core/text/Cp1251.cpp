#include "core/text/Cp1251.h"

#include <array>

namespace sahdict {
namespace {

// Characters of bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F and 0x00..0x7F are ASCII.
constexpr std::array<char16_t, 64> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

constexpr char16_t ByteToChar(uint8_t b) {
  if (b < 0x80) return b;
  if (b >= 0xC0) return static_cast<char16_t>(0x0410 + (b - 0xC0));
  return kHigh[b - 0x80];
}

// The character of every byte, so that decoding is one lookup per byte.
constexpr std::array<char16_t, 256> kChars = [] {
  std::array<char16_t, 256> chars{};
  for (int b = 0; b < 256; ++b) chars[static_cast<size_t>(b)] = ByteToChar(static_cast<uint8_t>(b));
  return chars;
}();

// Reverse table over the whole UTF-16 range; 0 marks "no code" (U+0000 is handled apart).
struct ReverseTable {
  std::array<uint8_t, 0x10000> code{};
  constexpr ReverseTable() {
    for (int b = 1; b < 256; ++b) code[ByteToChar(static_cast<uint8_t>(b))] = static_cast<uint8_t>(b);
  }
};

const ReverseTable& Reverse() {
  static const ReverseTable table;
  return table;
}

}  // namespace

std::u16string DecodeCp1251(std::string_view bytes) {
  std::u16string out;
  DecodeCp1251(bytes, out);
  return out;
}

void DecodeCp1251(std::string_view bytes, std::u16string& out) {
  out.resize(bytes.size());
  char16_t* to = out.data();
  for (const char b : bytes) *to++ = kChars[static_cast<uint8_t>(b)];
}

uint8_t Cp1251Code(char16_t c) {
  if (c == 0) return 0;
  const uint8_t code = Reverse().code[c];
  return code == 0 ? uint8_t{'?'} : code;
}

std::string EncodeCp1251(std::u16string_view text) {
  std::string out;
  AppendCp1251(text, out);
  return out;
}

void AppendCp1251(std::u16string_view text, std::string& out) {
  const size_t at = out.size();
  out.resize(at + text.size());
  char* to = out.data() + at;
  const auto& code = Reverse().code;
  for (const char16_t c : text) {
    const uint8_t b = code[c];
    *to++ = static_cast<char>(b != 0 || c == 0 ? b : uint8_t{'?'});
  }
}

}  // namespace sahdict
