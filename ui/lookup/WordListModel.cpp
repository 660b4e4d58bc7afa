#include "ui/lookup/WordListModel.h"

#include "core/dict/DictEntry.h"
#include "core/search/SearchText.h"
#include "core/text/mdlSah.h"
#include "ui/common/Settings.h"
#include "ui/common/TextConversion.h"

namespace sahdict::ui {

WordListModel::WordListModel(const DictStore& store, QObject* parent)
    : QAbstractListModel(parent), store_(store), sakhaLetters_(Settings::Instance().SakhaLetters()) {
  connect(&Settings::Instance(), &Settings::SakhaLettersChanged, this, &WordListModel::SetSakhaLetters);
}

void WordListModel::Fill(const std::u16string& pair, std::shared_ptr<const RowOrder> order) {
  beginResetModel();
  pair_ = pair;
  rows_ = pair.empty() ? 0 : store_.GetPairCount(pair);
  order_ = order && static_cast<int32_t>(order->positions.size()) == rows_ ? std::move(order) : nullptr;
  endResetModel();
}

void WordListModel::Clear() {
  beginResetModel();
  pair_.clear();
  rows_ = 0;
  order_.reset();
  endResetModel();
}

void WordListModel::SetSakhaLetters(bool on) {
  if (sakhaLetters_ == on) return;
  sakhaLetters_ = on;
  if (rows_ > 0 && IsSakhaSource(pair_)) emit dataChanged(index(0), index(rows_ - 1), {Qt::DisplayRole});
}

bool WordListModel::ShowsSakhaLetters() const { return sakhaLetters_ && IsSakhaSource(pair_); }

int32_t WordListModel::PositionOfRow(int32_t row) const {
  if (row < 0 || row >= rows_) return 0;
  return order_ ? order_->positions[static_cast<size_t>(row)] : row + 1;
}

int32_t WordListModel::RowOfPosition(int32_t position) const {
  if (position < 1 || position > rows_) return -1;
  return order_ ? order_->rows[static_cast<size_t>(position - 1)] : position - 1;
}

std::u16string WordListModel::RowText(int32_t row) const {
  const int32_t position = PositionOfRow(row);
  return position > 0 ? store_.WordAt(position, pair_).Text() : std::u16string();
}

std::u16string WordListModel::ShownText(int32_t row) const { return ShownWord(RowText(row), ShowsSakhaLetters()); }

int WordListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

QVariant WordListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  return ToQString(ShownText(index.row()));
}

}  // namespace sahdict::ui
