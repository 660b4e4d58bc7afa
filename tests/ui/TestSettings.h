#pragma once
// The program's settings for a window test: in a folder of the test's own, so
// that tests running side by side never share them, and empty.

#include <QSettings>
#include <QString>

#include "core/text/ProgramIdentity.h"

namespace sahdict::test {

inline void FreshSettings(const QString& folder) {
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
  QSettings(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdU16String(kMakerName),
            QString::fromStdU16String(kProgramName))
      .clear();
}

}  // namespace sahdict::test
