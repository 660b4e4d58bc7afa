#include "ui/reader/ReaderLists.h"

#include <QDateTime>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <QSaveFile>

#include "core/dict/DictEntry.h"
#include "core/dict/LangTable.h"
#include "core/search/SearchText.h"
#include "ui/common/Settings.h"
#include "ui/common/TextConversion.h"
#include "ui/common/frmMsg.h"

namespace sahdict::ui {
namespace {

int64_t Now() { return QDateTime::currentSecsSinceEpoch(); }

QString PairName(const std::u16string& pair) {
  return ToQString(LangName(LangNumber(PairFrom(pair))) + u" → " + LangName(LangNumber(PairTo(pair))));
}

}  // namespace

ReaderLists::ReaderLists(const std::filesystem::path& folder) : history_(folder), favourites_(folder) {}

void ReaderLists::Loaded() {
  if (loaded_) return;
  loaded_ = true;
  const bool setAside = history_.Load().setAside | favourites_.Load().setAside;
  if (setAside) {
    Msg(u"Часть истории или избранного не удалось прочитать; она сохранена рядом в файле с расширением .bad.", u"",
        0);
  }
}

LookupHistory& ReaderLists::History() {
  Loaded();
  return history_;
}

Favourites& ReaderLists::Marked() {
  Loaded();
  return favourites_;
}

void ReaderLists::Told(bool written) {
  if (written || told_) return;
  told_ = true;
  Msg(u"Историю и избранное не удаётся сохранить: папка данных программы недоступна для записи.", u"", 0);
}

void ReaderLists::Record(const std::u16string& word, const std::u16string& pair) {
  Told(History().Record(word, pair, Now()));
}

void ReaderLists::ToggleFavourite(const std::u16string& word, const std::u16string& pair) {
  Favourites& marked = Marked();
  Told(marked.Contains(word, pair) ? marked.Remove(word, pair) : marked.Add(word, pair, Now()));
}

void ReaderLists::Compact() {
  if (!loaded_) return;
  history_.Compact();
  favourites_.Compact();
}

frmReaderList::frmReaderList(Kind kind, ReaderLists& lists, Hooks hooks, QWidget* parent)
    : QDialog(parent), kind_(kind), lists_(lists), hooks_(std::move(hooks)) {
  const bool history = kind_ == Kind::History;
  setObjectName(history ? QStringLiteral("frmHistory") : QStringLiteral("frmFavourites"));
  setWindowTitle(history ? QStringLiteral("История") : QStringLiteral("Избранное"));
  rows_ = new QListWidget(this);
  rows_->setObjectName(QStringLiteral("lstRows"));
  auto* buttons = new QHBoxLayout;
  const auto button = [&](const char* name, const QString& caption, auto handler) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, handler);
    buttons->addWidget(b);
    return b;
  };
  button("cmdOpen", QStringLiteral("Открыть"), [this] { OpenRow(rows_->currentRow()); });
  if (history) {
    button("cmdClear", QStringLiteral("Очистить историю"), [this] {
      lists_.History().Clear();
      Refill();
    });
  } else {
    button("cmdRemove", QStringLiteral("Удалить"), [this] { RemoveRow(rows_->currentRow()); });
    button("cmdExport", QStringLiteral("Экспорт…"), [this] { ExportFavourites(); });
  }
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(rows_);
  layout->addLayout(buttons);
  connect(rows_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { OpenRow(rows_->row(item)); });
  connect(new QShortcut(QKeySequence::Delete, rows_), &QShortcut::activated, this,
          [this] { if (kind_ == Kind::Favourites) RemoveRow(rows_->currentRow()); });
  resize(520, 420);
  Refill();
}

const std::vector<ListEntry>& frmReaderList::Entries() const {
  return kind_ == Kind::History ? lists_.History().Entries() : lists_.Marked().Entries();
}

void frmReaderList::Refill() {
  rows_->clear();
  const bool letters = Settings::Instance().SakhaLetters();
  for (const ListEntry& e : Entries()) {
    QString text = ToQString(ShownWord(e.word, letters && IsSakhaSource(e.pair))) + QStringLiteral(" — ") + PairName(e.pair);
    if (kind_ == Kind::History) {
      text += QStringLiteral(" — ×%1, %2").arg(e.count).arg(
          QDateTime::fromSecsSinceEpoch(e.time).toString(QStringLiteral("dd.MM.yy HH:mm")));
    }
    rows_->addItem(text);
  }
  if (rows_->count() > 0) rows_->setCurrentRow(0);
}

void frmReaderList::OpenRow(int row) {
  if (row < 0 || row >= static_cast<int>(Entries().size()) || !hooks_.open) return;
  // The row's entry is copied: opening it records a lookup, which reorders the history.
  const ListEntry entry = Entries()[static_cast<size_t>(row)];
  hooks_.open(entry);
  Refill();
}

void frmReaderList::RemoveRow(int row) {
  if (row < 0 || row >= static_cast<int>(Entries().size())) return;
  const ListEntry entry = Entries()[static_cast<size_t>(row)];
  lists_.ToggleFavourite(entry.word, entry.pair);
  Refill();
  rows_->setCurrentRow(std::min(row, rows_->count() - 1));
}

void frmReaderList::ExportFavourites() {
  if (!hooks_.exportTsv) return;
  const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Экспорт избранного"),
                                                    QStringLiteral("избранное.tsv"),
                                                    QStringLiteral("Таблица (*.tsv *.txt)"));
  if (path.isEmpty()) return;
  QSaveFile file(path);
  const std::string bytes = hooks_.exportTsv();
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), static_cast<qint64>(bytes.size())) < 0 ||
      !file.commit()) {
    Msg(u"Не удалось записать файл " + ToU16String(path) + u".", u"", 0);
  }
}

}  // namespace sahdict::ui
