#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/dict/DictStore.h"
#include "core/dict/mdlDictParser.h"
#include "core/langcheck/CheckWordLanguage.h"
#include "core/text/mdlCommon.h"

namespace sahdict {
namespace {

struct Row {
  std::u16string pair, word;
};

DictStore MakeStore(std::initializer_list<Row> rows) {
  DictStore store;
  for (const auto& r : rows) store.AddEntry(r.word, r.word, u"", u"", r.pair);
  return store;
}

// Russian keys "аб", "ба" (6 pairs); Sakha key "аб" (3 pairs); the RSE entry is not counted.
DictStore SmallStore() {
  return MakeStore({{u"RUS-SAH", u"аб"}, {u"RUS-SAH", u"ба ба"}, {u"SAH-RUS", u"аб (аб)"}, {u"RSE-SAH", u"абаб"}});
}

// The two percentages of a normal answer.
std::pair<std::u16string, std::u16string> Percentages(const std::u16string& text) {
  auto after = [&](const std::u16string& label) {
    const size_t at = text.find(label);
    if (at == std::u16string::npos) return std::u16string();
    const size_t from = at + label.size();
    return text.substr(from, text.find(u'%', from) - from);
  };
  return {after(u"русское - "), after(u"якутское - ")};
}

TEST(CheckWordLanguage, WorkedExample) {
  // Russian: every pair of " аб " seen once in 6, ratio 1.0001/6; Sakha: once in 3, ratio 1.0001/3.
  // p = (1/6)^3 / ((1/6)^3 + (1/3)^3) = 1/9.
  const LangCheckResult r = CheckWordLanguage(u"аб", SmallStore());
  EXPECT_FALSE(r.Compact);
  EXPECT_EQ(r.Text,
            u" аб \r\nВероятность того, что это слово русское - 11.1%\r\n"
            u"Вероятность того, что это слово якутское - 88.9%\r\n\r\n"
            u"Статистика по сочтаниям: \r\n"
            u"Русские:  а=0.16668 аб=0.16668 б =0.16668 \r\n"
            u"Якутские:  а=0.33337 аб=0.33337 б =0.33337 ");
}

TEST(CheckWordLanguage, AnswersAreTakenInCodeFormBetweenSpaces) {
  const DictStore store = MakeStore({{u"RUS-SAH", u"дом"}, {u"RUS-SAH", u"ад"}, {u"SAH-RUS", u"ньаа"}, {u"SAH-RUS", u"ат"}});
  const LangCheckResult nyaat = CheckWordLanguage(u"ньаат", store);
  EXPECT_TRUE(StartsWith(nyaat.Text, u" 7аат \r\n")) << ToUtf8(nyaat.Text);
  EXPECT_NE(nyaat.Text.find(u"Якутские:  7="), std::u16string::npos);

  const LangCheckResult dom = CheckWordLanguage(u"  дом  ", store);
  EXPECT_NE(dom.Text.find(u"Русские:  д=0.14287 до=0.14287 ом=0.14287 м =0.14287 \r\n"), std::u16string::npos)
      << ToUtf8(dom.Text);
  EXPECT_EQ(Percentages(dom.Text), std::make_pair(std::u16string(u"100.0"), std::u16string(u"0.0")));

  // One letter: two pairs, the label's space and the pair's.
  const LangCheckResult a = CheckWordLanguage(u"а", store);
  EXPECT_NE(a.Text.find(u"Русские:  а="), std::u16string::npos);
  EXPECT_TRUE(a.Text.ends_with(u"а =0.14287 ")) << ToUtf8(a.Text);  // "а " once among 7 Sakha pairs
}

TEST(CheckWordLanguage, PercentagesOfSharedPairsAddUpTo100) {
  const DictStore store = MakeStore({{u"RUS-SAH", u"кот"}, {u"RUS-SAH", u"ток"}, {u"RUS-SAH", u"кто"},
                                     {u"SAH-RUS", u"кыыл"}, {u"SAH-RUS", u"кот"}, {u"SAH-RUS", u"ат"}});
  for (const std::u16string answer : {u"кот", u"ток", u"к", u"о", u"кт"}) {
    const LangCheckResult r = CheckWordLanguage(answer, store);
    ASSERT_FALSE(r.Compact) << ToUtf8(answer);
    const auto [ru, sah] = Percentages(r.Text);
    ASSERT_EQ(ru.find(u'.'), ru.size() - 2) << ToUtf8(ru);
    ASSERT_EQ(sah.find(u'.'), sah.size() - 2) << ToUtf8(sah);
    EXPECT_EQ(std::stod(ToUtf8(ru)) * 10 + std::stod(ToUtf8(sah)) * 10, 1000) << ToUtf8(r.Text);
  }
  // "кот": 12 pairs in each language. Russian " к" 2/12, the rest 1/12; Sakha " к" and "т " 2/12,
  // the rest 1/12; so the Sakha product is twice the Russian one.
  EXPECT_EQ(Percentages(CheckWordLanguage(u"кот", store).Text),
            std::make_pair(std::u16string(u"33.3"), std::u16string(u"66.7")));
}

TEST(CheckWordLanguage, CompactAnswers) {
  const DictStore store = SmallStore();
  EXPECT_EQ(CheckWordLanguage(u"", store).Text, u"Слишком коротко!");
  EXPECT_TRUE(CheckWordLanguage(u"", store).Compact);

  // Thirteen unseen pairs: each ratio about 1e-5, so both products fall below the
  // smallest single-precision number and become 0.
  const LangCheckResult longWord = CheckWordLanguage(u"щщщщщщщщщщщщ", store);
  EXPECT_TRUE(longWord.Compact);
  EXPECT_TRUE(StartsWith(longWord.Text, u"Не удается определить!\r\n\r\nСтатистика по сочтаниям: \r\nРусские:  щ=0.00002 "))
      << ToUtf8(longWord.Text);
  EXPECT_TRUE(longWord.Text.ends_with(u"щ =0.00003 "));

  // A store without one language gives no percentages, and no division by zero.
  const LangCheckResult onlyRussian = CheckWordLanguage(u"аб", MakeStore({{u"RUS-SAH", u"аб"}}));
  EXPECT_TRUE(onlyRussian.Compact);
  EXPECT_EQ(onlyRussian.Text,
            u"Не удается определить!\r\n\r\nСтатистика по сочтаниям: \r\n"
            u"Русские:  а=0.33337 аб=0.33337 б =0.33337 \r\n"
            u"Якутские:  а=0.00000 аб=0.00000 б =0.00000 ");
  EXPECT_TRUE(CheckWordLanguage(u"аб", DictStore()).Compact);
}

// Only Russian and Sakha entries at positions 1..count teach, in any index order.
TEST(CheckWordLanguage, CountsTheRightEntries) {
  const std::u16string expected = CheckWordLanguage(u"аб", SmallStore()).Text;
  DictStore more = SmallStore();
  for (int i = 0; i < 50; ++i) more.AddEntry(u"аба", u"аба", u"", u"", u"RSE-SAH");
  more.AddEntry(u"аба", u"аба", u"", u"", u"XYZ-SAH");
  EXPECT_EQ(CheckWordLanguage(u"аб", more).Text, expected);
  // Case is not folded: "Аб" shares no first pair with "аб".
  EXPECT_NE(CheckWordLanguage(u"Аб", SmallStore()).Text.find(u"Русские:  А=0.00002 "), std::u16string::npos);
  // A stale slot beyond the count (as after duplicate removal) is not counted.
  DictStore stale = SmallStore();
  stale.AddEntry(u"аб", u"аб", u"", u"", u"SAH-RUS");
  stale.SetEntryCount(stale.GetEntryCount() - 1);
  EXPECT_EQ(CheckWordLanguage(u"аб", stale).Text, expected);
  // Any order of the index (as after sorting) gives the same counts.
  DictStore reversed = SmallStore();
  std::reverse(reversed.OrderIndex().begin() + 1, reversed.OrderIndex().end());
  EXPECT_EQ(CheckWordLanguage(u"аб", reversed).Text, expected);
  // Positions, not table slots, are counted: one listed twice counts twice.
  DictStore twice = SmallStore();
  twice.OrderIndex()[4] = 1;  // the RSE entry's place now shows the first Russian entry again
  const std::u16string text = CheckWordLanguage(u"аб", twice).Text;
  EXPECT_NE(text.find(u"Русские:  а=0.22223 "), std::u16string::npos) << ToUtf8(text);
}

TEST(CheckWordLanguage, CorpusWords) {
  const std::filesystem::path corpus = SAHDICT_CORPUS_PATH;
  if (!std::filesystem::exists(corpus)) GTEST_SKIP() << "corpus not present";
  DictStore store;
  ASSERT_TRUE(ReadDictionary(store, corpus, [](const std::u16string&) {}, [](const std::u16string&) {}).ok);
  const LangCheckResult russian = CheckWordLanguage(u"здравствовать", store);
  const LangCheckResult sakha = CheckWordLanguage(u"5алаабыт", store);
  ASSERT_FALSE(russian.Compact);
  ASSERT_FALSE(sakha.Compact);
  EXPECT_GT(std::stod(ToUtf8(Percentages(russian.Text).first)), 50.0) << ToUtf8(russian.Text);
  EXPECT_GT(std::stod(ToUtf8(Percentages(sakha.Text).second)), 50.0) << ToUtf8(sakha.Text);
}

}  // namespace
}  // namespace sahdict
