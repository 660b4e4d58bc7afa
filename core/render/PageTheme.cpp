#include "core/render/PageTheme.h"

#include <string_view>
#include <utility>

#include "core/text/mdlCommon.h"

namespace sahdict {
namespace {

// Each colour of the light page and its counterpart on the dark page, chosen
// to keep its hue and to stand at least 4.5 : 1 against kDarkPageColour.
constexpr std::pair<std::u16string_view, std::u16string_view> kDarkColours[] = {
    {u"6C6C6C", u"ABABAB"},  // remarks, note brackets
    {u"4F7618", u"A8D672"},  // note
    {u"B27800", u"F2B443"},  // Russian words
    {u"7B9006", u"C9DB63"},  // Sakha words, message text
    {u"876112", u"E3BC6A"},  // emphasis, compact message
    {u"596513", u"CFDB85"},  // emphasis in Sakha
    {u"5B544B", u"DCD3C5"},  // punctuation
    {u"8D8D8D", u"B5B5B5"},  // examples
};

}  // namespace

std::u16string DarkPage(std::u16string page) {
  const std::u16string text = kDarkTextColour;
  for (const auto& [light, dark] : kDarkColours)
    ReplaceAll(page, u"color=#" + std::u16string(light), u"color=#" + std::u16string(dark));
  ReplaceAll(page, u"<font color=# ", u"<font color=#" + text + u" ");
  ReplaceAll(page, u"<font color=#>", u"<font color=#" + text + u">");
  ReplaceAll(page, u"<body bgcolor=#FAFAF5>",
             u"<body bgcolor=#" + std::u16string(kDarkPageColour) + u" style='color:#" + text + u"'>");
  return page;
}

}  // namespace sahdict
