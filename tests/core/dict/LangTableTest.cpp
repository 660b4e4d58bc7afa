// The language table and the statistics report.
#include <gtest/gtest.h>

#include "core/dict/LangTable.h"

namespace sahdict {
namespace {

TEST(LangTable, NumbersCodesAndNames) {
  EXPECT_EQ(LangCount, 3);
  const std::u16string codes[] = {u"RUS", u"RSE", u"SAH"};
  const std::u16string names[] = {u"Русский", u"Русский (расш.)", u"Якутский"};
  for (int32_t n = 1; n <= LangCount; ++n) {
    EXPECT_EQ(LangCode(n), codes[n - 1]);
    EXPECT_EQ(LangName(n), names[n - 1]);
    EXPECT_EQ(LangNumber(codes[n - 1]), n);
  }
  EXPECT_EQ(LangCode(0), u"");
  EXPECT_EQ(LangName(4), u"");
  EXPECT_EQ(LangNumber(u"rus"), 0);  // codes compare case-sensitively
}

DictStore StoreWith(const std::vector<std::pair<std::u16string, int>>& counts) {
  DictStore store;
  for (const auto& [pair, n] : counts)
    for (int i = 0; i < n; ++i) store.AddEntry(u"w", u"w", u"", u"", pair);
  return store;
}

TEST(DictionaryStats, ReportLinesInLanguageOrder) {
  struct Case {
    std::vector<std::pair<std::u16string, int>> counts;
    std::u16string report;
  } cases[] = {
      {{}, u"Слов в словаре:"},
      {{{u"SAH-RUS", 80}, {u"RUS-SAH", 120}, {u"RSE-SAH", 150}},
       u"Слов в словаре:\r\nСтатей с языка Русский на Якутский язык - 120 штук"
       u"\r\nСтатей с языка Русский (расш.) на Якутский язык - 150 штук"
       u"\r\nСтатей с языка Якутский на Русский язык - 80 штук"},
      {{{u"RUS-SAH", 1}}, u"Слов в словаре:\r\nСтатей с языка Русский на Якутский язык - 1 штук"},
      // Unknown codes are not counted; any pair of known codes is.
      {{{u"ENG-SAH", 5}, {u"SAH-SAH", 2}, {u"", 1}, {u"RUS", 3}, {u"rus-sah", 4}},
       u"Слов в словаре:\r\nСтатей с языка Русский на Русский язык - 3 штук"
       u"\r\nСтатей с языка Якутский на Якутский язык - 2 штук"},
  };
  for (const auto& c : cases) EXPECT_EQ(DictionaryStats(StoreWith(c.counts)), c.report);
}

TEST(DictionaryStats, FollowsTheCount) {
  DictStore store = StoreWith({{u"RUS-SAH", 3}, {u"SAH-RUS", 2}});
  store.SetEntryCount(3);
  EXPECT_EQ(DictionaryStats(store), u"Слов в словаре:\r\nСтатей с языка Русский на Якутский язык - 3 штук");
}

}  // namespace
}  // namespace sahdict
