// The notation where the tool cannot reach it: the caret, the marking sets,
// and any input. The tables of code, canonical and real-letter forms run through
// sahdict-tool (tests/data/text).
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/text/mdlCommon.h"
#include "core/text/SakhaOrder.h"
#include "core/text/mdlSah.h"

namespace sahdict {
namespace {

TEST(mdlSah, RealLettersOnly) {
  // Text that may be Russian keeps its capitals; only the real letters map.
  std::u16string mixed = u"Ҥа Москва үөрэх";
  EXPECT_EQ(RealLettersToNotation(mixed), u"н'а Москва YOрэх");
}

// Every spelling the help's table names types its letter.
TEST(mdlSah, TableOfLettersNamesSpellingsThatTypeThem) {
  auto words = [](std::u16string_view text) {
    std::vector<std::u16string> out;
    for (std::u16string rest(text); !rest.empty();) out.push_back(CutFirstWord(rest));
    return out;
  };
  for (const SakhaLetterSpelling& row : SakhaLetterSpellings()) {
    const std::vector<std::u16string> letters = words(row.letters);
    const std::vector<std::u16string> spellings = words(row.spellings);
    for (size_t i = 0; i < spellings.size(); ++i) {
      std::u16string typed = spellings[i];
      EXPECT_EQ(NotationToSakhaLetters(TypedSakhaToNotation(typed)), letters[letters.size() == 1 ? 0 : i])
          << ToUtf8(spellings[i]);
    }
  }
}

// Words of every initial letter (ё, ю and я are spelled йо, йу, йа in the
// canonical form), in Sakha alphabetical order; д before дь, н before ҥ
// before нь, аа before аҕа.
TEST(SakhaOrder, SortsTheAlphabet) {
  const std::vector<std::u16string> sorted = {
      u"аа",   u"аҕа",  u"ат",    u"бал",    u"вагон", u"гын",   u"ҕалдьаа", u"дал",  u"дьиэ",  u"дьыл",
      u"ем",   u"жук",  u"зал",   u"иһит",   u"йаан",  u"кус",   u"күн",     u"күөх", u"кыыс",  u"лаампа",
      u"муус", u"нуучча", u"ҥиэрэ", u"ньуура", u"оҕо", u"өрүс", u"паар",    u"рамка", u"сир",  u"һаас",
      u"тыа",  u"уот",  u"үөрэх", u"фабрика", u"хаар", u"цирк",  u"чэй",     u"шаар", u"щука",  u"ыал",
      u"ыарахан", u"ыт", u"эһэ"};
  std::vector<std::u16string> words;
  for (std::u16string w : sorted) words.push_back(TypedSakhaToNotation(w));
  const std::vector<std::u16string> expected = words;
  std::mt19937 random(19);
  std::shuffle(words.begin(), words.end(), random);
  std::sort(words.begin(), words.end(),
            [](const std::u16string& a, const std::u16string& b) { return SakhaOrderKey(a) < SakhaOrderKey(b); });
  EXPECT_EQ(words, expected);
  // A shorter word first; other characters (space, capitals) before the letters.
  EXPECT_LT(SakhaOrderKey(u"ат"), SakhaOrderKey(u"ат кус"));
  EXPECT_LT(SakhaOrderKey(u"ат (Ат)"), SakhaOrderKey(u"ата"));
}

TEST(mdlSah, MarkingAndStrippingUseTheCodePageSets) {
  auto mark = [](void (*op)(std::u16string&), std::u16string t) {
    op(t);
    return t;
  };
  EXPECT_EQ(mark(MarkNonSakha, u"Атёж-5abc"), u"?т?ж-5???");
  EXPECT_EQ(mark(MarkNonSakha, u"ОУOYh' +ҥ"), u"ОУOYh' +?");
  EXPECT_EQ(mark(StripNonSakha, u"Ат?"), u"т");
  EXPECT_EQ(mark(MarkNonRussian, u"ёлка 5"), u"ёлка ?");
  EXPECT_EQ(mark(MarkNonRussian, u"ЁАЯ-+"), u"ЁАЯ-+");
  EXPECT_EQ(mark(StripNonRussian, u"Hello мир"), u" мир");
}

// Arbitrary UTF-16, unpaired surrogates and the Unicode Sakha letters included:
// no crash, cleaning keeps or shortens, and normalising settles after one more pass.
TEST(mdlSah, AnyInputIsSafeAndNormalisingReachesAFixedPoint) {
  std::mt19937 rng(12345);
  std::u16string alphabet = u"ннььдгуоыаиэУОYOn'h8123456790яёюҥҕөүһ \uFFFFaz-+?";
  alphabet += char16_t(0xD800);  // unpaired surrogates
  alphabet += char16_t(0xDC00);
  for (int round = 0; round < 3000; ++round) {
    std::u16string t;
    const int len = static_cast<int>(rng() % (round == 0 ? 5000 : 24));
    for (int i = 0; i < len; ++i) t.push_back(alphabet[rng() % alphabet.size()]);

    std::u16string twice = t;
    NormalizeSakha(NormalizeSakha(twice));
    std::u16string thrice = twice;
    EXPECT_EQ(NormalizeSakha(thrice), twice);

    std::u16string marked = t;
    MarkNonSakha(marked);
    EXPECT_EQ(marked.size(), t.size());
    std::u16string stripped = t;
    StripNonRussian(stripped);
    EXPECT_LE(stripped.size(), t.size());
    EXPECT_EQ(stripped.find(u'?'), std::u16string::npos);
  }
}

}  // namespace
}  // namespace sahdict
