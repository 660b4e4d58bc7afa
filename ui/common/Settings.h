#pragma once
// The choices the program remembers between starts, kept with QSettings under
// the maker's and the program's names. Settings is their one owner: every key
// is written here, each value has its type, and each value that changes
// raises its signal, so windows subscribe instead of being told. A missing or
// unreadable settings file gives no values, and each window then starts as it
// always does. Tests switch QStandardPaths to its test mode first, so that
// they never read or write the user's own settings.

#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <optional>

namespace sahdict::ui {

class Settings : public QObject {
  Q_OBJECT

 public:
  // The program's one owner, made on first use.
  static Settings& Instance();

  // "Вид" → "Якутские буквы": Sakha words shown with real letters; on when never set.
  bool SakhaLetters() const;
  void SetSakhaLetters(bool on);

  // The lookup window's outer position, unless there is none or it would put
  // a window of the outer size `frame` off every screen of this session.
  std::optional<QPoint> LookupPosition(const QSize& frame) const;
  // The language numbers of the pair chosen last; 0 when none is remembered.
  int32_t LookupSource() const;
  int32_t LookupTarget() const;
  void SetLookup(const QPoint& position, int32_t source, int32_t target);

  // The lookup window's size (invalid when none is remembered) and the word
  // list's font size in points (0 when none is remembered).
  QSize LookupSize() const;
  int ListFontSize() const;
  void SetLookupSize(const QSize& size);
  void SetListFontSize(int points);

  // The article window's size (invalid when none is remembered) and text zoom.
  QSize ArticleSize() const;
  int ArticleZoom() const;
  void SetArticle(const QSize& size, int zoom);

  // The word-forms window's outer position, as LookupPosition.
  std::optional<QPoint> WordFormsPosition(const QSize& frame) const;
  void SetWordFormsPosition(const QPoint& position);
  // Whether the word-forms window's notice has been shown once.
  bool WordFormsNoticeShown() const;
  void SetWordFormsNoticeShown();

  // The verb-forms window's outer position, as LookupPosition, and its size
  // (invalid when none is remembered).
  std::optional<QPoint> VerbFormsPosition(const QSize& frame) const;
  QSize VerbFormsSize() const;
  void SetVerbForms(const QPoint& position, const QSize& size);

 signals:
  void SakhaLettersChanged(bool on);
  void LookupChanged();
  void ArticleChanged();
  void WordFormsPositionChanged();
  void VerbFormsChanged();
  void ListFontSizeChanged(int points);

 private:
  Settings() = default;
};

// Whether a window with the outer rectangle `frame` shows enough of its top
// edge (where the title bar is) on one of `screens` to be seen and dragged.
bool LiesOnScreen(const QRect& frame, const QList<QRect>& screens);

}  // namespace sahdict::ui
