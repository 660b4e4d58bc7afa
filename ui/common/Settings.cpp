#include "ui/common/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <algorithm>
#include <initializer_list>
#include <utility>

#include "generated/ProgramIdentity.h"
#include "ui/common/TextConversion.h"

namespace sahdict::ui {
namespace {

// Every key of the settings file.
const QString kSakhaLetters = QStringLiteral("View/SakhaLetters");
const QString kLookupPosition = QStringLiteral("Lookup/Position");
const QString kLookupSource = QStringLiteral("Lookup/Source");
const QString kLookupTarget = QStringLiteral("Lookup/Target");
const QString kLookupSize = QStringLiteral("Lookup/Size");
const QString kListFontSize = QStringLiteral("Lookup/ListFontSize");
const QString kWordFormsNotice = QStringLiteral("WordForms/NoticeShown");
const QString kArticleSize = QStringLiteral("Article/Size");
const QString kArticleZoom = QStringLiteral("Article/Zoom");
const QString kWordFormsPosition = QStringLiteral("WordForms/Position");
const QString kVerbFormsPosition = QStringLiteral("VerbForms/Position");
const QString kVerbFormsSize = QStringLiteral("VerbForms/Size");

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

QVariant Remembered(const QString& key) { return ProgramSettings().value(key); }

// Writes the values and tells whether any of them changed; the file is written once.
bool Remember(std::initializer_list<std::pair<QString, QVariant>> values) {
  QSettings settings = ProgramSettings();
  bool changed = false;
  for (const auto& [key, value] : values) {
    changed = changed || settings.value(key) != value;
    settings.setValue(key, value);
  }
  return changed;
}

std::optional<QPoint> PositionOnScreen(const QString& key, const QSize& frame) {
  const QVariant saved = Remembered(key);
  if (saved.typeId() != QMetaType::QPoint) return std::nullopt;
  const QPoint position = saved.toPoint();
  // A position this far lies on no screen, and QRect's edges would overflow.
  constexpr qint64 kFar = qint64{1} << 24;
  if (qAbs(qint64{position.x()}) > kFar || qAbs(qint64{position.y()}) > kFar) return std::nullopt;
  QList<QRect> screens;
  for (const QScreen* screen : QGuiApplication::screens()) screens << screen->availableGeometry();
  if (!LiesOnScreen(QRect(position, frame), screens)) return std::nullopt;
  return position;
}

}  // namespace

Settings& Settings::Instance() {
  static Settings* const owner = new Settings;
  return *owner;
}

bool Settings::SakhaLetters() const { return ProgramSettings().value(kSakhaLetters, true).toBool(); }

void Settings::SetSakhaLetters(bool on) {
  if (Remember({{kSakhaLetters, on}})) emit SakhaLettersChanged(on);
}

std::optional<QPoint> Settings::LookupPosition(const QSize& frame) const {
  return PositionOnScreen(kLookupPosition, frame);
}

int32_t Settings::LookupSource() const { return Remembered(kLookupSource).toInt(); }

int32_t Settings::LookupTarget() const { return Remembered(kLookupTarget).toInt(); }

void Settings::SetLookup(const QPoint& position, int32_t source, int32_t target) {
  if (Remember({{kLookupPosition, position}, {kLookupSource, source}, {kLookupTarget, target}})) emit LookupChanged();
}

QSize Settings::LookupSize() const { return Remembered(kLookupSize).toSize(); }

int Settings::ListFontSize() const { return Remembered(kListFontSize).toInt(); }

void Settings::SetLookupSize(const QSize& size) { Remember({{kLookupSize, size}}); }

void Settings::SetListFontSize(int points) {
  if (Remember({{kListFontSize, points}})) emit ListFontSizeChanged(points);
}

bool Settings::WordFormsNoticeShown() const { return Remembered(kWordFormsNotice).toBool(); }

void Settings::SetWordFormsNoticeShown() { Remember({{kWordFormsNotice, true}}); }

QSize Settings::ArticleSize() const { return Remembered(kArticleSize).toSize(); }

int Settings::ArticleZoom() const { return Remembered(kArticleZoom).toInt(); }

void Settings::SetArticle(const QSize& size, int zoom) {
  if (Remember({{kArticleSize, size}, {kArticleZoom, zoom}})) emit ArticleChanged();
}

std::optional<QPoint> Settings::WordFormsPosition(const QSize& frame) const {
  return PositionOnScreen(kWordFormsPosition, frame);
}

void Settings::SetWordFormsPosition(const QPoint& position) {
  if (Remember({{kWordFormsPosition, position}})) emit WordFormsPositionChanged();
}

std::optional<QPoint> Settings::VerbFormsPosition(const QSize& frame) const {
  return PositionOnScreen(kVerbFormsPosition, frame);
}

QSize Settings::VerbFormsSize() const { return Remembered(kVerbFormsSize).toSize(); }

void Settings::SetVerbForms(const QPoint& position, const QSize& size) {
  if (Remember({{kVerbFormsPosition, position}, {kVerbFormsSize, size}})) emit VerbFormsChanged();
}

bool LiesOnScreen(const QRect& frame, const QList<QRect>& screens) {
  const QRect top(frame.topLeft(), QSize(frame.width(), std::min(frame.height(), kGrabHeight)));
  return std::any_of(screens.begin(), screens.end(), [&](const QRect& screen) {
    const QRect seen = screen.intersected(top);
    return seen.width() >= std::min(top.width(), kGrabWidth) && seen.height() >= top.height();
  });
}

}  // namespace sahdict::ui
