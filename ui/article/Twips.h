#pragma once
// Window measures are designed in twips: 1440 to the inch, 15 to a pixel at 96 dpi.

namespace sahdict::ui {

// Pixels for a measure in twips, rounded to the nearest pixel.
constexpr int Twips(int twips) { return (twips >= 0 ? twips + 7 : twips - 7) / 15; }

// Pixels needed so that a measure is at least `twips` (rounded up).
constexpr int TwipsAtLeast(int twips) { return (twips + 14) / 15; }

}  // namespace sahdict::ui
