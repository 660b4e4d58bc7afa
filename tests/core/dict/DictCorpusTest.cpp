// The pair table against the plain walks on a realistic store: the shared
// corpus, skipped when absent. Its compiled round trip runs through sahdict-tool.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/core/dict/DictTestSupport.h"
#include "tests/support/LinearWalks.h"

namespace sahdict {
namespace {

TEST(DictCorpus, AnswersLikeTheWalks) {
  if (!std::filesystem::exists(SAHDICT_CORPUS_PATH)) GTEST_SKIP() << "corpus not found: " << SAHDICT_CORPUS_PATH;
  DictStore store;
  const auto source = test::Read(store, SAHDICT_CORPUS_PATH);
  ASSERT_TRUE(source.ok);
  EXPECT_TRUE(source.messages.empty());
  ASSERT_GT(store.GetEntryCount(), 10000);

  // Pairs in order of first occurrence, by a walk.
  std::vector<std::u16string> pairs;
  for (int32_t p = 1; p <= store.GetEntryCount(); ++p)
    if (std::find(pairs.begin(), pairs.end(), store.EntryAt(p).LangPair) == pairs.end())
      pairs.emplace_back(store.EntryAt(p).LangPair);
  ASSERT_EQ(store.GetPairs(), pairs);
  EXPECT_TRUE(store.PairWordsOrdered());

  // Typed texts: prefixes of Words across the store, and a few others.
  std::vector<std::u16string> texts = {u"", u"я", u"яяяя", u"A", u"ё"};
  for (int32_t p = 1; p <= store.GetEntryCount(); p += 7001) {
    const std::u16string w = store.EntryAt(p).Word.Text();
    for (size_t len : {size_t{1}, size_t{2}, size_t{4}, w.size()}) texts.push_back(w.substr(0, len));
  }
  for (const auto& pair : pairs) {
    for (const auto& text : texts)
      ASSERT_EQ(store.FindFirstEntry(text, pair), LinearFindFirstEntry(store, text, pair))
          << ToUtf8(text) << " in " << ToUtf8(pair);
    const int32_t count = store.GetPairCount(pair);
    for (int32_t n : {-1, 0, 1, 2, count / 3, count / 2, count - 1, count, count + 1})
      ASSERT_EQ(store.GetEntry(n, pair), LinearGetEntry(store, n, pair)) << n << " in " << ToUtf8(pair);
  }
}

}  // namespace
}  // namespace sahdict
