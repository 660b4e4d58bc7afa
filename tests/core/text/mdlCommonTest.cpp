#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/text/mdlCommon.h"

namespace sahdict {
namespace {

TEST(mdlCommon, GetCharAndSetCharActOnlyInsideTheText) {
  EXPECT_EQ(GetChar(u"абв", 3), u"в");
  for (int32_t pos : {0, 4, -1, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()})
    EXPECT_EQ(GetChar(u"абв", pos), u"") << pos;
  EXPECT_EQ(GetChar(u"", 1), u"");

  struct Case {
    int32_t pos;
    std::u16string replacement, expected;
  };
  for (const Case& c : {Case{2, u"", u"ав"}, Case{2, u"xy", u"аxyв"}, Case{3, u"г", u"абг"}, Case{1, u"", u"бв"},
                        Case{4, u"x", u"абв"}, Case{0, u"x", u"абв"}, Case{-5, u"x", u"абв"}}) {
    std::u16string t = u"абв";
    SetChar(t, c.pos, c.replacement);
    EXPECT_EQ(t, c.expected) << c.pos;
  }
}

TEST(mdlCommon, WordsPrefixesAndPadding) {
  EXPECT_EQ(FirstWord(u"a\tb c"), u"a\tb");
  struct Case {
    std::u16string text, word, rest;
  };
  for (const Case& c : {Case{u"a  b", u"a", u" b"}, Case{u"abc", u"abc", u""}, Case{u"", u"", u""},
                        Case{u" x", u"", u"x"}, Case{u"x ", u"x", u""}}) {
    std::u16string t = c.text;
    EXPECT_EQ(CutFirstWord(t), c.word);
    EXPECT_EQ(t, c.rest);
  }

  EXPECT_EQ(PadLeft(u"4", 2, u"0"), u"04");
  EXPECT_EQ(PadLeft(u"12", 2, u"0"), u"12");
  EXPECT_EQ(PadLeft(u"5", 4, u"ab"), u"abab5");
  EXPECT_EQ(PadLeft(u"5", 4, u""), u"5");  // never loops
  EXPECT_EQ(PadLeft(u"5", -3, u"0"), u"5");
}

// Scaling in single precision, ties to even; values past the 32-bit range saturate.
TEST(mdlCommon, FormatFixed) {
  struct Case {
    float value;
    int16_t decimals;
    std::u16string expected;
  };
  for (const Case& c : {Case{0.05f, 2, u"0.05"}, Case{66.666f, 1, u"66.7"}, Case{0.25f, 1, u"0.2"},
                        Case{2.5f, 0, u"2"}, Case{3.5f, 0, u"4"}, Case{0.35f, 1, u"0.4"}, Case{7.0f, -1, u""},
                        Case{-1.25f, 1, u"-1.2"}, Case{-0.04f, 1, u"0.0"}, Case{100.5f, 2, u"100.50"},
                        Case{1e30f, 2, u"21474836.47"}, Case{-1e30f, 0, u"-2147483648"},
                        Case{std::numeric_limits<float>::infinity(), 1, u"214748364.7"},
                        Case{std::nanf(""), 1, u"0.0"}}) {
    EXPECT_EQ(FormatFixed(c.value, c.decimals), c.expected) << c.value << " " << c.decimals;
  }
  EXPECT_EQ(FormatFixed(5.0f, 40).size(), 42u);  // 0 then 40 decimals after scaling to inf
}

TEST(mdlCommon, Utf8ReplaceAllAndTrimSpaces) {
  const std::u16string text = u"ат ҥ 😀";
  EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
  EXPECT_EQ(FromUtf8("\xff" "a"), u"\uFFFDa");
  EXPECT_EQ(ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
  std::u16string t = u"aaa";
  ReplaceAll(t, u"aa", u"b");
  EXPECT_EQ(t, u"ba");
  ReplaceAll(t, u"", u"x");
  EXPECT_EQ(t, u"ba");
  EXPECT_EQ(TrimSpaces(u"  a b \t "), u"a b \t");
  EXPECT_EQ(TrimSpaces(u"   "), u"");
}

// The word a click lands on: notation and hyphenated words whole, punctuation none.
TEST(mdlCommon, WordAt) {
  const std::u16string text = u"(н'эл, күннэри-түүннэри) -x о5о";
  const struct {
    size_t at;
    std::u16string word;
  } cases[] = {{0, u""}, {1, u"н'эл"}, {3, u"н'эл"}, {5, u""}, {7, u"күннэри-түүннэри"},
               {14, u"күннэри-түүннэри"}, {23, u""}, {25, u""}, {26, u"x"}, {29, u"о5о"}, {99, u""}};
  for (const auto& c : cases) EXPECT_EQ(WordAt(text, c.at), c.word) << c.at;
}

}  // namespace
}  // namespace sahdict
