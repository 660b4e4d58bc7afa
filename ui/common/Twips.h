#pragma once
// Window measures are designed in twips: 1440 to the inch, 15 to a pixel at 96 dpi.

class QWidget;

namespace sahdict::ui {

// Pixels for a measure in twips, rounded to the nearest pixel (halves away from zero).
constexpr int Twips(int twips) { return (twips >= 0 ? twips + 7 : twips - 7) / 15; }

// Pixels needed so that a measure is at least `twips` (rounded up).
constexpr int TwipsAtLeast(int twips) { return (twips + 14) / 15; }

// A control's place in its parent, in twips.
struct TwipsRect {
  int left, top, width, height;
};

// Gives `widget` the geometry of `rect`, each measure rounded by Twips().
void Place(QWidget* widget, const TwipsRect& rect);

}  // namespace sahdict::ui
