#pragma once
// The rows of the word list: the Word of each entry of one language pair, read
// from the store on demand (no copy of the words is kept).

#include <QAbstractListModel>
#include <cstdint>
#include <memory>
#include <string>

#include "core/dict/DictStore.h"
#include "core/search/ListOrder.h"

namespace sahdict::ui {

class WordListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  explicit WordListModel(const DictStore& store, QObject* parent = nullptr);

  // Shows the entries of `pair` in sorted order, or in `order` when one is
  // given (a permutation of the pair's rows); "" shows no rows.
  void Fill(const std::u16string& pair, std::shared_ptr<const RowOrder> order = nullptr);
  // Shows no rows and stops reading the store (while it is being rebuilt).
  void Clear();
  // True when the rows are Sakha words shown with real letters.
  bool ShowsSakhaLetters() const;

  // The 1-based position within the pair of the entry `row` shows; 0 for a row the list does not have.
  int32_t PositionOfRow(int32_t row) const;
  // The row that shows the entry at `position` within the pair; -1 when none does.
  int32_t RowOfPosition(int32_t position) const;

  // The Word of `row`, or "" for a row the list does not have.
  std::u16string RowText(int32_t row) const;
  // The text `row` shows (RowText, in real letters while ShowsSakhaLetters).
  std::u16string ShownText(int32_t row) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  // Shows the words of a Sakha source with real letters, or in the notation,
  // as "Якутские буквы" says; the texts change here, the order with the
  // lookup window's next Fill.
  void SetSakhaLetters(bool on);

  const DictStore& store_;
  std::u16string pair_;
  int32_t rows_ = 0;
  std::shared_ptr<const RowOrder> order_;
  bool sakhaLetters_ = false;
};

}  // namespace sahdict::ui
