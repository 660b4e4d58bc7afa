#include "core/render/MessagePage.h"

#include "core/render/ArticleRenderer.h"
#include "core/text/mdlCommon.h"

namespace sahdict {

void HighlightPunctuation(std::u16string& text, const std::u16string& set) {
  // Walking from the end means every original character is looked at exactly
  // once and inserted markup never is; a single forward pass over the
  // original characters gives the same text in linear time.
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

std::u16string MessagePage(const std::u16string& Text, int16_t Lines) {
  std::u16string text = Text;
  ReplaceAll(text, u"\r\n", u"<br>");
  HighlightPunctuation(text, u".,!?-+*/:=()[]{}");
  const std::u16string styled = Lines == 1 ? Dec(text, u"876112", 5, 1) : Dec(text, u"7B9006", 4, 0);
  return WrapPage(styled);
}

}  // namespace sahdict
