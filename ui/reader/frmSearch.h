#pragma once
// "Поиск по статьям": a word typed in the box finds every article whose text
// holds it in any form; each row shows the headword and the text around the
// hit, and opens the article.

#include <QDialog>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/search/FullText.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace sahdict::ui {

class frmSearch : public QDialog {
  Q_OBJECT

 public:
  // Shows the article of the entry at `position` within `pair`.
  using OpenArticle = std::function<void(const std::u16string& pair, int32_t position)>;
  frmSearch(const DictStore& store, OpenArticle open, QWidget* parent = nullptr);

  // Searches the box's text now (Enter does; typing does after a short pause).
  // Rows found before the dictionary changed are searched again, not opened.
  void Run();

  // The most rows the list shows; the count of all hits is shown above it.
  static constexpr size_t kMaxRows = 1000;

 private:
  void OpenRow(int row);

  const DictStore& store_;
  FullTextIndex index_;
  OpenArticle open_;
  uint64_t searchedStamp_ = 0;  // the store's ChangeStamp when the rows were found
  QLineEdit* box_;
  QLabel* status_;
  QListWidget* rows_;
  QTimer pause_;
  std::vector<FullTextHit> hits_;
  QString searched_;
};

}  // namespace sahdict::ui
