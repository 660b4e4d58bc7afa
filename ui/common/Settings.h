#pragma once
// The choices the program remembers between starts, kept with QSettings under
// the maker's and the program's names. A missing or unreadable settings file
// gives no values, and each window then starts as it always does. Tests switch
// QStandardPaths to its test mode first, so that they never read or write the
// user's own settings.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QVariant>
#include <initializer_list>
#include <optional>
#include <utility>

namespace sahdict::ui {

// "Вид" → "Якутские буквы": Sakha words shown with real letters; off when never set.
bool SakhaLettersSetting();
void SetSakhaLettersSetting(bool on);

// A remembered value by its key ("Lookup/Source"); an invalid QVariant when
// there is none.
QVariant Remembered(const QString& key);
// Remembers values by their keys, writing the settings file once.
void Remember(std::initializer_list<std::pair<QString, QVariant>> values);

// Whether a window with the outer rectangle `frame` shows enough of its top
// edge (where the title bar is) on one of `screens` to be seen and dragged.
bool LiesOnScreen(const QRect& frame, const QList<QRect>& screens);

// The remembered outer position of a window of the outer size `size`, unless
// there is none or it would put the window off every screen of this session.
std::optional<QPoint> RememberedPosition(const QString& key, const QSize& size);

}  // namespace sahdict::ui
