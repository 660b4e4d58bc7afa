#pragma once
// The splash picture, drawn at start-up.

#include <QImage>

namespace sahdict::app {

// A 512 x 384 picture: the program's name over a warm gradient with large
// Sakha letters, leaving the top right corner for the version text and the
// bottom edge for the status line.
QImage DrawSplashPicture();

}  // namespace sahdict::app
