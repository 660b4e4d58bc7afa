// Dec's edge arguments and balanced markup for any translation. The article
// and message pages run through sahdict-tool (tests/tool/page.cmake).
#include <gtest/gtest.h>

#include <random>

#include "core/render/ArticleRenderer.h"
#include "core/render/MessagePage.h"
#include "core/text/mdlCommon.h"

namespace sahdict {
namespace {

// Only one blank is left bare; any bold value but 0 makes the text bold.
TEST(Dec, TwoBlanksAndAnyBoldValue) {
  EXPECT_EQ(Dec(u"  ", u"7B9006", std::nullopt, 7), u"<b><font color=#7B9006>  </font></b>");
}

size_t Count(const std::u16string& text, const std::u16string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::u16string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// Random translations from the characters the renderer treats specially.
TEST(RenderTranslation, AnyTextGivesBalancedMarkup) {
  const std::u16string alphabet = u" ()*.,;-аб.(  ";
  std::mt19937 rng(20240611);
  std::vector<std::u16string> inputs = {u"(((", u")))", u"     ", u".,;-*()", u"(", u")", u"*", u";;;;", u",(,",
                                         u"(.", u"(;", u"( , )", std::u16string(20000, u'а'),
                                         u"." + std::u16string(5000, u'*')};
  for (int i = 0; i < 3000; ++i) {
    std::u16string s;
    const size_t len = rng() % 40;
    for (size_t k = 0; k < len; ++k) s += alphabet[rng() % alphabet.size()];
    inputs.push_back(s);
  }
  for (const auto& in : inputs) {
    const std::u16string out = RenderTranslation(in);
    EXPECT_EQ(Count(out, u"<font"), Count(out, u"</font>")) << ToUtf8(in);
    EXPECT_EQ(Count(out, u"<b>"), Count(out, u"</b>")) << ToUtf8(in);
    EXPECT_EQ(Count(out, u"<div"), Count(out, u"</div>"));
  }
}

TEST(MessagePage, AppendixFollowsTheTextUnstyled) {
  EXPECT_EQ(MessagePage(u"a", 0, u"<td>.</td>"), u"<body bgcolor=#FAFAF5><font color=#7B9006 size=4>a</font><td>.</td></body>");
}

}  // namespace
}  // namespace sahdict
