#pragma once
// The Windows-1251 (Cyrillic) code page: the 8-bit encoding of the dictionary
// files. Every byte decodes to exactly one UTF-16 character and encodes back to
// the same byte (the unassigned 0x98 maps to U+0098), so nothing read is lost.

#include <cstdint>
#include <string>
#include <string_view>

namespace sahdict {

// One character per byte.
std::u16string DecodeCp1251(std::string_view bytes);
// The same into `out`, reusing its memory.
void DecodeCp1251(std::string_view bytes, std::u16string& out);

// One byte per character; a character the code page lacks becomes "?" (63).
std::string EncodeCp1251(std::u16string_view text);
// The same appended to `out`.
void AppendCp1251(std::u16string_view text, std::string& out);

// The code of one character in the code page, or 63 ("?") when it has none.
uint8_t Cp1251Code(char16_t c);

}  // namespace sahdict
