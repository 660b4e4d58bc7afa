// The word-language check on stores the reader cannot make: entries past the
// count, any index order, one position listed twice; and the shared corpus.
// Worked answers run through sahdict-tool on the files in tests/data/langcheck.
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

// Only entries at positions 1..count teach, in any index order.
TEST(CheckWordLanguage, CountsTheRightEntries) {
  const std::u16string expected = CheckWordLanguage(u"аб", SmallStore()).Text;
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
