#include "ui/reader/frmReadText.h"

#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "core/dict/DictEntry.h"
#include "core/search/SearchText.h"
#include "ui/common/Settings.h"
#include "ui/common/TextConversion.h"
#include "ui/common/frmMsg.h"

namespace sahdict::ui {

namespace {

const QString kLinkScheme = QStringLiteral("g");

}  // namespace

frmReadText::frmReadText(const DictStore& store, OpenArticle open, QWidget* parent)
    : QWidget(parent, Qt::Window), open_(std::move(open)), glosser_(store) {
  setObjectName(QStringLiteral("frmReadText"));
  setWindowTitle(QStringLiteral("Чтение текста"));
  auto* paste = new QPushButton(QStringLiteral("&Вставить"), this);
  paste->setObjectName(QStringLiteral("cmdPaste"));
  auto* openFile = new QPushButton(QStringLiteral("&Открыть…"), this);
  openFile->setObjectName(QStringLiteral("cmdOpen"));
  lblProgress_ = new QLabel(this);
  lblProgress_->setObjectName(QStringLiteral("lblProgress"));
  txt_ = new QTextBrowser(this);
  txt_->setObjectName(QStringLiteral("txtText"));
  txt_->setOpenLinks(false);
  txt_->document()->setUndoRedoEnabled(false);
  txt_->setPlaceholderText(QStringLiteral("Вставьте текст (Ctrl+V) или откройте файл в UTF-8"));
  lblGloss_ = new QLabel(this);
  lblGloss_->setObjectName(QStringLiteral("lblGloss"));
  lblGloss_->setTextFormat(Qt::PlainText);
  lblGloss_->setMinimumHeight(lblGloss_->fontMetrics().height() * 2);
  lblGloss_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(paste);
  buttons->addWidget(openFile);
  buttons->addWidget(lblProgress_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(txt_, 1);
  layout->addWidget(lblGloss_);
  resize(640, 480);

  connect(paste, &QPushButton::clicked, this, &frmReadText::Paste);
  connect(openFile, &QPushButton::clicked, this, &frmReadText::OpenFile);
  connect(new QShortcut(QKeySequence::Paste, this), &QShortcut::activated, this, &frmReadText::Paste);
  connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, this, &frmReadText::OpenFile);
  connect(txt_, &QTextBrowser::anchorClicked, this, &frmReadText::Clicked);
  connect(txt_, qOverload<const QUrl&>(&QTextBrowser::highlighted), this, &frmReadText::Hovered);
  sakhaLetters_ = Settings::Instance().SakhaLetters();
  connect(&Settings::Instance(), &Settings::SakhaLettersChanged, this, &frmReadText::SetSakhaLetters);
}

frmReadText::~frmReadText() = default;

frmReadText& frmReadText::Open(const DictStore& store, OpenArticle open, QWidget* parent) {
  static QPointer<frmReadText> window;
  if (!window) window = new frmReadText(store, std::move(open), parent);
  window->show();
  window->raise();
  window->activateWindow();
  return *window;
}

void frmReadText::SetText(const QString& text) {
  QString plain = text;
  plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  text_ = ToU16String(plain);
  Restart();
}

void frmReadText::Restart() {
  ++run_;
  txt_->clear();
  lblGloss_->clear();
  done_ = 0;
  words_ = 0;
  unknown_ = 0;
  glossing_ = true;
  GlossStep();
}

void frmReadText::GlossStep() {
  size_t from = done_;
  const std::vector<TextWord> words = SplitWords(text_, from, kWordsPerStep, WordChars::Notation);
  QTextCursor cursor(txt_->document());
  cursor.movePosition(QTextCursor::End);
  cursor.beginEditBlock();
  size_t at = done_;
  auto insertPlain = [&](size_t end) {
    if (end > at) cursor.insertText(QString::fromUtf16(text_.data() + at, static_cast<qsizetype>(end - at)), plain_);
  };
  for (const TextWord& w : words) {
    std::u16string word = text_.substr(w.Offset, w.Length);
    // A closing quote after "н" is no notation: the word is tried without it.
    if (word.back() == u'\'' && !glosser_.Of(word).Known()) word.pop_back();
    insertPlain(w.Offset);
    const QTextCharFormat& format = FormatOf(word);
    cursor.insertText(ToQString(word), format);
    ++words_;
    if (!format.isAnchor()) ++unknown_;
    at = w.Offset + word.size();
  }
  insertPlain(from);
  cursor.endEditBlock();
  done_ = from;
  if (done_ < text_.size()) {
    lblProgress_->setText(QStringLiteral("Разбор текста: %1 %").arg(done_ * 100 / text_.size()));
    QTimer::singleShot(0, this, [this, run = run_] {
      if (run == run_) GlossStep();
    });
    return;
  }
  glossing_ = false;
  lblProgress_->setText(QStringLiteral("Слов: %1, без разбора: %2").arg(words_).arg(unknown_));
  emit Glossed();
}

const QTextCharFormat& frmReadText::FormatOf(const std::u16string& word) {
  auto it = formats_.find(word);
  if (it != formats_.end()) return it->second;
  const GlossLine& g = glosser_.Of(word);
  QTextCharFormat format;
  if (g.Known()) {
    format.setAnchor(true);
    format.setAnchorHref(kLinkScheme + QLatin1Char(':') + QString::number(shown_.size()));
    format.setToolTip(GlossText(word, g));
    shown_.push_back({word, &g});
  } else {
    format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    format.setUnderlineColor(Qt::red);
    format.setToolTip(QStringLiteral("Нет в словаре"));
  }
  return formats_.emplace(word, std::move(format)).first->second;
}

QString frmReadText::GlossText(const std::u16string& word, const GlossLine& g) const {
  // The Sakha side follows "Якутские буквы": the lemma of a Sakha word, the translation of a Russian one.
  const bool sakha = PairFrom(g.Pair) == u"SAH";
  const std::u16string lemma = ShownWord(g.Lemma, sakhaLetters_ && sakha);
  const std::u16string translation = ShownWord(g.Translation, sakhaLetters_ && !sakha);
  QString text = ToQString(word) + QStringLiteral(": ") + ToQString(lemma);
  if (!translation.empty()) text += QStringLiteral(" — ") + ToQString(translation);
  if (!g.Description.empty()) text += QStringLiteral("\n") + ToQString(g.Description);
  return text;
}

const frmReadText::Shown* frmReadText::LinkTarget(const QUrl& link) const {
  if (link.scheme() != kLinkScheme) return nullptr;
  bool ok = false;
  const qulonglong index = link.path().toULongLong(&ok);
  return ok && index < shown_.size() ? &shown_[index] : nullptr;
}

void frmReadText::Hovered(const QUrl& link) {
  if (const Shown* s = LinkTarget(link)) lblGloss_->setText(GlossText(s->word, *s->gloss));
}

void frmReadText::Clicked(const QUrl& link) {
  const Shown* s = LinkTarget(link);
  if (s != nullptr && open_) open_(s->gloss->Lemma, s->gloss->Pair, s->gloss->Position);
}

void frmReadText::Paste() {
  const QString text = QGuiApplication::clipboard()->text();
  if (!text.isEmpty()) SetText(text);
}

void frmReadText::OpenFile() {
  const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Открыть текст"), {},
                                                    QStringLiteral("Текст (*.txt);;Все файлы (*)"));
  if (path.isEmpty()) return;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    Msg(u"Не удалось прочитать файл " + ToU16String(path), u"Чтение текста", 0);
    return;
  }
  QStringDecoder decode(QStringConverter::Utf8);
  const QString text = decode(file.readAll());
  if (decode.hasError()) {
    Msg(u"Файл " + ToU16String(path) + u" не в кодировке UTF-8", u"Чтение текста", 0);
    return;
  }
  SetText(text);
}

void frmReadText::SetSakhaLetters(bool on) {
  if (on == sakhaLetters_) return;
  sakhaLetters_ = on;
  // The tooltips are made once per spelling: make them again.
  formats_.clear();
  shown_.clear();
  Restart();
}

}  // namespace sahdict::ui
