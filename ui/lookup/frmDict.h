#pragma once
// The lookup window: language pair, word list, search box and the menu.

#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/dict/DictStore.h"

class QAction;
class QComboBox;
class QFrame;
class QListView;
class QPushButton;

namespace sahdict::ui {

class HtmlView;
class SearchBox;
class WordListModel;
class frmWord;

// What the lookup window asks of the program around it.
struct DictHooks {
  std::function<void()> reload;      // rebuilds the store from the dictionary files
  std::function<void()> showSplash;  // "Заставка": the splash picture, modal
  std::function<void()> endProgram;  // closing the window or "Выход"
};

class frmDict : public QMainWindow {
  Q_OBJECT

 public:
  frmDict(DictStore& store, DictHooks hooks);
  ~frmDict() override;

  // Places the window, sets up the languages, fills the list, selects its
  // first row and shows the window.
  void Form_Load();

  // Fills the source list with every language and chooses Russian to Sakha.
  void SetDefaultLang();
  // Shows source FromLangNum, rebuilds the target list for it and sets the
  // pair. ToLangNum 0 keeps the selected target when the new source offers it.
  void SetFromLang(int32_t FromLangNum = 0, int32_t ToLangNum = 0);
  // Empties the search box and refills the word list for the current pair.
  void LoadFromDictionaryToList();
  // Rebuilds the dictionary; NeedHide 1 hides the window meanwhile and
  // refills the list afterwards.
  void DictReload(int32_t NeedHide = 0);
  // Opens the article of the selected row (double-click, or Enter in the box).
  void lstWords_DblClick();

  // The pair whose words the list shows ("RUS-SAH" ...; "" when the source
  // offers no target).
  const std::u16string& CurrentPair() const { return currentPair_; }
  // The article window, created on first use.
  frmWord& ArticleWindow();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildMenu();
  void PlaceOnScreen();
  int32_t SelectedRow() const;
  void SelectRow(int32_t row);

  void cmbFrom_Click();
  void cmbTo_Click();
  void cmdSwitch_Click();
  void mnuHelpShortcuts_Click();
  void txtWord_Change();
  void txtWord_KeyDown(int key);

  DictStore& store_;
  DictHooks hooks_;
  std::u16string currentPair_;
  bool InSetFromLang = false;

  QComboBox* cmbFrom_ = nullptr;
  QFrame* frm_ = nullptr;
  QComboBox* cmbTo_ = nullptr;
  QListView* lstWords_ = nullptr;
  SearchBox* txtWord_ = nullptr;
  QPushButton* cmdSwitch_ = nullptr;
  HtmlView* DHTML_ = nullptr;
  WordListModel* words_ = nullptr;
  std::unique_ptr<frmWord> article_;
};

}  // namespace sahdict::ui
