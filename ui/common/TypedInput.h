#pragma once
// The Sakha input boxes of the word-forms windows: real letters and Cyrillic
// capitals typed are rewritten into the notation in place.

class QLineEdit;

namespace sahdict::ui {

// Rewrites the real Sakha letters and Cyrillic capitals typed into `box` into
// the notation (TypedSakhaLetters), the caret staying after what stood before
// it; the box's change signal does not fire again for the rewrite.
void MapTypedSakhaLetters(QLineEdit* box);

}  // namespace sahdict::ui
