#pragma once
// The article window: one resizable window that shows the article picked in
// the lookup window. It is loaded (and placed) on first use and again after the
// user has closed it; while open it keeps its place and size. Esc and Ctrl+W
// close it; Ctrl+plus, Ctrl+minus and Ctrl+0 (or Ctrl and the wheel) zoom the
// text. Its size and zoom are remembered when it closes and when the program
// ends.

#include <QWidget>
#include <string>

#include "core/dict/DictEntry.h"
#include "core/render/ArticleRenderer.h"

namespace sahdict::ui {

class HtmlView;

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
  // Titles the window `title`, shows the article page of `entry` (its
  // HeadWord, Note and Translation, rendered with `options`) and brings the
  // window to the front.
  void ShowEntry(const std::u16string& title, const DictEntry& entry, const RenderOptions& options = {});
  // While loaded: the last entry shown again with `options`, under `title`,
  // without moving or raising the window. Does nothing when not loaded.
  void Redraw(const std::u16string& title, const RenderOptions& options);

  bool IsLoaded() const { return loaded_; }
  void SaveSettings();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void EnsureLoaded();
  void Form_Load();
  void Form_Resize();

  HtmlView* txt_;
  bool loaded_ = false;
  DictEntry entry_;  // the entry ShowEntry showed last
};

}  // namespace sahdict::ui
