#pragma once
// Adapting a page text to what Qt's rich-text engine can show as intended.

#include <QPalette>
#include <string>

namespace sahdict::ui {

// The page as handed to the HTML view. Two constructs are rewritten, nothing else:
// - the example block "<div style='padding: 0,0,0,20px'>" (a style Qt ignores)
//   becomes a block indented 20 px by its left margin;
// - a font element with the empty colour "color=#" loses that attribute, so the
//   text keeps the surrounding colour without a colour-parse warning.
// With `dark` (IsDarkPalette) the page first goes onto the dark page (DarkPage).
std::u16string PageForView(std::u16string page, bool dark = false);

// Whether `palette` is a dark theme's: its window text lighter than its window.
bool IsDarkPalette(const QPalette& palette);

}  // namespace sahdict::ui
