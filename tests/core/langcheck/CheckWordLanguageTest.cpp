// The word-language check on stores the reader cannot make: entries past the
// count, any index order, one position listed twice. Worked answers and the
// shared corpus run through sahdict-tool (tests/tool/page.cmake).
#include <gtest/gtest.h>

#include <algorithm>

#include "core/dict/DictStore.h"
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

}  // namespace
}  // namespace sahdict
