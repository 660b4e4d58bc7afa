#pragma once
// The lookup window: language pair, word list, search box, suggestion line and the menu.

#include <QMainWindow>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "core/dict/DictStore.h"
#include "core/search/SearchSession.h"

class QAction;
class QComboBox;
class QFrame;
class QListView;
class QPushButton;

namespace sahdict::ui {

class HtmlView;
class SearchBox;
class SuggestLine;
class WordListModel;
class frmWord;
class frmReaderList;
class frmSearch;
class ReaderLists;

// What the lookup window asks of the program around it.
struct DictHooks {
  std::function<void()> reload;      // rebuilds the store from the dictionary files
  std::function<void()> showSplash;  // "Заставка": the splash picture, modal
  std::function<void()> endProgram;  // closing the window or "Выход"
  // Where the history and favourites are kept; empty: the user's data folder.
  std::filesystem::path dataFolder;
};

class frmDict : public QMainWindow {
  Q_OBJECT

 public:
  frmDict(DictStore& store, DictHooks hooks);
  ~frmDict() override;

  // Places the window, sets up the languages, fills the list, selects its
  // first row and shows the window.
  void Form_Load();

  // Fills the source list with every language and chooses the pair used last,
  // or Russian to Sakha.
  void SetDefaultLang();
  // Shows source FromLangNum, rebuilds the target list for it and sets the
  // pair. ToLangNum 0 keeps the selected target when the new source offers it.
  void SetFromLang(int32_t FromLangNum = 0, int32_t ToLangNum = 0);
  // Empties the search box and refills the word list for the current pair.
  void LoadFromDictionaryToList();
  // Rebuilds the dictionary; NeedHide 1 hides the window meanwhile and
  // refills the list afterwards.
  void DictReload(int32_t NeedHide = 0);
  // Opens the article of the selected row (double-click, or Enter in the box);
  // with no row selected it opens nothing. The search box then has the focus
  // with its whole text selected.
  void lstWords_DblClick();

  // The program called with a word: picks `pair` ("" guesses it from the
  // word), types the word into the box, opens what the search finds (the
  // selected row when a word begins with it, otherwise the line's best
  // alternative, if any) and brings the window to the front. An empty word
  // only does the last.
  void LookUpWord(const std::u16string& word, const std::u16string& pair);

  // "Вид" → "Якутские буквы" (on unless turned off): shows Sakha words with
  // real letters in the search box, the list of a Sakha source (then in Sakha
  // alphabetical order), the line, the article page and title and the
  // word-forms window, and remembers the choice (the windows follow the
  // setting's signal). Nothing searched or stored changes.
  void SetSakhaLetters(bool on);

  // The pair whose words the list shows ("RUS-SAH" ...; "" when the source
  // offers no target).
  const std::u16string& CurrentPair() const { return currentPair_; }
  // The article window, created on first use.
  frmWord& ArticleWindow();
  // The history and favourites.
  ReaderLists& Lists() { return *lists_; }
  // "История" (Ctrl+H) and "Избранное" (Ctrl+Shift+D): their list windows.
  frmReaderList& ListWindow(bool favourites);
  // "Поиск по статьям" (Ctrl+Shift+F): its window, created on first use.
  frmSearch& SearchWindow();
  // Remembers the languages and the places and sizes of the open windows for
  // the next start. Runs when the program ends.
  void SaveSettings();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildMenu();
  void PlaceOnScreen();
  // The word list's font: `points`, or the designed size for 0.
  void SetListFontSize(int points);
  // Ctrl+plus / Ctrl+minus: one point larger or smaller, remembered.
  void StepListFont(int step);
  int32_t SelectedRow() const;
  // Selects `row`. A row out of sight is scrolled to the top of the list, so
  // that the words after it show; an arrow key's step just brings it into view.
  enum class Scroll { ToTop, Step };
  void SelectRow(int32_t row, Scroll scroll = Scroll::ToTop);

  void cmbFrom_Click();
  void cmbTo_Click();
  void cmdSwitch_Click();
  void mnuHelpShortcuts_Click();
  // The search box's text, caret and selection.
  TextBox BoxState() const;
  // The window's search for the box `box` in the current pair.
  SearchResult SearchBoxText(const TextBox& box);
  void txtWord_Change();
  void txtWord_KeyDown(int key);

  // The suggestion line (and the box's tint) for the box's text `text`.
  void ShowSuggestion(const std::u16string& text, std::vector<Alternative> alternatives);
  // Follows "Якутские буквы" in the menu's check.
  void SakhaLettersChanged(bool on);
  // Opens the article at `position` within `pair` ("" or the current pair:
  // its row is selected first; another pair: the window switches to it).
  void OpenAlternative(int32_t position, const std::u16string& pair = {});
  // F3: the line's best alternative.
  void OpenBestAlternative();
  // Opens the article of a history or favourites row.
  void OpenListed(const std::u16string& word, const std::u16string& pair);
  // The favourites as flash cards (the favourites window's export).
  std::string FavouritesTsv() const;
  void PrepareSuggestions();
  // The list's order: Sakha alphabetical for a Sakha source while "Якутские
  // буквы" is on, else none (the store's sorted order).
  std::shared_ptr<const RowOrder> ListOrder();

  DictStore& store_;
  DictHooks hooks_;
  std::u16string currentPair_;
  bool InSetFromLang = false;
  SearchSession search_;

  QComboBox* cmbFrom_ = nullptr;
  QFrame* frm_ = nullptr;
  QComboBox* cmbTo_ = nullptr;
  QListView* lstWords_ = nullptr;
  SearchBox* txtWord_ = nullptr;
  QPushButton* cmdSwitch_ = nullptr;
  HtmlView* DHTML_ = nullptr;
  SuggestLine* suggestLine_ = nullptr;
  QAction* mnuViewLetters_ = nullptr;
  WordListModel* words_ = nullptr;
  std::unique_ptr<frmWord> article_;
  std::unique_ptr<ReaderLists> lists_;
  std::unique_ptr<frmReaderList> history_, favourites_;
  std::unique_ptr<frmSearch> searchArticles_;
};

}  // namespace sahdict::ui
