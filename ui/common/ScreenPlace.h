#pragma once
// Keeping windows on the screen: a window opens within the available area of
// its screen, whatever its remembered place or size and the scale factor.

#include <QRect>

class QWidget;

namespace sahdict::ui {

// `frame` moved, and shrunk when it is larger, so that it lies within `area`;
// a frame that already does is returned unchanged.
QRect FitWithin(const QRect& frame, const QRect& area);

// Moves `window` (a top-level window) into the available area of the screen
// that holds most of it, and shrinks it to that area when it is larger.
void KeepOnScreen(QWidget* window);

}  // namespace sahdict::ui
