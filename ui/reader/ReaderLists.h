#pragma once
// The reader's lists as the windows use them: the history and the favourites
// of the user's data folder, loaded on first use, a folder that cannot be
// written told once, and the list window that shows either.

#include <QDialog>
#include <functional>
#include <memory>
#include <string>

#include "core/journal/ReaderLists.h"

class QListWidget;
class QPushButton;

namespace sahdict::ui {

// The program's history and favourites.
class ReaderLists {
 public:
  // The lists of `folder` (the user's data folder for the program).
  explicit ReaderLists(const std::filesystem::path& folder);

  LookupHistory& History();
  Favourites& Marked();

  // One more lookup; a history that cannot be written is told once per run.
  void Record(const std::u16string& word, const std::u16string& pair);
  // Marks or unmarks a word; tells when the change could not be kept.
  void ToggleFavourite(const std::u16string& word, const std::u16string& pair);
  // Both journals compacted; runs when the program ends.
  void Compact();

 private:
  void Loaded();
  void Told(bool written);

  LookupHistory history_;
  Favourites favourites_;
  bool loaded_ = false;
  bool told_ = false;
};

// The list window of the history or the favourites: a row per word, newest
// or first marked first. Enter or a double-click opens a row's article;
// favourites can be removed and exported.
class frmReaderList : public QDialog {
  Q_OBJECT

 public:
  enum class Kind { History, Favourites };
  struct Hooks {
    std::function<void(const ListEntry&)> open;  // shows the article of a row's word and pair
    std::function<std::string()> exportTsv;      // the favourites as the export file's bytes
  };
  frmReaderList(Kind kind, ReaderLists& lists, Hooks hooks, QWidget* parent = nullptr);

  // Fills the rows again from the lists.
  void Refill();

 private:
  const std::vector<ListEntry>& Entries() const;
  void OpenRow(int row);
  void RemoveRow(int row);
  void ExportFavourites();

  Kind kind_;
  ReaderLists& lists_;
  Hooks hooks_;
  QListWidget* rows_;
};

}  // namespace sahdict::ui
