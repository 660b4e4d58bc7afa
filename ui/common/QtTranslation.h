#pragma once
// Qt's own texts (the right-click menus of text boxes, standard dialogs) in
// Russian, like the rest of the program.

namespace sahdict::ui {

// Installs Qt's Russian translation (qtbase_ru from Qt's translations folder)
// into the application, once. Returns false when it is not installed, and Qt
// then speaks English.
bool InstallQtTranslation();

}  // namespace sahdict::ui
