#pragma once
// The program's icon, drawn rather than stored so that every size is sharp.

#include <QPainter>

namespace sahdict::app {

// Paints the icon into the square (0, 0, size, size) of the painter's device:
// an open book on a rounded sand-coloured tile, the letter "Ҥ" on its left
// page and lines of text on its right page. Outside the tile's rounded
// corners nothing is painted, so the device should start transparent.
void DrawIcon(QPainter& painter, int size);

}  // namespace sahdict::app
