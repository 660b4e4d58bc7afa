#include "core/render/MessagePage.h"

#include "core/render/ArticleRenderer.h"
#include "core/text/mdlCommon.h"
#include "core/text/mdlSah.h"

namespace sahdict {

void HighlightPunctuation(std::u16string& text, const std::u16string& set) {
  // One forward pass over the original characters: each is looked at once,
  // inserted markup never, in linear time.
  if (text.find_first_of(set) == std::u16string::npos) return;
  std::u16string out;
  out.reserve(text.size() * 2);
  for (const char16_t c : text) {
    if (set.find(c) != std::u16string::npos) {
      out += DecPunctuation(c);
    } else {
      out += c;
    }
  }
  text.swap(out);
}

std::u16string MessagePage(const std::u16string& Text, int16_t Lines) { return MessagePage(Text, Lines, u""); }

std::u16string MessagePage(const std::u16string& Text, int16_t Lines, const std::u16string& Appendix) {
  // The text is text, never markup: a header or word quoted in a message
  // cannot lay out tables in the message window.
  std::u16string text = Text;
  ReplaceAll(text, u"&", u"&amp;");
  ReplaceAll(text, u"<", u"&lt;");
  ReplaceAll(text, u">", u"&gt;");
  ReplaceAll(text, u"\r\n", u"<br>");
  HighlightPunctuation(text, u".,!?-+*/:=()[]{}");
  const std::u16string styled = Lines == 1 ? Dec(text, u"876112", 5, 1) : Dec(text, u"7B9006", 4, 0);
  return WrapPage(styled + Appendix);
}

std::u16string SakhaLettersTable() {
  // Spellings stand a few spaces apart, which the page would fold into one.
  auto spaced = [](std::u16string_view text) {
    std::u16string out(text);
    ReplaceAll(out, u" ", u"&nbsp;&nbsp; ");
    return out;
  };
  std::u16string table = u"<br><table border=1 cellspacing=0 cellpadding=3>";
  for (const SakhaLetterSpelling& row : SakhaLetterSpellings()) {
    table += u"<tr><td>" + Dec(spaced(row.letters), u"876112", 4, 1) + u"</td><td>" +
             Dec(spaced(row.spellings), u"7B9006", 4, 0) + u"</td></tr>";
  }
  return table + u"</table>";
}

}  // namespace sahdict
