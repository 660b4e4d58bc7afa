#pragma once
// Pages for a dark desktop theme: the article and message pages keep their
// documented colours on their light page; under a dark theme they get a dark
// page with light colours of their own, each readable against it.

#include <string>

namespace sahdict {

// The dark page's background and its text colour (for text that the light
// page leaves in the surrounding colour), "RRGGBB".
inline constexpr char16_t kDarkPageColour[] = u"22211E";
inline constexpr char16_t kDarkTextColour[] = u"E8E6E0";

// `page` (made by WrapPage) on the dark page: its background, every colour of
// the articles' and messages' palette replaced by a light counterpart, the
// empty colour and the body's own text set to kDarkTextColour.
std::u16string DarkPage(std::u16string page);

}  // namespace sahdict
