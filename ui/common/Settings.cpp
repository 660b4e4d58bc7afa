#include "ui/common/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <algorithm>

#include "core/text/ProgramIdentity.h"
#include "ui/common/TextConversion.h"

namespace sahdict::ui {
namespace {

const QString kSakhaLetters = QStringLiteral("View/SakhaLetters");

// The strip along a window's top edge that must stay on a screen, in pixels.
constexpr int kGrabWidth = 64, kGrabHeight = 24;

// Whether the settings files are ordinary files (or absent). QSettings opens
// them as soon as it is made: a FIFO there would block the start, and a link
// would be written through. Their folder is learnt from settings of a name
// that does not exist, which opens nothing.
bool OrdinarySettingsFiles() {
  const QString maker = ToQString(kMakerName), program = ToQString(kProgramName);
  const QFileInfo probe(
      QSettings(QSettings::NativeFormat, QSettings::UserScope, maker + QStringLiteral("-none"), program).fileName());
  const QDir base(QFileInfo(probe.path()).path());  // the probe's folder need not exist
  for (const QString& name :
       {maker + QStringLiteral("/") + probe.fileName(), maker + QStringLiteral(".") + probe.suffix()}) {
    const QFileInfo file(base.filePath(name));
    if (file.isSymLink() || (file.exists() && !file.isFile())) return false;
  }
  return true;
}

// Settings kept nowhere: nothing is read, and nothing written.
QSettings::Format Nowhere() {
  static const QSettings::Format format = QSettings::registerFormat(
      QStringLiteral("sahdict-none"), [](QIODevice&, QSettings::SettingsMap&) { return true; },
      [](QIODevice&, const QSettings::SettingsMap&) { return false; });
  return format;
}

QSettings ProgramSettings() {
  if (!OrdinarySettingsFiles()) return QSettings(Nowhere(), QSettings::UserScope, QStringLiteral("sahdict-none"));
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, ToQString(kMakerName), ToQString(kProgramName));
}

}  // namespace

bool SakhaLettersSetting() { return ProgramSettings().value(kSakhaLetters, false).toBool(); }

void SetSakhaLettersSetting(bool on) { ProgramSettings().setValue(kSakhaLetters, on); }

QVariant Remembered(const QString& key) { return ProgramSettings().value(key); }

void Remember(std::initializer_list<std::pair<QString, QVariant>> values) {
  QSettings settings = ProgramSettings();
  for (const auto& [key, value] : values) settings.setValue(key, value);
}

bool LiesOnScreen(const QRect& frame, const QList<QRect>& screens) {
  const QRect top(frame.topLeft(), QSize(frame.width(), std::min(frame.height(), kGrabHeight)));
  return std::any_of(screens.begin(), screens.end(), [&](const QRect& screen) {
    const QRect seen = screen.intersected(top);
    return seen.width() >= std::min(top.width(), kGrabWidth) && seen.height() >= top.height();
  });
}

std::optional<QPoint> RememberedPosition(const QString& key, const QSize& size) {
  const QVariant saved = Remembered(key);
  if (saved.typeId() != QMetaType::QPoint) return std::nullopt;
  const QPoint position = saved.toPoint();
  // A position this far lies on no screen, and QRect's edges would overflow.
  constexpr qint64 kFar = qint64{1} << 24;
  if (qAbs(qint64{position.x()}) > kFar || qAbs(qint64{position.y()}) > kFar) return std::nullopt;
  QList<QRect> screens;
  for (const QScreen* screen : QGuiApplication::screens()) screens << screen->availableGeometry();
  if (!LiesOnScreen(QRect(position, size), screens)) return std::nullopt;
  return position;
}

}  // namespace sahdict::ui
