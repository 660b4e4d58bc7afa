// The search session: the rewritten box (text, caret, selection), the
// position it selects and whether the line's alternatives come with it.
#include <gtest/gtest.h>

#include "core/dict/mdlDict.h"
#include "core/search/SearchSession.h"
#include "core/text/mdlCommon.h"

namespace sahdict {
namespace {

TEST(SearchSession, RewritesSakhaSourceOnlyAndCarriesCaretAndSelection) {
  DictStore store;
  for (const auto& [pair, word] :
       {std::pair{u"SAH-RUS", u"дьиэ (дом)"}, {u"SAH-RUS", u"н'эл (x)"}, {u"RUS-SAH", u"нг"}, {u"RUS-SAH", u"н'"}})
    store.AddEntry(word, word, u"", u"t", pair);
  SortDictionary(store, nullptr);
  struct Case {
    std::u16string pair;
    TextBox in, out;
    int32_t position;
    bool letters = false;
  } cases[] = {
      // Typed at the end: the caret stays after the canonical form.
      {u"SAH-RUS", {u"4", 1, 0}, {u"н'", 2, 0}, 2},
      {u"SAH-RUS", {u"77", 2, 0}, {u"ннь", 3, 0}, 0},
      {u"SAH-RUS", {u"3иэ", 3, 0}, {u"дьиэ", 4, 0}, 1},
      {u"SAH-RUS", {u"нгэл", 4, 0}, {u"н'эл", 4, 0}, 2},
      {u"SAH-RUS", {u"", 0, 0}, {u"", 0, 0}, 1},
      // Caret and selection inside the text.
      {u"SAH-RUS", {u"а4б", 1, 0}, {u"ан'б", 1, 0}, 1},
      {u"SAH-RUS", {u"а4б", 2, 0}, {u"ан'б", 3, 0}, 1},
      {u"SAH-RUS", {u"а4б", 1, 1}, {u"ан'б", 1, 2}, 1},
      // Two rounds settle the text; caret and selection come from the first.
      {u"SAH-RUS", {u"7н7", 3, 0}, {u"нньнь", 5, 0}, 0},
      {u"SAH-RUS", {u"7н7", 1, 2}, {u"нньнь", 2, 3}, 0},
      // A selection reaching past the settled text ends with it; a caret
      // outside the text counts as at its end.
      {u"SAH-RUS", {u"77", 1, 1}, {u"ннь", 2, 1}, 0},
      {u"SAH-RUS", {u"4", 9, 3}, {u"н'", 2, 0}, 2},
      {u"SAH-RUS", {u"4", -3, 1}, {u"н'", 0, 2}, 2},
      // Other sources search the text as it is and keep the box.
      {u"RUS-SAH", {u"нг", 0, 1}, {u"нг", 0, 1}, 2},
      {u"RUS-SAH", {u"4", 0, 0}, {u"4", 0, 0}, 1},
      {u"RSE-SAH", {u"3", 1, 0}, {u"3", 1, 0}, 0},
      {u"", {u"", 0, 0}, {u"", 0, 0}, 0},
      // Real letters and capitals are read as typed only when asked, and only
      // for a Sakha source; the caret and the selection follow the mapping.
      {u"SAH-RUS", {u"ҥ", 1, 0}, {u"ҥ", 1, 0}, 0},
      {u"SAH-RUS", {u"ҥ", 1, 0}, {u"н'", 2, 0}, 2, true},
      {u"SAH-RUS", {u"ДЬИЭ", 4, 0}, {u"дьиэ", 4, 0}, 1, true},
      {u"SAH-RUS", {u"аҤб", 2, 0}, {u"ан'б", 3, 0}, 1, true},
      {u"SAH-RUS", {u"Үө4", 0, 2}, {u"YOн'", 0, 2}, 1, true},
      {u"SAH-RUS", {u"һУО", 1, 2}, {u"hYO", 1, 2}, 1, true},
      {u"RUS-SAH", {u"ҥН", 2, 0}, {u"ҥН", 2, 0}, 0, true},
  };
  SearchSession session;
  for (const auto& c : cases) {
    const SearchResult step = session.Search(store, c.pair, c.in, {.SakhaLetters = c.letters});
    const std::string label =
        ToUtf8(c.pair + u" " + c.in.text) + " caret " + std::to_string(c.in.caret) + (c.letters ? " letters" : "");
    EXPECT_EQ(step.rewritten, c.pair == u"SAH-RUS") << label;
    EXPECT_EQ(step.box.text, c.out.text) << label;
    EXPECT_EQ(step.box.caret, c.out.caret) << label;
    EXPECT_EQ(step.box.selLength, c.out.selLength) << label;
    EXPECT_EQ(step.position, c.position) << label;
    // A word that begins with the text leads the line as its exact alternative.
    if (c.position > 0 && store.GetEntry(c.position, c.pair).Word.starts_with(step.box.text)) {
      ASSERT_FALSE(step.alternatives.empty()) << label;
      EXPECT_EQ(step.alternatives.front().Kind, SuggestKind::Exact) << label;
    }
  }
  EXPECT_TRUE(session.Search(store, u"SAH-RUS", {u"щщ", 2, 0}, {.Alternatives = false}).alternatives.empty());
  EXPECT_EQ(session.Search(store, u"SAH-RUS", {u"дьиэ", 4, 0}).alternatives.front().Kind, SuggestKind::Exact);
}

}  // namespace
}  // namespace sahdict
