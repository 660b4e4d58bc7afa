#include "ui/lookup/WordListModel.h"

#include "core/dict/DictEntry.h"
#include "core/search/SearchText.h"
#include "core/text/mdlSah.h"
#include "ui/common/TextConversion.h"

namespace sahdict::ui {

std::u16string ShownWord(const std::u16string& word, bool sakhaLetters) {
  if (!sakhaLetters) return word;
  std::u16string shown = WordBase(word);
  const size_t headword = shown.size();
  NotationToSakhaLetters(shown);
  return shown + word.substr(headword);
}

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

void WordListModel::SetSakhaLetters(bool on) {
  if (sakhaLetters_ == on) return;
  sakhaLetters_ = on;
  if (rows_ > 0 && PairFrom(pair_) == u"SAH") emit dataChanged(index(0), index(rows_ - 1), {Qt::DisplayRole});
}

bool WordListModel::ShowsSakhaLetters() const { return sakhaLetters_ && PairFrom(pair_) == u"SAH"; }

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
