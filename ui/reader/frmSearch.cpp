#include "ui/reader/frmSearch.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "core/dict/DictEntry.h"
#include "core/dict/DictStore.h"
#include "core/search/SearchText.h"
#include "ui/common/Settings.h"
#include "ui/common/TextConversion.h"

namespace sahdict::ui {

frmSearch::frmSearch(const DictStore& store, OpenArticle open, QWidget* parent)
    : QDialog(parent), store_(store), index_(store), open_(std::move(open)) {
  setObjectName(QStringLiteral("frmSearch"));
  setWindowTitle(QStringLiteral("Поиск по статьям"));
  setModal(false);
  box_ = new QLineEdit(this);
  box_->setObjectName(QStringLiteral("txtFind"));
  box_->setPlaceholderText(QStringLiteral("Слово в любой форме, русское или якутское"));
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("lblFound"));
  rows_ = new QListWidget(this);
  rows_->setObjectName(QStringLiteral("lstFound"));
  rows_->setUniformItemSizes(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box_);
  layout->addWidget(status_);
  layout->addWidget(rows_);
  // The index answers in milliseconds, so typing searches after a short
  // pause and Enter at once, both on the window's own thread.
  pause_.setSingleShot(true);
  pause_.setInterval(250);
  connect(&pause_, &QTimer::timeout, this, &frmSearch::Run);
  connect(box_, &QLineEdit::textEdited, this, [this] { pause_.start(); });
  connect(box_, &QLineEdit::returnPressed, this, &frmSearch::Run);
  connect(rows_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { OpenRow(rows_->row(item)); });
  resize(560, 460);
}

void frmSearch::Run() {
  pause_.stop();
  const QString text = box_->text().trimmed();
  if (text == searched_ && searchedStamp_ == store_.ChangeStamp()) return;
  searched_ = text;
  searchedStamp_ = store_.ChangeStamp();
  const bool letters = Settings::Instance().SakhaLetters();
  hits_ = index_.Search(text.toStdU16String(), 0, letters);
  rows_->clear();
  for (size_t i = 0; i < hits_.size() && i < kMaxRows; ++i) {
    const FullTextHit& h = hits_[i];
    rows_->addItem(ToQString(ShownWord(h.Word, letters && IsSakhaSource(h.Pair))) + QStringLiteral(" — ") +
                   ToQString(h.Snippet));
  }
  if (text.isEmpty())
    status_->clear();
  else if (hits_.empty())
    status_->setText(QStringLiteral("Ни одна статья не содержит этого слова."));
  else if (hits_.size() > kMaxRows)
    status_->setText(QStringLiteral("Статей: %1, показаны первые %2.").arg(hits_.size()).arg(kMaxRows));
  else
    status_->setText(QStringLiteral("Статей: %1.").arg(hits_.size()));
  if (rows_->count() > 0) rows_->setCurrentRow(0);
}

void frmSearch::OpenRow(int row) {
  if (searchedStamp_ != store_.ChangeStamp()) return Run();  // the positions may name other entries now
  if (row < 0 || static_cast<size_t>(row) >= hits_.size() || !open_) return;
  open_(hits_[row].Pair, hits_[row].Position);
}

}  // namespace sahdict::ui
