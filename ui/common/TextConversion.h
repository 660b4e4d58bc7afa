#pragma once
// Text crosses between the core (std::u16string) and Qt (QString) here only.

#include <QString>
#include <string>

namespace sahdict::ui {

inline QString ToQString(const std::u16string& text) { return QString::fromStdU16String(text); }

inline std::u16string ToU16String(const QString& text) { return text.toStdU16String(); }

}  // namespace sahdict::ui
