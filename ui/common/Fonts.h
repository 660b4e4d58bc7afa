#pragma once
// The program's fonts. Every window writes in Verdana.

#include <QFont>

namespace sahdict::ui {

// 9 pt: the lookup window's lists, search box and button.
QFont LookupFont();
// 8.25 pt: the word-forms boxes and the splash window's status line.
QFont TextFont();
// 6.75 pt: the word-forms captions.
QFont LabelFont();
// 11.25 pt bold: the version on the splash window.
QFont VersionFont();
// The splash picture's lettering, sized in pixels.
QFont PictureFont(int pixelSize, bool bold);

}  // namespace sahdict::ui
