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

void WordListModel::SetSakhaLetters(bool on) {
  if (sakhaLetters_ == on) return;
  sakhaLetters_ = on;
  if (rows_ > 0 && IsSakhaSource(pair_)) emit dataChanged(index(0), index(rows_ - 1), {Qt::DisplayRole});
}

bool WordListModel::ShowsSakhaLetters() const { return sakhaLetters_ && IsSakhaSource(pair_); }

std::u16string WordListModel::RowText(int32_t row) const {
  if (row < 0 || row >= rows_) return {};
  return store_.WordAt(row + 1, pair_).Text();
}

std::u16string WordListModel::ShownText(int32_t row) const { return ShownWord(RowText(row), ShowsSakhaLetters()); }

int WordListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

QVariant WordListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  return ToQString(ShownText(index.row()));
}

}  // namespace sahdict::ui
