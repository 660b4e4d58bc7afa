#include "ui/lookup/WordListModel.h"

#include "ui/common/TextConversion.h"

namespace sahdict::ui {

WordListModel::WordListModel(const DictStore& store, QObject* parent) : QAbstractListModel(parent), store_(store) {}

void WordListModel::Fill(const std::u16string& pair) {
  beginResetModel();
  pair_ = pair;
  rows_ = pair.empty() ? 0 : store_.GetPairCount(pair);
  endResetModel();
}

void WordListModel::Clear() {
  beginResetModel();
  pair_.clear();
  rows_ = 0;
  endResetModel();
}

std::u16string WordListModel::RowText(int32_t row) const {
  if (row < 0 || row >= rows_) return {};
  return store_.GetEntry(row + 1, pair_).Word;
}

int WordListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

QVariant WordListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  return ToQString(RowText(index.row()));
}

}  // namespace sahdict::ui
