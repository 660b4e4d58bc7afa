#pragma once
// The page text of the message window.

#include <cstdint>
#include <string>

namespace sahdict {

// Wraps each character of `set` in `text` in bold punctuation styling, walking
// from the end to the start so inserted markup is never looked at again.
void HighlightPunctuation(std::u16string& text, const std::u16string& set);

// The message page for Text: CR LF become "<br>", punctuation is highlighted,
// and the whole is styled compact (Lines == 1) or normal.
std::u16string MessagePage(const std::u16string& Text, int16_t Lines);

}  // namespace sahdict
