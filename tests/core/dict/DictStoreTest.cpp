// The store: records, positions and the pair table against the plain walks.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <random>

#include "core/dict/DictStore.h"
#include "core/dict/mdlDict.h"
#include "tests/core/dict/DictTestSupport.h"
#include "tests/support/LinearWalks.h"

namespace sahdict {
namespace {

// Adds entries given as {pair, word} with the word as headword too.
void Fill(DictStore& store, const std::vector<std::pair<std::u16string, std::u16string>>& entries) {
  for (const auto& [pair, word] : entries) store.AddEntry(word, word, u"", u"t", pair);
}

TEST(DictStore, AddEntryTrimsTextFieldsAndClearLeavesOnlyTheEmptyRecord) {
  DictStore store;
  store.AddEntry(u"  дом ", u" дом", u"сущ. ", u"  .дьиэ  ", u" RUS-SAH ");
  store.AddEntry(u"\tтаб\t", u"", u"", u"", u"RUS-SAH");
  EXPECT_EQ(store.GetEntry(1), (DictEntry{u" RUS-SAH ", u"дом", u"дом", u"сущ.", u".дьиэ"}));
  EXPECT_EQ(store.GetEntry(2).Word, u"\tтаб\t");  // only U+0020 is trimmed
  EXPECT_EQ(store.OrderIndex(), (std::vector<int32_t>{0, 1, 2}));

  store.ClearDictionary();
  EXPECT_EQ(store.GetEntryCount(), 0);
  EXPECT_EQ(store.GetEntry(0, u""), DictEntry{});
  EXPECT_EQ(store.OrderIndex(), std::vector<int32_t>{0});
  EXPECT_TRUE(store.GetPairs().empty());
  EXPECT_EQ(store.FindFirstEntry(u"", u"RUS-SAH"), 0);
  EXPECT_EQ(store.GetPairCount(u"RUS-SAH"), 0);
}

TEST(DictStore, SetEntryWritesThroughTheOrderIndex) {
  DictStore store;
  Fill(store, {{u"RUS-SAH", u"б"}, {u"RUS-SAH", u"а"}});
  store.OrderIndex() = {0, 2, 1};  // position 1 is now table slot 2
  EXPECT_EQ(store.GetEntry(1).Word, u"а");
  const DictEntry before = store.GetEntry(1);
  store.SetEntry(1, DictEntry{u"RUS-SAH", u"в", u"в", u"", u""});
  EXPECT_EQ(store.GetEntry(1).Word, u"в");
  EXPECT_EQ(store.GetEntry(2).Word, u"б");
  EXPECT_EQ(store.FindFirstEntry(u"в", u"RUS-SAH"), 1);  // the table follows the change
  store.SetEntry(0, before);                             // slot 0 stays empty
  EXPECT_EQ(store.GetEntry(0), DictEntry{});
}

// Sorted order: upper case before lower case, Latin before Cyrillic.
TEST(DictStore, PairReadsCountWithinThePair) {
  DictStore store;
  // clang-format off
  Fill(store, {{u"RUS-SAH", u"Z"}, {u"RUS-SAH", u"Ярус"}, {u"SAH-RUS", u"аа"}, {u"RUS-SAH", u"дом"},
               {u"RUS-SAH", u"дом"}, {u"RUS-SAH", u"дома"}, {u"SAH-RUS", u"ыал"}});
  // clang-format on
  EXPECT_EQ(store.GetEntry(1, u"SAH-RUS").Word, u"аа");
  EXPECT_EQ(store.GetEntry(2, u"SAH-RUS").Word, u"ыал");
  EXPECT_EQ(store.GetEntry(5, u"RUS-SAH").Word, u"дома");
  for (int32_t n : {0, -4, 3}) EXPECT_EQ(store.GetEntry(n, u"SAH-RUS"), DictEntry{}) << n;  // 3: past the pair's end
  for (int32_t n : {-4, 0, 1, 2, 3, 5})
    EXPECT_EQ(store.WordAt(n, u"SAH-RUS").Text(), store.GetEntry(n, u"SAH-RUS").Word) << n;
  EXPECT_EQ(store.GetPairCount(u"RUS-SAH"), 5);
  EXPECT_EQ(store.GetPairCount(u"RSE-SAH"), 0);
  EXPECT_EQ(store.GetPairs(), (std::vector<std::u16string>{u"RUS-SAH", u"SAH-RUS"}));
  // The insertion point within the pair (more against the walks below); a
  // lower-case text never stops at an upper-case Word.
  EXPECT_EQ(store.FindFirstEntry(u"a", u"RUS-SAH"), 2);
  EXPECT_EQ(store.FindFirstEntry(u"а", u"RUS-SAH"), 3);
  EXPECT_EQ(store.FindFirstEntry(u"я", u"RUS-SAH"), 0);
}

// Every operation that changes the store gives it a new stamp; reads keep it.
TEST(DictStore, EveryChangeGivesANewStamp) {
  DictStore store;
  Fill(store, {{u"RUS-SAH", u"б"}, {u"RUS-SAH", u"а"}});
  DictStore::ArticleTexts article;
  const DictEntry replacement{u"RUS-SAH", u"е", u"е", u"", u"t"};
  const std::vector<std::pair<const char*, std::function<void()>>> changes = {
      {"AddEntry", [&] { store.AddEntry(u"в", u"в", u"", u"t", u"RUS-SAH"); }},
      {"KeepArticle", [&] { article = store.KeepArticle(u"г", u"", u"t"); }},
      {"AddArticleEntry", [&] { store.AddArticleEntry(article, u"RUS-SAH"); }},
      {"AddDerivedEntry", [&] { store.AddDerivedEntry(article, u"д", u"SAH-RUS"); }},
      {"SetEntry", [&] { store.SetEntry(1, replacement); }},
      {"OrderIndex", [&] { store.OrderIndex(); }},
      {"SortDictionary", [&] { SortDictionary(store, nullptr); }},
      {"SetEntryCount", [&] { store.SetEntryCount(2); }},
      {"ClearDictionary", [&] { store.ClearDictionary(); }},
  };
  for (const auto& [name, change] : changes) {
    const uint64_t before = store.ChangeStamp();
    store.GetPairs();
    store.WordAt(1, u"RUS-SAH");
    EXPECT_EQ(store.ChangeStamp(), before) << name << ": a read changed the stamp";
    change();
    EXPECT_NE(store.ChangeStamp(), before) << name;
  }
}

TEST(DictStore, EntriesEqualComparesAllFiveFields) {
  DictStore store;
  for (const std::u16string pair : {u"RUS-SAH", u"RSE-SAH", u"RUS-SAH"}) store.AddEntry(u"а", u"а", u"n", u"t", pair);
  store.AddEntry(u"а", u"а", u"n", u"t2", u"RUS-SAH");
  EXPECT_FALSE(store.EntriesEqual(1, 2));
  EXPECT_TRUE(store.EntriesEqual(1, 3));
  EXPECT_FALSE(store.EntriesEqual(3, 4));
}

TEST(DictStore, PairHelpers) {
  const std::array<std::u16string, 4> cases[] = {
      {u"RUS-SAH", u"RUS", u"SAH", u"SAH-RUS"},  {u"RSE-SAH", u"RSE", u"SAH", u"SAH-RSE"},
      {u"ENG", u"ENG", u"ENG", u"-ENG"},         {u"", u"", u"", u"-"},
      {u"AB-CDEFG", u"AB-", u"EFG", u"DEF-AB-"},
  };
  for (const auto& [pair, from, to, reversed] : cases) {
    EXPECT_EQ(PairFrom(pair), from);
    EXPECT_EQ(PairTo(pair), to);
    EXPECT_EQ(ReversePair(pair), reversed);
  }
}

// Random stores over a small alphabet, so equal Words and shared prefixes are common.
DictStore RandomStore(std::mt19937& rng, int entries, bool sorted) {
  const std::u16string pairs[] = {u"RUS-SAH", u"SAH-RUS", u"RSE-SAH", u""};
  const std::u16string letters = u"аАбz ";
  DictStore store;
  for (int i = 0; i < entries; ++i) {
    std::u16string word;
    const int len = static_cast<int>(rng() % 4);
    for (int k = 0; k < len; ++k) word += letters[rng() % letters.size()];
    store.AddEntry(word, word, u"", std::u16string(1, static_cast<char16_t>(u'0' + rng() % 3)),
                   pairs[rng() % std::size(pairs)]);
  }
  if (sorted) SortDictionary(store, nullptr);
  return store;
}

TEST(DictStore, PairTableAnswersLikeTheLinearWalks) {
  std::mt19937 rng(7);
  const std::u16string texts[] = {u"", u"а", u"аб", u"А", u"z", u"я", u" ", u"бб", u"ааа"};
  for (int round = 0; round < 60; ++round) {
    // Unsorted stores (a compiled file that claims order it lacks) must give the walks' answers too.
    const bool sorted = round % 3 != 0;
    DictStore store = RandomStore(rng, static_cast<int>(rng() % 40), sorted);
    if (round % 5 == 4 && store.GetEntryCount() > 3) {
      store.SetEntryCount(store.GetEntryCount() - 2);  // the table must follow the count
      store.SetEntry(1, DictEntry{u"SAH-RUS", u"яя", u"", u"", u""});
    }
    if (sorted && round % 5 != 4) {
      EXPECT_TRUE(store.PairWordsOrdered());
    }
    for (const std::u16string pair : {u"RUS-SAH", u"SAH-RUS", u"RSE-SAH", u"", u"XXX-YYY"}) {
      for (const auto& text : texts)
        ASSERT_EQ(store.FindFirstEntry(text, pair), LinearFindFirstEntry(store, text, pair)) << round;
      if (pair.empty()) continue;  // GetEntry with "" is the unfiltered read
      for (int32_t n = -1; n <= store.GetEntryCount() + 1; ++n) {
        ASSERT_EQ(store.GetEntry(n, pair), LinearGetEntry(store, n, pair)) << round << " n=" << n;
      }
    }
  }
}

}  // namespace
}  // namespace sahdict
