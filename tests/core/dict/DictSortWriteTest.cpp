// Sorting with duplicate removal against the exchange sort, and the progress
// text. The sorted order, the compiled bytes, round trips and failed writes run
// through sahdict-tool (tests/data/dict, tests/tool/files.cmake).
#include <gtest/gtest.h>

#include <random>
#include <regex>

#include "core/dict/mdlDict.h"
#include "tests/core/dict/DictTestSupport.h"
#include "tests/support/LinearWalks.h"

namespace sahdict {
namespace {

using namespace test;

const std::u16string kRS = u"RUS-SAH";

// Empty, one-entry and small stores first, then larger ones.
TEST(SortDictionary, GivesTheExchangeSortsResult) {
  std::mt19937 rng(3);
  const std::u16string letters = u"аАбZz";
  for (int round = 0; round < 150; ++round) {
    DictStore fast, slow;
    const int n = round < 100 ? round % 12 : static_cast<int>(rng() % 400);
    for (int i = 0; i < n; ++i) {
      std::u16string word;
      for (int k = static_cast<int>(rng() % 3); k > 0; --k) word += letters[rng() % letters.size()];
      const std::u16string pair = rng() % 4 ? kRS : u"SAH-RUS", tr(1, u'0' + rng() % 2);
      fast.AddEntry(word, u"h", u"", tr, pair);
      slow.AddEntry(word, u"h", u"", tr, pair);
    }
    std::vector<std::u16string> fastProgress, slowProgress;
    SortDictionary(fast, [&](const std::u16string& t) { fastProgress.push_back(t); });
    ExchangeSortDictionary(slow, [&](const std::u16string& t) { slowProgress.push_back(t); });
    ASSERT_EQ(fast.GetEntryCount(), slow.GetEntryCount()) << round;
    ASSERT_EQ(Entries(fast), Entries(slow)) << round;
    // Both report something exactly when the store was out of order.
    EXPECT_EQ(fastProgress.empty(), slowProgress.empty()) << round << " n=" << n;
    for (const auto& t : fastProgress)
      EXPECT_TRUE(std::regex_match(
          ToUtf8(t), std::regex(R"(Rebuilding dictionary - \d+\.\d\d% complete, wait for \d+:\d\d:\d\d)")))
          << ToUtf8(t);
  }
}

TEST(SortDictionary, ProgressText) {
  const std::u16string start = u"Rebuilding dictionary - ";
  EXPECT_EQ(SortProgressText(0.125f, 7.0), start + u"12.50% complete, wait for 0:00:49");
  EXPECT_EQ(SortProgressText(0.5f, 2.5), start + u"50.00% complete, wait for 0:00:02");  // 2.5 s counts as 2
  EXPECT_EQ(SortProgressText(0.5f, 3.5), start + u"50.00% complete, wait for 0:00:04");
  EXPECT_EQ(SortProgressText(0.01f, 40.0), start + u"1.00% complete, wait for 1:06:00");
  EXPECT_EQ(SortProgressText(1.0f, 12.0), start + u"100.00% complete, wait for 0:00:00");
  EXPECT_EQ(SortProgressText(1.5f, 12.0), start + u"150.00% complete, wait for 0:00:00");  // past the estimate
}

}  // namespace
}  // namespace sahdict
