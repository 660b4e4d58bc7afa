#pragma once
// The choices the program remembers between starts, kept with QSettings under
// the maker's and the program's names. Tests switch QStandardPaths to its test
// mode first, so that they never read or write the user's own settings.

namespace sahdict::ui {

// "Вид" → "Якутские буквы": Sakha words shown with real letters; off when never set.
bool SakhaLettersSetting();
void SetSakhaLettersSetting(bool on);

}  // namespace sahdict::ui
