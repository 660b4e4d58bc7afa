#include <gtest/gtest.h>

#include <random>

#include "core/text/mdlCommon.h"
#include "core/text/mdlSah.h"

namespace sahdict {
namespace {

// Both operations change the caller's text and hand back that same text.
std::u16string Code(std::u16string t) {
  EXPECT_EQ(&ToCodeNotation(t), &t);
  return t;
}
std::u16string Canon(std::u16string t) {
  EXPECT_EQ(&NormalizeSakha(t), &t);
  return t;
}

TEST(mdlSah, CodeFormFollowsTheStepOrder) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"ннь", u"77"}, {u"нь", u"7"},    {u"дьон", u"3он"}, {u"нг", u"4"},      {u"н'", u"4"},
      {u"n", u"4"},    {u"ь", u"h"},     {u"ыаиэуо", u"126"}, {u"УО", u"9"},    {u"У8", u"9"},
      {u"Y8", u"9"},   {u"YO", u"9"},    {u"ёлка", u"йолка"}, {u"ыя", u"ыйа"},  {u"ю", u"йу"},
      {u"0123", u"0123"}, {u"", u""},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(Code(in), out);
}

TEST(mdlSah, CanonicalFormSpellsLettersOut) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"дьон", u"дьон"}, {u"нг", u"н'"}, {u"8", u"O"},       {u"УО", u"YO"},       {u"1", u"ыа"},
      {u"5", u"5"},       {u"я", u"йа"},  {u"ньнь", u"ннь"},  {u"ньннь", u"нньнь"}, {u"7н7", u"ньннь"},
      {u"4", u"н'"},      {u"77", u"ннь"}, {u"ат", u"ат"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(Canon(in), out);
}

// Typed real letters -> the notation the search box shows -> real letters again.
TEST(mdlSah, RealLettersToNotationAndBack) {
  struct Row {
    std::u16string typed, notation, letters;
  };
  const Row rows[] = {
      {u"ҥ", u"н'", u"ҥ"},           {u"Ҥ", u"н'", u"ҥ"},
      {u"ҕҔ", u"55", u"ҕҕ"},         {u"өӨ", u"OO", u"өө"},
      {u"үҮ", u"YY", u"үү"},         {u"һҺ", u"hh", u"һһ"},
      {u"Саҥа", u"сан'а", u"саҥа"},  {u"ҮӨРЭХ", u"YOрэх", u"үөрэх"},
      {u"Олох", u"Oлох", u"өлох"},   {u"Уол", u"Yол", u"үол"},
      {u"Ёлка", u"йолка", u"йолка"}, {u"нг 4 8 ь", u"н' н' O h", u"ҥ ҥ ө һ"},
      {u"7н7", u"нньнь", u"нньнь"},  {u"ABC", u"ABC", u"ABC"},
      {u"ЀЏ", u"ѐџ", u"ѐџ"},
  };
  for (const auto& r : rows) {
    std::u16string t = r.typed;
    EXPECT_EQ(TypedSakhaToNotation(t), r.notation) << ToUtf8(r.typed);
    std::u16string shown = r.notation;
    EXPECT_EQ(NotationToSakhaLetters(shown), r.letters) << ToUtf8(r.typed);
  }
  // The caret stays after the characters that stood before it.
  EXPECT_EQ(TypedSakhaCaret(u"Ҥа", 1), 2);
  EXPECT_EQ(TypedSakhaCaret(u"нья", 3), 4);
  EXPECT_EQ(TypedSakhaCaret(u"ат", 9), 2);
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

TEST(mdlSah, MarkingAndStrippingUseTheCodePageSets) {
  auto mark = [](void (*op)(std::u16string&), std::u16string t) {
    op(t);
    return t;
  };
  EXPECT_EQ(mark(MarkNonSakha, u"Ат"), u"?т");
  EXPECT_EQ(mark(MarkNonSakha, u"ёж"), u"?ж");
  EXPECT_EQ(mark(MarkNonSakha, u"ат-5"), u"ат-5");
  EXPECT_EQ(mark(MarkNonSakha, u"abc"), u"???");
  EXPECT_EQ(mark(MarkNonSakha, u"ОУOYh' +"), u"ОУOYh' +");
  EXPECT_EQ(mark(MarkNonSakha, u"ҥөү"), u"???");
  EXPECT_EQ(mark(StripNonSakha, u"Ат?"), u"т");
  EXPECT_EQ(mark(MarkNonRussian, u"ёлка 5"), u"ёлка ?");
  EXPECT_EQ(mark(MarkNonRussian, u"ЁАЯ-+"), u"ЁАЯ-+");
  EXPECT_EQ(mark(StripNonRussian, u"Hello мир"), u" мир");
}

TEST(mdlSah, HelpTextIsTwelveLinesWithoutTrailingBreak) {
  EXPECT_EQ(NotationHelpText(),
            u"Внутри проргаммы приняты следующие сокращения и обозначения для букв отсутствующих в русском языке,\r\n"
            u"вы вольны выбрать любой из видов сокращений:\r\n"
            u"5\r\n"
            u"h - ь\r\n"
            u"н' - нг - 4\r\n"
            u"нь - 7\r\n"
            u"дь - 3\r\n"
            u"O - 8\r\n"
            u"Y - У\r\n"
            u"Все остальные цифры так же заняты под дифтонги\r\n"
            u"Также подразумевается, что все слова вы будете вводить маленькими буквами.\r\n"
            u"Первый из вариантов это тот, в котором слова будут выводиться");
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
