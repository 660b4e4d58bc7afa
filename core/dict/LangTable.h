#pragma once
// The fixed table of languages: numbers 1..LangCount, codes and display names.

#include <cstdint>
#include <string>

namespace sahdict {

constexpr int32_t LangCount = 3;

// Code of language number n (1 "RUS", 2 "RSE", 3 "SAH"); "" outside 1..LangCount.
const std::u16string& LangCode(int32_t n);
// Display name of language number n; "" outside 1..LangCount.
const std::u16string& LangName(int32_t n);
// First language number whose code equals `code`, or 0.
int32_t LangNumber(const std::u16string& code);

}  // namespace sahdict
