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

// The harmony and assimilation rows that no known form below passes through.
TEST(mdlSahGrammar, HarmonyFollowsTheLastVowelOfEachWord) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"Yа", u"Yэ"}, {u"иы", u"ии"}, {u"оы", u"оу"}, {u"Yы", u"YY"}, {u"Oы", u"OY"}, {u"еа", u"еа"},
      {u"еы", u"еы"}, {u"ио", u"ио"},
      // Consonants do not break the chain; a changed vowel leads the next one.
      {u"кинигэлар", u"кинигэлэр"}, {u"OOт", u"OOт"}, {u"Oата", u"OOтO"},
      // Each word by itself; the first vowel never changes.
      {u"ат ин ыа", u"ат ин ыа"}, {u"ии аа", u"ии аа"}, {u"и ы", u"и ы"}, {u"", u""},
  };
  for (const auto& [in, out] : cases) {
    std::u16string text = in;
    EXPECT_EQ(&ApplyVowelHarmony(text), &text);
    EXPECT_EQ(text, out) << ToUtf8(in);
  }
}

TEST(mdlSahGrammar, JoinSuffixAssimilatesAtTheSeam) {
  struct Case {
    std::u16string stem, suffix, joined;
  };
  const Case cases[] = {
      {u"туп", u"а", u"туба"},     {u"ок", u"бут", u"окпут"},   {u"ам", u"быт", u"аммыт"}, {u"ан'", u"быт", u"ан'мыт"},
      {u"ас", u"лар", u"астар"},   {u"ай", u"лар", u"айдар"},   {u"ам", u"лар", u"амнар"}, {u"ан", u"лар", u"аннар"},
      {u"ап", u"5а", u"апка"},     {u"ам", u"5а", u"амн'а"},    {u"ат", u"", u"ат"},       {u"", u"лар", u""},
      // Both texts are turned into the code form first: "дь" of the stem, "нг" of the suffix.
      {u"дьон", u"5а", u"дьон'н'о"}, {u"ат", u"ынг", u"атын'"},
  };
  for (const auto& c : cases) {
    std::u16string stem = c.stem;
    EXPECT_EQ(JoinSuffix(stem, c.suffix), c.joined) << ToUtf8(c.stem) << " + " << ToUtf8(c.suffix);
    EXPECT_EQ(stem, c.joined);
  }
}

TEST(mdlSahGrammar, FormsOfAt) {
  const std::u16string singular[] = {u"ат", u"атта", u"акка", u"аты", u"аттан", u"атынан", u"аттыын", u"аттаа5ар"};
  const std::u16string plural[] = {u"аттар",   u"аттарда",   u"аттарга",   u"аттары",
                                   u"аттардан", u"аттарынан", u"аттардыын", u"аттардаа5ар"};
  for (int c = 1; c <= 8; ++c) {
    EXPECT_EQ(MakeWordForm(u"ат", c, 1, 0), singular[c - 1]) << c;
    EXPECT_EQ(MakeWordForm(u"ат", c, 2, 0), plural[c - 1]) << c;
  }
  const std::u16string persons[] = {u"атым", u"атын'", u"ата", u"аппыт", u"аккыт", u"аттара"};
  for (int p = 1; p <= 6; ++p) EXPECT_EQ(MakeWordForm(u"ат", 1, 1, p), persons[p - 1]) << p;
  EXPECT_EQ(MakeWordForm(u"ат", 3, 1, 1), u"аппар");
  EXPECT_EQ(MakeWordForm(u"ат", 3, 1, 3), u"атыгар");
}

TEST(mdlSahGrammar, PossessedCaseSuffixes) {
  // A stem ending in a vowel keeps every suffix initial, so the composed suffixes show through.
  const std::u16string table[6][6] = {
      {u"бар", u"5ар", u"ыгар", u"бытыгар", u"5ытыгар", u"ларыгар"},
      {u"бын", u"5ын", u"ын", u"бытын", u"5ытын", u"ларын"},
      {u"быттан", u"5ыттан", u"ыттан", u"бытыттан", u"5ытыттан", u"ларыттан"},
      {u"бынан", u"5ынан", u"ынан", u"бытынан", u"5ытынан", u"ларынан"},
      {u"быныын", u"5ыныын", u"ыныын", u"бытыныын", u"5ытыныын", u"ларыныын"},
      {u"бынаа5ар", u"5ынаа5ар", u"ынаа5ар", u"бытынаа5ар", u"5ытынаа5ар", u"ларынаа5ар"},
  };
  for (int c = 3; c <= 8; ++c)
    for (int p = 1; p <= 6; ++p)
      EXPECT_EQ(MakeWordForm(u"ба", c, 1, p), u"ба" + table[c - 3][p - 1]) << c << " " << p;
}

TEST(mdlSahGrammar, KnownWordForms) {
  struct Case {
    std::u16string word;
    int caseNum, number, person;
    std::u16string form;
  };
  const Case cases[] = {
      {u"дьон", 3, 1, 0, u"дьон'н'о"},  {u"дьон", 1, 1, 4, u"дьоммут"},  {u"дьон", 1, 2, 0, u"дьоннор"},
      {u"сурук", 1, 1, 1, u"суругум"},  {u"сурук", 1, 1, 4, u"сурукпут"}, {u"сурук", 3, 1, 0, u"сурукка"},
      {u"сурук", 1, 2, 0, u"суруктар"}, {u"ас", 1, 1, 3, u"аhа"},         {u"ох", 1, 1, 3, u"о5о"},
      {u"ох", 3, 1, 0, u"оххо"},        {u"кыыл", 1, 2, 0, u"кыыллар"},   {u"кыыл", 3, 1, 0, u"кыылга"},
      {u"сир", 1, 2, 0, u"сирдэр"},     {u"сир", 3, 1, 0, u"сиргэ"},      {u"кинигэ", 1, 1, 1, u"кинигэим"},
      {u"кинигэ", 3, 1, 0, u"кинигэ5э"}, {u"туох", 1, 2, 0, u"туохтор"},   {u"машина", 1, 1, 0, u"машина"},
      {u"машина", 2, 1, 0, u"машинэлэ"}, {u"ат кус", 3, 1, 0, u"акка"},    {u"ат кус", 1, 1, 0, u"ат"},
      // The singular nominative is the first word as typed; every other form is canonical.
      {u"8ат", 1, 1, 0, u"8ат"},        {u"8ат", 1, 2, 0, u"OOттOр"},
      {u"ат", 9, 1, 0, u"ат"},          {u"ат", 9, 2, 0, u"аттар"},       {u"ат", 0, 1, 3, u"ат"},
      {u"ат", 1, 3, 0, u""},            {u"ат", 1, 1, 7, u""},            {u"ат", 1, 0, 0, u""},
      {u"ат", 1, 1, -1, u""},           {u"", 1, 1, 0, u""},              {u"ат", 2, 1, 3, u""},
      {u" ат", 3, 1, 0, u""},  // a leading space leaves no first word (every form: see below)
  };
  for (const auto& c : cases)
    EXPECT_EQ(MakeWordForm(c.word, c.caseNum, c.number, c.person), c.form)
        << ToUtf8(c.word) << " " << c.caseNum << " " << c.number << " " << c.person;
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
