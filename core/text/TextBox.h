#pragma once
// A text box's text with its caret and selection, and the rewrites of typed
// Sakha that keep the caret and the selection in place. The lookup window's
// search box, the word-forms input and the tool's items all go through these.

#include <cstdint>
#include <string>

namespace sahdict {

struct TextBox {
  std::u16string text;
  int32_t caret = 0;      // characters before the caret; the selection's start when text is selected
  int32_t selLength = 0;  // characters selected from the caret on
};

// Real Sakha letters and Cyrillic capitals as typed, read by
// SakhaLettersToNotation. The caret lands after the mapping of what stood
// before it, the selection spans the mapping of the selected text. A caret or
// selection outside the text counts as clamped to it.
TextBox TypedSakhaLetters(const TextBox& box);

// The canonical form of the box's text (NormalizeSakhaSettled). The caret lands
// after a single NormalizeSakha of what stood before it and the selection
// spans a single rewrite of the selected text, both then held within the
// settled text.
TextBox CanonicalSakha(const TextBox& box);

// The box's canonical text as shown with real letters (NotationToSakhaLetters):
// the caret lands after the letters of what stood before it, the selection
// spans the letters of the selected text.
TextBox SakhaLettersShown(const TextBox& box);

}  // namespace sahdict
