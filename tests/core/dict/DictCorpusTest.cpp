// The shared corpus: compile and read back exactly, and the pair table against
// the plain walks on a realistic store. Skipped when the corpus is absent.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/dict/LinearWalks.h"
#include "core/dict/mdlDict.h"
#include "tests/core/dict/DictTestSupport.h"

namespace sahdict {
namespace {

class DictCorpus : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!std::filesystem::exists(SAHDICT_CORPUS_PATH)) return;
    store_ = new DictStore;
    const auto r = test::Read(*store_, SAHDICT_CORPUS_PATH);
    ok_ = r.ok;
    messages_ = r.messages.size();
  }
  static void TearDownTestSuite() {
    delete store_;
    store_ = nullptr;
  }
  void SetUp() override {
    if (store_ == nullptr) GTEST_SKIP() << "corpus not found: " << SAHDICT_CORPUS_PATH;
  }

  static DictStore* store_;
  static bool ok_;
  static size_t messages_;
};

DictStore* DictCorpus::store_ = nullptr;
bool DictCorpus::ok_ = false;
size_t DictCorpus::messages_ = 0;

TEST_F(DictCorpus, CompiledFileReadsBackIdentically) {
  ASSERT_TRUE(ok_);
  EXPECT_EQ(messages_, 0u);
  ASSERT_GT(store_->GetEntryCount(), 10000);
  test::ScratchDir dir;
  const auto file = dir.File("compiled.dict");
  ASSERT_TRUE(WriteCompiled(*store_, file));
  DictStore back;
  const auto r = test::Read(back, file);
  EXPECT_TRUE(r.ok);
  EXPECT_TRUE(r.messages.empty());
  EXPECT_TRUE(r.progress.empty());  // in order already: no sorting
  ASSERT_EQ(back.GetEntryCount(), store_->GetEntryCount());
  for (int32_t p = 1; p <= back.GetEntryCount(); ++p) ASSERT_EQ(back.EntryAt(p), store_->EntryAt(p)) << p;
}

TEST_F(DictCorpus, PairTableAnswersLikeTheWalks) {
  const DictStore& store = *store_;
  // Pairs in order of first occurrence, by a walk.
  std::vector<std::u16string> pairs;
  for (int32_t p = 1; p <= store.GetEntryCount(); ++p)
    if (std::find(pairs.begin(), pairs.end(), store.EntryAt(p).LangPair) == pairs.end())
      pairs.push_back(store.EntryAt(p).LangPair);
  ASSERT_EQ(store.GetPairs(), pairs);
  EXPECT_TRUE(store.PairWordsOrdered());

  // Typed texts: prefixes of Words across the store, and a few others.
  std::vector<std::u16string> texts = {u"", u"я", u"яяяя", u"A", u"ё"};
  for (int32_t p = 1; p <= store.GetEntryCount(); p += 7001) {
    const std::u16string& w = store.EntryAt(p).Word;
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
