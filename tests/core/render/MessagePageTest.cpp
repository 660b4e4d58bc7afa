#include <gtest/gtest.h>

#include "core/render/MessagePage.h"

namespace sahdict {
namespace {

std::u16string Bold(char16_t c) { return u"<b><font color=#5B544B size=5>" + std::u16string(1, c) + u"</font></b>"; }

TEST(HighlightPunctuation, WrapsEachCharacterOfTheSetOnce) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"", u""},
      {u"abc", u"abc"},
      {u"a.b", u"a" + Bold(u'.') + u"b"},
      // "/" and "=" of the inserted markup are never looked at again.
      {u"/=", Bold(u'/') + Bold(u'=')},
      {u"..", Bold(u'.') + Bold(u'.')},
  };
  for (const auto& [in, out] : cases) {
    std::u16string text = in;
    HighlightPunctuation(text, u".,!?-+*/:=()[]{}");
    EXPECT_EQ(text, out);
  }
}

TEST(MessagePage, NormalAndCompactPages) {
  const std::tuple<std::u16string, int16_t, std::u16string> cases[] = {
      {u"", 0, u"<body bgcolor=#FAFAF5></body>"},
      {u"", 1, u"<body bgcolor=#FAFAF5></body>"},
      {u"a.b", 0, u"<body bgcolor=#FAFAF5><font color=#7B9006 size=4>a" + Bold(u'.') + u"b</font></body>"},
      {u"x\r\ny", 0, u"<body bgcolor=#FAFAF5><font color=#7B9006 size=4>x<br>y</font></body>"},
      {u"x\ny\rz", 0, u"<body bgcolor=#FAFAF5><font color=#7B9006 size=4>x\ny\rz</font></body>"},
      {u"x", 1, u"<body bgcolor=#FAFAF5><b><font color=#876112 size=5>x</font></b></body>"},
      {u"x", 2, u"<body bgcolor=#FAFAF5><font color=#7B9006 size=4>x</font></body>"},
      {u" ", 1, u"<body bgcolor=#FAFAF5> </body>"},
      // Text is not escaped.
      {u"<i>&", 0, u"<body bgcolor=#FAFAF5><font color=#7B9006 size=4><i>&</font></body>"},
  };
  for (const auto& [text, lines, page] : cases) EXPECT_EQ(MessagePage(text, lines), page);
  // An appendix follows the styled text as it is: its punctuation stays plain.
  EXPECT_EQ(MessagePage(u"a.", 0, u"<td>=</td>"),
            u"<body bgcolor=#FAFAF5><font color=#7B9006 size=4>a" + Bold(u'.') + u"</font><td>=</td></body>");
  // The page highlights every character of its punctuation set.
  for (const char16_t c : std::u16string(u".,!?-+*/:=()[]{}"))
    EXPECT_EQ(MessagePage(std::u16string(1, c), 0),
              u"<body bgcolor=#FAFAF5><font color=#7B9006 size=4>" + Bold(c) + u"</font></body>");
}

}  // namespace
}  // namespace sahdict
