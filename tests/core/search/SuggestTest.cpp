#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/dict/DictStore.h"
#include "core/dict/mdlDict.h"
#include "core/dict/mdlDictParser.h"
#include "core/search/EditDistance.h"
#include "core/search/RussianStems.h"
#include "core/search/SearchText.h"
#include "core/search/SearchSession.h"
#include "core/text/mdlCommon.h"

namespace sahdict {
namespace {

// tests/data/search/suggest.dict, plus words the file cannot hold (a stress
// mark) or that crowd one text's neighbourhood.
class SuggestTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ReadDictionary(store, SAHDICT_TEST_DATA "/search/suggest.dict", nullptr, nullptr);
    ASSERT_EQ(store.GetEntryCount(), 28);
    for (const std::u16string word :
         {u"за\u0301мок", u"сова", u"сода", u"сола", u"сома", u"сопа", u"сора", u"сота", u"соха", u"соча", u"соша"})
      store.AddEntry(word, word, u"", u".x", u"RUS-SAH");
    SortDictionary(store, nullptr);
  }

  // "kind k Word detail" lines of the suggestion line.
  std::vector<std::string> Lines(const std::u16string& pair, const std::u16string& text) {
    std::vector<std::string> lines;
    for (const Alternative& a : Alternatives(pair, text))
      lines.push_back(ToUtf8(SuggestKindName(a.Kind) + u" " + store.GetEntry(a.Position, pair).Word + u" " + a.Word +
                             u" " + AlternativeDetail(a)));
    return lines;
  }

  // The line for `text` typed into the box of `pair`.
  std::vector<Alternative> Alternatives(const std::u16string& pair, const std::u16string& text) {
    return session.Search(store, pair, {text, static_cast<int32_t>(text.size()), 0}).alternatives;
  }

  DictStore store;
  SearchSession session;
};

// The kinds on the file's words run through sahdict-tool (tests/tool/suggest.cmake);
// here the words the file cannot hold.
TEST_F(SuggestTest, StressMarksAndACrowdedNeighbourhood) {
  EXPECT_EQ(Lines(u"RUS-SAH", u"замок"), std::vector<std::string>{"folded за\u0301мок за\u0301мок "});
  // At most eight, nearest first, then in list order.
  EXPECT_EQ(Lines(u"RUS-SAH", u"сожа"),
            (std::vector<std::string>{"similar сова сова 1", "similar сода сода 1", "similar сола сола 1",
                                      "similar сома сома 1", "similar сопа сопа 1", "similar сора сора 1",
                                      "similar сота сота 1", "similar соха соха 1"}));
}

// Sakha forms lead to their word through the morphology model, named by the
// model's description; the line offers the word once, at its first entry.
TEST_F(SuggestTest, SakhaFormsLeadToTheirWord) {
  const std::pair<std::u16string, std::u16string> forms[] = {
      {u"дьиэ", u"дьиэм"}, {u"дьиэ", u"дьиэни"}, {u"дьиэ", u"дьиэтигэр"}, {u"о5о", u"о5ом"},
      {u"о5о", u"о5ото"},  {u"о5о", u"оҕолор"},  {u"кыыс", u"кыыстарыгар"}, {u"ат", u"аттар"},
  };
  for (const auto& [lemma, form] : forms) {
    const std::u16string& word = lemma;  // a lambda takes no structured binding
    const std::vector<Alternative> found = Alternatives(u"SAH-RUS", form);
    const auto it = std::find_if(found.begin(), found.end(), [&](const Alternative& a) { return WordBase(a.Word) == word; });
    ASSERT_NE(it, found.end()) << ToUtf8(form);
    EXPECT_EQ(it->Kind, SuggestKind::Form) << ToUtf8(form);
    EXPECT_EQ(it->Source, FormSource::Analysis) << ToUtf8(form);
    EXPECT_FALSE(it->Description.empty()) << ToUtf8(form);
    EXPECT_EQ(it->Position, store.FindFirstEntry(word, u"SAH-RUS")) << ToUtf8(form);
  }
}

TEST_F(SuggestTest, RussianFormsLeadToTheirStem) {
#ifdef SAHDICT_HAVE_HUNSPELL
  // Built with the spelling library: where its Russian files are installed, they must be found.
  const std::filesystem::path base = SAHDICT_RUSSIAN_DICTIONARY;
  const bool installed = std::filesystem::exists(base.string() + ".aff") && std::filesystem::exists(base.string() + ".dic");
  ASSERT_EQ(RussianStemsAvailable(), installed);
#endif
  if (!RussianStemsAvailable()) GTEST_SKIP() << "no Russian spelling dictionary";
  EXPECT_EQ(Lines(u"RUS-SAH", u"книги"), std::vector<std::string>{"form книга книга stem"});
  EXPECT_EQ(Lines(u"RSE-SAH", u"девушки"), std::vector<std::string>{"form девушка девушка stem"});
}

// A form that begins a longer word keeps the search's place and is offered as
// a form too; the whole word itself is offered nothing more.
TEST_F(SuggestTest, FormThatBeginsAnotherWord) {
  store.AddEntry(u"дьиэмсэх", u"домосед", u"", u".дьиэмсэх", u"SAH-RUS");
  SortDictionary(store, nullptr);
  const std::vector<std::string> lines = Lines(u"SAH-RUS", u"дьиэм");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "exact дьиэмсэх дьиэмсэх ");
  EXPECT_TRUE(lines[1].starts_with("form дьиэ (дом) дьиэ (дом)")) << lines[1];
  EXPECT_EQ(Lines(u"SAH-RUS", u"дьиэмсэх"), std::vector<std::string>{"exact дьиэмсэх дьиэмсэх "});
}

TEST_F(SuggestTest, TablesFollowTheStore) {
  EXPECT_FALSE(Lines(u"RUS-SAH", u"елка").empty());
  store.ClearDictionary();
  ReadDictionary(store, SAHDICT_TEST_DATA "/dict/small.dict", nullptr, nullptr);
  ASSERT_EQ(store.GetEntryCount(), 16);
  EXPECT_EQ(Lines(u"RUS-SAH", u"елка"), std::vector<std::string>{});
  EXPECT_EQ(Lines(u"RUS-SAH", u"лашадь"), std::vector<std::string>{"similar лошадь лошадь 1"});
}

TEST(BoundedEditDistance, CountsEditsUpToTheLimit) {
  const struct {
    std::u16string a, b;
    int32_t limit, expected;
  } cases[] = {
      {u"", u"", 2, 0},
      {u"кот", u"кот", 0, 0},
      {u"кот", u"кит", 1, 1},
      {u"кот", u"скот", 1, 1},
      {u"кот", u"ток", 1, 2},
      {u"abcdef", u"badcfe", 2, 3},
      {u"kitten", u"sitting", 5, 3},
      {u"a", u"", 0, 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(BoundedEditDistance(c.a, c.b, c.limit), c.expected) << ToUtf8(c.a + u" " + c.b) << " " << c.limit;
}

}  // namespace
}  // namespace sahdict
