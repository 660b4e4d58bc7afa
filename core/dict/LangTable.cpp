#include "core/dict/LangTable.h"

#include <array>

#include "core/text/mdlCommon.h"

namespace sahdict {

namespace {

struct Language {
  std::u16string code;
  std::u16string name;
};

const std::array<Language, LangCount>& Languages() {
  static const std::array<Language, LangCount> table = {{
      {u"RUS", u"Русский"},
      {u"RSE", u"Русский (расш.)"},
      {u"SAH", u"Якутский"},
  }};
  return table;
}

const std::u16string& Empty() {
  static const std::u16string empty;
  return empty;
}

}  // namespace

const std::u16string& LangCode(int32_t n) {
  return n >= 1 && n <= LangCount ? Languages()[static_cast<size_t>(n) - 1].code : Empty();
}

const std::u16string& LangName(int32_t n) {
  return n >= 1 && n <= LangCount ? Languages()[static_cast<size_t>(n) - 1].name : Empty();
}

int32_t LangNumber(const std::u16string& code) {
  for (int32_t n = 1; n <= LangCount; ++n)
    if (LangCode(n) == code) return n;
  return 0;
}

}  // namespace sahdict
