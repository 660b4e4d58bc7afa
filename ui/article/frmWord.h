#pragma once
// The article window: one resizable window that shows the article picked in
// the lookup window. It is loaded (and placed) on first use and again after the
// user has closed it; while open it keeps its place and size. Esc and Ctrl+W
// close it; Ctrl+plus, Ctrl+minus and Ctrl+0 (or Ctrl and the wheel) zoom the
// text. Its size and zoom are remembered when it closes and when the program
// ends. A click on a word opens the word's article in place; back and forward
// go through the pages shown.

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/dict/DictEntry.h"
#include "core/render/ArticleRenderer.h"

class QToolButton;

namespace sahdict::ui {

class HtmlView;

// One page of the article window: an entry and the Word and pair it was found as.
struct ArticlePage {
  std::u16string word;
  std::u16string pair;
  DictEntry entry;
};

// What the article window asks of the program around it.
struct ArticleHooks {
  // The page a clicked word leads to (shown as Sakha when `sakha`); nothing
  // when it leads nowhere.
  std::function<std::optional<ArticlePage>(const std::u16string& word, bool sakha)> follow;
  // The window's title for a page.
  std::function<std::u16string(const ArticlePage&)> title;
  // Each page opened, by the lookup window or a link (not by back and forward).
  std::function<void(const ArticlePage&)> opened;
  // Whether a page's word is a favourite, and marking or unmarking it (the
  // star in the corner, Ctrl+D).
  std::function<bool(const ArticlePage&)> favourite;
  std::function<void(const ArticlePage&)> toggleFavourite;
};

class frmWord : public QWidget {
  Q_OBJECT

 public:
  frmWord();

  // Loads the window when it is not loaded, then sets its title.
  void SetTitle(const std::u16string& title);
  // Loads the window when it is not loaded, then replaces its document.
  void SetPage(const std::u16string& page);
  // Shows the window modeless and brings it to the front.
  void ShowArticle();
  void SetHooks(ArticleHooks hooks) { hooks_ = std::move(hooks); }
  // Marks or unmarks the page's word as a favourite.
  void ToggleFavourite();

  // Shows `page` (its entry's HeadWord, Note and Translation, with real Sakha
  // letters as "Якутские буквы" says), titled by the title hook, and brings
  // the window to the front. The pages after the current one are dropped:
  // this one becomes the last to go forward to.
  void ShowPage(const ArticlePage& page);
  // Back and forward through the pages shown (Alt+Left and Alt+Right, the
  // mouse's back and forward buttons); false when there is none that way.
  bool GoBack();
  bool GoForward();
  // The page shown; nullptr before the first.
  const ArticlePage* CurrentPage() const;

  bool IsLoaded() const { return loaded_; }
  void SaveSettings();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Shows the current page again, under its title, without moving the window.
  void Redraw();
  void FollowWord(const std::u16string& word, bool sakha);
  void EnsureLoaded();
  void Form_Load();
  void Form_Resize();

  HtmlView* txt_;
  QToolButton* cmdStar_;
  bool loaded_ = false;
  ArticleHooks hooks_;
  std::vector<ArticlePage> pages_;  // the pages shown, oldest first
  size_t current_ = 0;              // index of the page shown in pages_
};

}  // namespace sahdict::ui
