#pragma once
// The program's icon, drawn rather than stored so that every size is sharp.

#include <QIcon>
#include <QPainter>

namespace sahdict::app {

// Paints the icon into the square (0, 0, size, size) of the painter's device:
// an open book on a rounded sand-coloured tile, the letter "Ҥ" on its left
// page and lines of text on its right page. Outside the tile's rounded
// corners nothing is painted, so the device should start transparent.
void DrawIcon(QPainter& painter, int size);

// The icon at the sizes title bars and task bars ask for, as the windows'
// icon. Needs the application object.
QIcon ProgramIcon();

}  // namespace sahdict::app
