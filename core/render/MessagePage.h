#pragma once
// The page text of the message window.

#include <cstdint>
#include <string>

namespace sahdict {

// Wraps each character of `set` in `text` in bold punctuation styling; the
// markup it inserts is never looked at again.
void HighlightPunctuation(std::u16string& text, const std::u16string& set);

// The message page for Text: "&", "<" and ">" are escaped, CR LF become "<br>", punctuation is highlighted,
// and the whole is styled compact (Lines == 1) or normal.
std::u16string MessagePage(const std::u16string& Text, int16_t Lines);

// The same page with `Appendix`, an HTML fragment, put as it is after the
// styled text.
std::u16string MessagePage(const std::u16string& Text, int16_t Lines, const std::u16string& Appendix);

// The notation help's table of the real Sakha letters, each with the spellings
// that type it, as an HTML fragment for MessagePage's appendix.
std::u16string SakhaLettersTable();

}  // namespace sahdict
