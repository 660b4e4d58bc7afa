#include "ui/common/Settings.h"

#include <QSettings>

#include "core/text/ProgramIdentity.h"
#include "ui/common/TextConversion.h"

namespace sahdict::ui {
namespace {

const QString kSakhaLetters = QStringLiteral("View/SakhaLetters");

QSettings ProgramSettings() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, ToQString(kMakerName), ToQString(kProgramName));
}

}  // namespace

bool SakhaLettersSetting() { return ProgramSettings().value(kSakhaLetters, false).toBool(); }

void SetSakhaLettersSetting(bool on) { ProgramSettings().setValue(kSakhaLetters, on); }

}  // namespace sahdict::ui
