#include "ui/lookup/SuggestLine.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <utility>

#include "core/dict/DictEntry.h"
#include "core/dict/LangTable.h"
#include "core/search/SearchText.h"
#include "ui/common/Fonts.h"
#include "ui/common/PageForView.h"
#include "ui/common/Settings.h"
#include "ui/common/TextConversion.h"
#include "ui/common/Twips.h"

namespace sahdict::ui {

using namespace Qt::StringLiterals;

namespace {

// Within the line: the text, and the button that lists every alternative.
constexpr TwipsRect kLabel{30, 0, 3570, 480};
constexpr TwipsRect kButton{3630, 15, 345, 300};

const QColor kDarkLink(0x8A, 0xB4, 0xF8);

QString Quoted(const std::u16string& text) { return u"«"_s + ToQString(text).toHtmlEscaped() + u"»"_s; }

}  // namespace

std::u16string AlternativeNote(const Alternative& a) {
  switch (a.Kind) {
    case SuggestKind::Folded:
      return u"без учёта регистра и ё";
    case SuggestKind::Form:
      if (a.Source == FormSource::Analysis) return u"форма: " + a.Description;
      return u"форма этого слова";
    case SuggestKind::Similar:
      return u"похожее слово";
    case SuggestKind::OtherPair:
      return u"в паре " + LangName(LangNumber(PairFrom(a.Pair))) + u" → " + LangName(LangNumber(PairTo(a.Pair)));
    case SuggestKind::Exact:
      break;
  }
  return {};
}

SuggestLine::SuggestLine(QWidget* parent) : QWidget(parent) {
  lblSuggest_ = new QLabel(this);
  lblSuggest_->setObjectName(QStringLiteral("lblSuggest"));
  lblSuggest_->setFont(TextFont());
  lblSuggest_->setWordWrap(true);
  lblSuggest_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblSuggest_->setTextFormat(Qt::RichText);
  lblSuggest_->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  lblSuggest_->setFocusPolicy(Qt::NoFocus);
  lblSuggest_->setToolTip(QStringLiteral("F3 открывает первое из предложенных слов, Alt+↓ — список всех"));

  menu_ = new QMenu(this);
  menu_->setObjectName(QStringLiteral("mnuSuggest"));
  cmdSuggest_ = new QToolButton(this);
  cmdSuggest_->setObjectName(QStringLiteral("cmdSuggest"));
  cmdSuggest_->setText(QStringLiteral("▾"));
  cmdSuggest_->setToolTip(QStringLiteral("Все предложенные слова"));
  cmdSuggest_->setFocusPolicy(Qt::NoFocus);
  cmdSuggest_->setPopupMode(QToolButton::InstantPopup);
  cmdSuggest_->setMenu(menu_);
  cmdSuggest_->hide();
  cmdSuggest_->setFixedSize(Twips(kButton.width), Twips(kButton.height));

  // The text takes the line's width, however wide the window grows; the button stays at its right end.
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(Twips(kLabel.left), Twips(kButton.top), 0, 0);
  row->setSpacing(Twips(kButton.left - kLabel.left - kLabel.width));
  row->addWidget(lblSuggest_, 1, Qt::AlignTop);
  row->addWidget(cmdSuggest_, 0, Qt::AlignTop);

  connect(menu_, &QMenu::aboutToShow, this, &SuggestLine::FillMenu);
  connect(&Settings::Instance(), &Settings::SakhaLettersChanged, this, &SuggestLine::Render);
  connect(lblSuggest_, &QLabel::linkActivated, this, [this](const QString& link) { Choose(link.toInt()); });
}

void SuggestLine::Show(const std::u16string& typed, std::vector<Alternative> alternatives, bool sakhaSource) {
  // A word that begins with the text is the list's own place: only the forms
  // that may follow it are offered.
  const bool exact = !alternatives.empty() && alternatives.front().Kind == SuggestKind::Exact;
  if (exact) alternatives.erase(alternatives.begin());
  if (typed.empty()) alternatives.clear();
  exact_ = exact;
  noWord_ = !typed.empty() && !exact && alternatives.empty();
  typed_ = typed;
  alternatives_ = std::move(alternatives);
  sakhaSource_ = sakhaSource;
  Render();
}

void SuggestLine::Render() {
  QString text;
  if (noWord_) {
    text = u"В словаре нет слова "_s + Quoted(Shown(typed_, sakhaSource_));
  } else if (!alternatives_.empty()) {
    const Alternative& best = alternatives_.front();
    text = (exact_ ? QString() : u"Нет слова "_s + Quoted(Shown(typed_, sakhaSource_)) + u". "_s) + u"Может быть: <a href=\"0\">"_s +
           ToQString(Shown(best)).toHtmlEscaped() + u"</a> ("_s + ToQString(AlternativeNote(best)).toHtmlEscaped() +
           u")"_s;
  }
  // A dark theme's link colour is often a dark blue: the line keeps a light one there.
  if (IsDarkPalette(QGuiApplication::palette())) {
    QPalette palette = lblSuggest_->palette();
    palette.setColor(QPalette::Link, kDarkLink);
    lblSuggest_->setPalette(palette);
  }
  lblSuggest_->setText(text);
  cmdSuggest_->setVisible(alternatives_.size() > 1);
}

void SuggestLine::OpenMenu() {
  if (alternatives_.empty()) return;
  QWidget* under = cmdSuggest_->isVisible() ? static_cast<QWidget*>(cmdSuggest_) : lblSuggest_;
  menu_->popup(under->mapToGlobal(QPoint(0, under->height())));
}

std::u16string SuggestLine::Shown(const std::u16string& word, bool sakha) const {
  return ShownWord(word, sakha && Settings::Instance().SakhaLetters());
}

std::u16string SuggestLine::Shown(const Alternative& a) const {
  return Shown(a.Word, a.Pair.empty() ? sakhaSource_ : IsSakhaSource(a.Pair));
}

void SuggestLine::FillMenu() {
  menu_->clear();
  for (size_t i = 0; i < alternatives_.size(); ++i) {
    const Alternative& a = alternatives_[i];
    QAction* item = menu_->addAction(ToQString(Shown(a) + u" — " + AlternativeNote(a)));
    connect(item, &QAction::triggered, this, [this, i] { Choose(static_cast<int32_t>(i)); });
  }
}

void SuggestLine::Choose(int32_t index) {
  if (index < 0 || index >= static_cast<int32_t>(alternatives_.size())) return;
  const Alternative& a = alternatives_[static_cast<size_t>(index)];
  emit AlternativeChosen(a.Position, ToQString(a.Pair));
}

}  // namespace sahdict::ui
