#include <gtest/gtest.h>

#include "core/dict/DictStore.h"
#include "core/dict/mdlDict.h"
#include "core/dict/mdlDictParser.h"
#include "core/search/FullText.h"
#include "core/search/RussianStems.h"
#include "core/text/mdlCommon.h"

namespace sahdict {
namespace {

// tests/data/search/articles.dict: words inside articles in other forms than
// the query's. The tool's goldens (tests/tool/search.cmake) show the lines;
// here the index's own behaviour.
class FullTextTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(ReadDictionary(store, SAHDICT_TEST_DATA "/search/articles.dict", nullptr, nullptr).ok); }

  // "PAIR k Word" of each hit.
  std::vector<std::string> Found(const std::u16string& word, size_t limit = 0) {
    std::vector<std::string> out;
    for (const FullTextHit& h : index.Search(word, limit))
      out.push_back(ToUtf8(h.Pair + u" " + FromUtf8(std::to_string(h.Position)) + u" " + h.Word));
    return out;
  }

  DictStore store;
  FullTextIndex index{store};
};

TEST_F(FullTextTest, SakhaFormsFindEveryFormOfTheirWord) {
  // "дьиэ5э" and "о5олор" are words of their own too, and still forms.
  const std::vector<std::string> home{"RUS-SAH 2 дом", "RUS-SAH 3 жить"};
  const std::vector<std::string> child{"RUS-SAH 1 дети", "RUS-SAH 6 ребёнок", "RUS-SAH 7 читать"};
  const std::pair<std::u16string, std::vector<std::string>> cases[] = {
      {u"дьиэ", home}, {u"дьиэбэр", home}, {u"дьиэтигэр", home}, {u"ДЬИЭ5Э", home},
      {u"о5о", child}, {u"оҕолорго", child}, {u"  о5ото ", child},
  };
  for (const auto& [word, expected] : cases) EXPECT_EQ(Found(word), expected) << ToUtf8(word);
}

TEST_F(FullTextTest, RussianFormsThroughStemsCaseAndYo) {
  EXPECT_EQ(Found(u"ЖИЛИЩЕ"), std::vector<std::string>{"RUS-SAH 2 дом"});
  EXPECT_EQ(Found(u"ЧИТАЕТ"), std::vector<std::string>{"RUS-SAH 7 читать"});
  if (!RussianStemsAvailable()) GTEST_SKIP() << "no Russian spelling dictionary";
  EXPECT_EQ(Found(u"РЕБЕНКУ"), (std::vector<std::string>{"RUS-SAH 1 дети", "RUS-SAH 7 читать"}));
  EXPECT_EQ(Found(u"домами"), std::vector<std::string>{"RUS-SAH 3 жить"});
  EXPECT_EQ(Found(u"книгой"), (std::vector<std::string>{"RUS-SAH 4 книга", "RUS-SAH 7 читать"}));
}

TEST_F(FullTextTest, SnippetMarksTheFirstHitInTheShownText) {
  const std::vector<FullTextHit> hits = index.Search(u"дьиэ5э");
  ASSERT_EQ(hits.size(), 2u);
  EXPECT_EQ(hits[0].Snippet, u"[дьиэ] (жилище)");
  EXPECT_EQ(hits[1].Snippet, u"олор (жить в доме); в доме [дьиэ5э] олор");
  EXPECT_EQ(index.Search(u"дьиэ", 0, true).at(1).Snippet, u"олор (жить в доме); в доме [дьиэҕэ] олор");
  // A long text is cut at spaces about 40 characters before and 60 after.
  store.AddEntry(u"я", u"я", u"", std::u16string(30, u'я') + u" раз два три четыре пять шесть семь .уот* " +
                 std::u16string(70, u'ю') + u" конец", u"RUS-SAH");
  SortDictionary(store, nullptr);
  EXPECT_EQ(index.Search(u"уоту").at(1).Snippet, u"…раз два три четыре пять шесть семь [уот]…");
}

TEST_F(FullTextTest, NothingForNoLettersAndTheLimitHolds) {
  for (const std::u16string word : {u"", u"  ", u"5", u"()", u"нетакогослова"}) EXPECT_TRUE(Found(word).empty());
  EXPECT_EQ(Found(u"о5о", 2).size(), 2u);
}

// The index follows the store: a new article is found, a cleared store finds nothing.
TEST_F(FullTextTest, RebuiltWhenTheStoreChanges) {
  EXPECT_TRUE(Found(u"хаар").empty());
  store.AddEntry(u"снег", u"снег", u"сущ.", u".хаар", u"RUS-SAH");
  SortDictionary(store, nullptr);
  EXPECT_EQ(Found(u"хаар"), std::vector<std::string>{"RUS-SAH 7 снег"});
  store.ClearDictionary();
  EXPECT_TRUE(Found(u"дьиэ").empty());
}

}  // namespace
}  // namespace sahdict
