// The grammar engine where the tool cannot reach it: vowels, arguments out of
// range, and any word without a crash. Harmony and the forms of known words run
// through sahdict-tool (tests/tool/grammar.cmake).
#include <gtest/gtest.h>

#include <random>

#include "core/grammar/mdlSahGrammar.h"
#include "core/text/mdlCommon.h"

namespace sahdict {
namespace {

TEST(mdlSahGrammar, VowelsOfBothForms) {
  for (const char16_t c : std::u16string(u"12689OYаоеэуиы")) EXPECT_TRUE(IsVowel(std::u16string(1, c)));
  for (const std::u16string s : {u"", u"т", u"я", u"ё", u"ю", u"3", u"o", u"y", u"О", u"У", u"аа", u" "})
    EXPECT_FALSE(IsVowel(s)) << ToUtf8(s);
}

// Arguments outside the forms the tool prints: a case outside 1..8 gives the
// bare stem of the number; a number or person out of range gives nothing.
TEST(mdlSahGrammar, ArgumentsOutOfRange) {
  struct Case {
    int caseNum, number, person;
    std::u16string form;
  };
  const Case cases[] = {{9, 1, 0, u"ат"}, {9, 2, 0, u"аттар"}, {0, 1, 3, u"ат"}, {1, 3, 0, u""},
                        {1, 1, 7, u""},   {1, 0, 0, u""},      {1, 1, -1, u""}};
  for (const auto& c : cases)
    EXPECT_EQ(MakeWordForm(u"ат", c.caseNum, c.number, c.person), c.form)
        << c.caseNum << " " << c.number << " " << c.person;
}

TEST(mdlSahGrammar, AnyWordGivesAFormWithoutCrashing) {
  const std::u16string alphabet = u" 'кптсхбмнлйр45hаыоиэуYO12679дьнг()*.,;-яё";
  std::mt19937 rng(7);
  std::vector<std::u16string> words = {u" ат", u"'", u"   ", u".,;-", u"(((", u"ь", u"н'", std::u16string(4000, u'к'),
                                       std::u16string(3000, u'ы') + u"к"};
  for (int i = 0; i < 400; ++i) {
    std::u16string s;
    const size_t len = rng() % 12;
    for (size_t k = 0; k < len; ++k) s += alphabet[rng() % alphabet.size()];
    words.push_back(s);
  }
  for (const auto& w : words) {
    for (int n = 1; n <= 2; ++n)
      for (int p = 0; p <= 6; ++p)
        for (int c = 1; c <= 8; ++c) {
          const std::u16string form = MakeWordForm(w, c, n, p);
          // A form is empty exactly when there is no first word to inflect or no possessive case 2.
          EXPECT_EQ(form.empty(), FirstWord(w).empty() || (c == 2 && p > 0)) << ToUtf8(w);
        }
  }
}

}  // namespace
}  // namespace sahdict
