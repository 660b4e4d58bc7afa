// Cutting a text into words: the places, the step limit and the notation's characters.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/search/Gloss.h"

using namespace sahdict;

namespace {

using Found = std::vector<std::pair<size_t, std::u16string>>;

// The words of `text` with their offsets, cut `limit` at a time.
Found Words(std::u16string_view text, size_t limit, WordChars chars) {
  Found out;
  size_t from = 0;
  for (size_t last = SIZE_MAX; from < text.size() && from != last;) {
    last = from;
    for (const TextWord& w : SplitWords(text, from, limit, chars))
      out.emplace_back(w.Offset, text.substr(w.Offset, w.Length));
  }
  EXPECT_EQ(from, text.size());
  return out;
}

TEST(SplitWords, Table) {
  const std::u16string mixed = u"ат, кэрэ-кэрэ -уу 5";
  const std::u16string notation = u"о5о хатын' 'он' 5к";
  const struct {
    std::u16string text;
    size_t limit;
    WordChars chars;
    Found words;
  } cases[] = {
      {mixed, SIZE_MAX, WordChars::Letters, {{0, u"ат"}, {4, u"кэрэ-кэрэ"}, {15, u"уу"}}},
      {mixed, 1, WordChars::Letters, {{0, u"ат"}, {4, u"кэрэ-кэрэ"}, {15, u"уу"}}},
      {notation, SIZE_MAX, WordChars::Letters, {{0, u"о"}, {2, u"о"}, {4, u"хатын"}, {12, u"он"}, {17, u"к"}}},
      {notation, 2, WordChars::Notation, {{0, u"о5о"}, {4, u"хатын'"}, {12, u"он'"}, {17, u"к"}}},
      {u"Yчэр ба́р!", SIZE_MAX, WordChars::Letters, {{0, u"Yчэр"}, {5, u"ба́р"}}},
  };
  for (size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(Words(cases[i].text, cases[i].limit, cases[i].chars), cases[i].words) << "case " << i;
}

}  // namespace
