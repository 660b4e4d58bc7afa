// The language table and the statistics report.
#include <gtest/gtest.h>

#include "core/dict/LangTable.h"

namespace sahdict {
namespace {

// The report names every language; these are the lookups the windows use besides.
TEST(LangTable, CodesAndNumbers) {
  EXPECT_EQ(LangCode(2), u"RSE");
  EXPECT_EQ(LangNumber(u"SAH"), 3);
  EXPECT_EQ(LangNumber(u"rus"), 0);  // codes compare case-sensitively
  EXPECT_EQ(LangCode(0), u"");
  EXPECT_EQ(LangName(LangCount + 1), u"");
}

TEST(DictionaryStats, ReportLinesInLanguageOrder) {
  struct Case {
    std::vector<std::pair<std::u16string, int>> counts;
    std::u16string report;
    int32_t entryCount = -1;  // SetEntryCount after adding, when not -1
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
      // Positions past the count are not counted.
      {{{u"RUS-SAH", 3}, {u"SAH-RUS", 2}}, u"Слов в словаре:\r\nСтатей с языка Русский на Якутский язык - 3 штук", 3},
  };
  for (const auto& c : cases) {
    DictStore store;
    for (const auto& [pair, n] : c.counts)
      for (int i = 0; i < n; ++i) store.AddEntry(u"w", u"w", u"", u"", pair);
    if (c.entryCount >= 0) store.SetEntryCount(c.entryCount);
    EXPECT_EQ(DictionaryStats(store), c.report);
  }
}

}  // namespace
}  // namespace sahdict
