#pragma once
// The suggestion line under the search box: when no word of the pair begins
// with the typed text, it names the best alternative as a link, offers all of
// them behind a small button, or says that the dictionary has no such word.

#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

#include "core/search/Suggest.h"

class QLabel;
class QMenu;
class QToolButton;

namespace sahdict::ui {

// What the line says of how an alternative was found ("без учёта регистра и ё",
// a form named by the word-forms window's captions, "похожее слово" ...).
std::u16string AlternativeNote(const Alternative& alternative);

class SuggestLine : public QWidget {
  Q_OBJECT

 public:
  explicit SuggestLine(QWidget* parent = nullptr);

  // Shows the line for `typed` (the box's text) and the search's alternatives
  // for it: empty while the text is empty or is a whole word, the forms that
  // follow an Exact answer when a word begins with it, "no such word" for no
  // answer, otherwise the alternatives. Words
  // of a Sakha source (`sakhaSource`) follow "Якутские буквы" (ShownWord).
  void Show(const std::u16string& typed, std::vector<Alternative> alternatives, bool sakhaSource);

  // True when the line says that the dictionary has no such word.
  bool ShowsNoWord() const { return noWord_; }
  // The best alternative shown; nullptr when none is.
  const Alternative* Best() const { return alternatives_.empty() ? nullptr : &alternatives_.front(); }
  // Opens the list of every alternative under the line (Alt+Down in the box).
  void OpenMenu();

 signals:
  // The user chose the alternative at `position` within `pair` ("" for the
  // window's own pair).
  void AlternativeChosen(int32_t position, const QString& pair);

 private:
  void Render();
  void FillMenu();
  void Choose(int32_t index);
  // A word as the line shows it; `sakha` when its pair's source is Sakha.
  std::u16string Shown(const std::u16string& word, bool sakha) const;
  std::u16string Shown(const Alternative& alternative) const;

  QLabel* lblSuggest_;
  QToolButton* cmdSuggest_;
  QMenu* menu_;
  std::u16string typed_;
  std::vector<Alternative> alternatives_;  // those shown, best first
  bool sakhaSource_ = false;
  bool exact_ = false;  // a word begins with the text
  bool noWord_ = false;
};

}  // namespace sahdict::ui
