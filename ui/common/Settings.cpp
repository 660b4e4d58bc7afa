#include "ui/common/Settings.h"

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

QSettings ProgramSettings() {
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
  QList<QRect> screens;
  for (const QScreen* screen : QGuiApplication::screens()) screens << screen->availableGeometry();
  if (!LiesOnScreen(QRect(position, size), screens)) return std::nullopt;
  return position;
}

}  // namespace sahdict::ui
