#pragma once
// "Чтение текста": a pasted or opened text with each word glossed as the
// tool's gloss command does it. A word's lemma and first translation show on
// hover (tooltip and the line under the text); words with no analysis are
// underlined in red; a click opens the word's article. A long text is glossed
// a few thousand words per turn of the event loop, with a progress line, so
// the window never freezes.

#include <QPointer>
#include <QString>
#include <QTextCharFormat>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/search/Gloss.h"

class QLabel;
class QTextBrowser;
class QUrl;

namespace sahdict::ui {

class frmReadText : public QWidget {
  Q_OBJECT

 public:
  // Shows the article of a pair's entry: its Word, its pair and its position.
  using OpenArticle = std::function<void(const std::u16string& word, const std::u16string& pair, int32_t position)>;

  // Words glossed per turn of the event loop.
  static constexpr size_t kWordsPerStep = 2000;

  frmReadText(const DictStore& store, OpenArticle open, QWidget* parent = nullptr);
  ~frmReadText() override;

  // The window of the "Plugins" menu: made on first use (a child window of
  // `parent`), shown and raised.
  static frmReadText& Open(const DictStore& store, OpenArticle open, QWidget* parent);

  // Shows `text` and starts glossing it; an earlier text still being glossed is dropped.
  void SetText(const QString& text);
  // True until the whole text is glossed.
  bool IsGlossing() const { return glossing_; }
  QTextBrowser* View() const { return txt_; }

 signals:
  // The whole text is glossed.
  void Glossed();

 private:
  void Paste();
  void OpenFile();
  void Restart();
  void GlossStep();
  // The format of a word and of its tooltip: an anchor "g:N" (N its index in
  // shown_) for a word with an entry, a red wavy underline for one without.
  const QTextCharFormat& FormatOf(const std::u16string& word);
  // The gloss of a word as shown: lemma, description and translation.
  QString GlossText(const std::u16string& word, const GlossLine& g) const;
  struct Shown {
    std::u16string word;
    const GlossLine* gloss;  // in glosser_'s cache
  };
  // The word a link of the view stands for, or null.
  const Shown* LinkTarget(const QUrl& link) const;
  void Hovered(const QUrl& link);
  void Clicked(const QUrl& link);
  void SetSakhaLetters(bool on);

  OpenArticle open_;
  Glosser glosser_;
  std::u16string text_;
  size_t done_ = 0;   // the text up to here is in the view
  uint64_t run_ = 0;  // which text the queued step belongs to
  bool glossing_ = false;
  size_t words_ = 0, unknown_ = 0;  // of the text shown so far
  bool sakhaLetters_ = false;
  std::vector<Shown> shown_;  // the distinct spellings met, in order
  std::unordered_map<std::u16string, QTextCharFormat> formats_;
  QTextCharFormat plain_;

  QTextBrowser* txt_ = nullptr;
  QLabel* lblGloss_ = nullptr;
  QLabel* lblProgress_ = nullptr;
};

}  // namespace sahdict::ui
