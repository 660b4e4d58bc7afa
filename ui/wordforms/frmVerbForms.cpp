#include "ui/wordforms/frmVerbForms.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>
#include <string_view>
#include <vector>

#include "core/morph/SakhaMorphology.h"
#include "core/text/mdlSah.h"
#include "generated/ProgramIdentity.h"
#include "ui/common/Fonts.h"
#include "ui/common/Menus.h"
#include "ui/common/ScreenPlace.h"
#include "ui/common/Settings.h"
#include "ui/common/TextConversion.h"
#include "ui/common/Twips.h"
#include "ui/common/TypedInput.h"
#include "ui/common/frmMsg.h"

namespace sahdict::ui {
namespace {

frmVerbForms* g_loaded = nullptr;

// The designed client area, in twips.
constexpr int kClientWidth = 7200, kClientHeight = 9000;

// One line of the table: a heading (no features) or a form's caption with the
// model's features of its affirmative and negative forms ("" for none), and
// the pronoun (notation) that goes with a person.
struct Line {
  std::u16string caption, affirmative, negative;
  std::u16string pronoun = {};  // none for the headings and the imperative
};

// The persons as the model names them, with the pronoun (notation) that goes with each.
constexpr std::array<std::u16string_view, 6> kPersons = {u"1 л. ед. ч.", u"2 л. ед. ч.", u"3 л. ед. ч.",
                                                         u"1 л. мн. ч.", u"2 л. мн. ч.", u"3 л. мн. ч."};
constexpr std::array<std::u16string_view, 6> kPronouns = {u"мин", u"эн", u"кини", u"биhиги", u"эhиги", u"кинилэр"};

const std::vector<Line>& Lines() {
  static const std::vector<Line> lines = [] {
    std::vector<Line> out;
    // The finite tenses: heading, model's tense name, whether it has a negative.
    struct Tense {
      const char16_t* heading;
      const char16_t* name;
      bool negative;
    };
    static constexpr Tense kTenses[] = {
        {u"Настоящее-будущее время", u"наст. вр.", true},
        {u"Недавнее прошедшее время", u"прош. вр.", true},
        {u"Перфект", u"перф.", true},
        {u"Давнопрошедшее время", u"давнопрош. вр.", true},
        {u"Будущее время", u"буд. вр.", false},
        {u"Прошедшее обычное", u"обычн. прош. вр.", false},
    };
    for (const Tense& t : kTenses) {
      out.push_back({t.heading, u"", u""});
      for (size_t p = 0; p < kPersons.size(); ++p) {
        const std::u16string features = std::u16string(t.name) + u", " + std::u16string(kPersons[p]);
        out.push_back({std::u16string(kPersons[p]), features, t.negative ? u"отр., " + features : std::u16string(),
                       std::u16string(kPronouns[p])});
      }
    }
    out.push_back({u"Повелительное наклонение", u"", u""});
    out.push_back({u"2 л. ед. ч.", u"повел. накл., 2 л. ед. ч.", u"отр. повел. накл., 2 л. ед. ч."});
    out.push_back({u"2 л. мн. ч.", u"повел. накл., 2 л. мн. ч.", u"отр. повел. накл., 2 л. мн. ч."});
    out.push_back({u"3 л. ед. ч.", u"повел. накл., 3 л. ед. ч.", u"отр., повел. накл., 3 л. ед. ч."});
    out.push_back({u"3 л. мн. ч.", u"повел. накл., 3 л. мн. ч.", u""});
    out.push_back({u"1 л. мн. ч.", u"повел. накл., 1 л. мн. ч.", u""});
    out.push_back({u"Причастия", u"", u""});
    out.push_back({u"настоящего времени", u"прич. наст. вр.", u"отр., прич. наст. вр."});
    out.push_back({u"прошедшего времени", u"прич. прош. вр.", u"отр., прич. прош. вр."});
    out.push_back({u"будущего времени", u"прич. буд. вр.", u"прич. буд. вр., отр."});
    out.push_back({u"Деепричастия", u"", u""});
    out.push_back({u"на -ан", u"деепр. (-ан)", u"деепр. отр. (-ымына)"});
    out.push_back({u"на -а", u"деепр. (-а)", u"отр., деепр. (-бакка)"});
    out.push_back({u"цели на -аары", u"деепр. цели (-аары)", u""});
    out.push_back({u"на -бычча", u"деепр. (-бычча)", u""});
    return out;
  }();
  return lines;
}

}  // namespace

frmVerbForms::frmVerbForms(const DictStore& store, QWidget* parent)
    : QMainWindow(parent), morphology_(std::make_unique<morph::SakhaMorphology>(store)) {
  setObjectName(QStringLiteral("frmVerbForms"));
  setWindowTitle(ToQString(kMakerName) + QStringLiteral(" - Формы глагола"));
  setAttribute(Qt::WA_DeleteOnClose);

  QMenu* mnuFile = AddMenu(menuBar(), "mnuFile", QStringLiteral("&Файл"));
  AddItem(mnuFile, "mnuFileExit", QStringLiteral("&Выход"), this, &QWidget::close);
  QMenu* mnuHelp = AddMenu(menuBar(), "mnuHelp", QStringLiteral("&Помощь"));
  AddItem(mnuHelp, "mnuHelpShortcuts", QStringLiteral("&О сокращениях"), this, [] { ShowNotationHelp(); });

  auto* client = new QWidget(this);
  auto* column = new QVBoxLayout(client);
  auto* top = new QHBoxLayout;
  auto* label = new QLabel(QStringLiteral("Глагол"), client);
  label->setFont(LabelFont());
  txtInput_ = new QLineEdit(client);
  txtInput_->setObjectName(QStringLiteral("txtInput"));
  txtInput_->setFont(TextFont());
  label->setBuddy(txtInput_);
  top->addWidget(label);
  top->addWidget(txtInput_, 1);
  column->addLayout(top);

  grdForms_ = new QTableWidget(static_cast<int>(Lines().size()), 3, client);
  grdForms_->setObjectName(QStringLiteral("grdForms"));
  grdForms_->setFont(TextFont());
  grdForms_->setHorizontalHeaderLabels(
      {QStringLiteral("Форма"), QStringLiteral("Утвердительная"), QStringLiteral("Отрицательная")});
  grdForms_->verticalHeader()->hide();
  // Rows as high as their text, so that a tense's six persons fit together.
  grdForms_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  grdForms_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grdForms_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  for (int row = 0; row < grdForms_->rowCount(); ++row) {
    const Line& line = Lines()[static_cast<size_t>(row)];
    auto* item = new QTableWidgetItem(ToQString(line.caption));
    if (line.affirmative.empty()) {
      QFont bold = grdForms_->font();
      bold.setBold(true);
      item->setFont(bold);
      grdForms_->setSpan(row, 0, 1, 3);
    }
    grdForms_->setItem(row, 0, item);
  }
  column->addWidget(grdForms_, 1);
  setCentralWidget(client);

  sakhaLetters_ = Settings::Instance().SakhaLetters();
  connect(&Settings::Instance(), &Settings::SakhaLettersChanged, this, &frmVerbForms::SetSakhaLetters);
  connect(txtInput_, &QLineEdit::textChanged, this, &frmVerbForms::txtInput_Change);
  const QSize remembered = Settings::Instance().VerbFormsSize();
  resize(remembered.isValid() ? remembered : QSize(Twips(kClientWidth), Twips(kClientHeight)));
}

frmVerbForms::~frmVerbForms() {
  if (g_loaded == this) g_loaded = nullptr;
}

frmVerbForms* frmVerbForms::LoadedWindow() { return g_loaded; }

void frmVerbForms::Form_Load() {
  g_loaded = this;
  txtInput_->setText(QStringLiteral("бар"));
  if (const std::optional<QPoint> place = Settings::Instance().VerbFormsPosition(frameGeometry().size()))
    move(*place);
  show();
  KeepOnScreen(this);
}

void frmVerbForms::SaveSettings() { Settings::Instance().SetVerbForms(pos(), size()); }

void frmVerbForms::txtInput_Change() {
  // Without "Якутские буквы", real Sakha letters and capitals typed become the notation.
  if (!sakhaLetters_) MapTypedSakhaLetters(txtInput_);
  ShowForms();
}

void frmVerbForms::SetSakhaLetters(bool on) {
  if (sakhaLetters_ == on) return;
  sakhaLetters_ = on;
  ShowForms();
}

void frmVerbForms::ShowForms() {
  std::u16string typed = ToU16String(txtInput_->text());
  // The first word is the verb; the model reads notation and real letters alike.
  typed = typed.substr(0, typed.find(u' '));
  const auto shown = [this](std::u16string text) {
    if (sakhaLetters_) NotationToSakhaLetters(text);
    return ToQString(text);
  };
  for (int row = 0; row < grdForms_->rowCount(); ++row) {
    const Line& line = Lines()[static_cast<size_t>(row)];
    if (line.affirmative.empty()) continue;
    // The pronouns are Sakha words, shown as the forms are.
    if (!line.pronoun.empty())
      grdForms_->item(row, 0)->setText(ToQString(line.caption) + QStringLiteral(" (") + shown(line.pronoun) +
                                       QStringLiteral(")"));
    for (int col = 1; col <= 2; ++col) {
      const std::u16string& features = col == 1 ? line.affirmative : line.negative;
      const std::u16string form =
          typed.empty() || features.empty() ? std::u16string() : morphology_->Generate(typed, features);
      auto* item = grdForms_->item(row, col);
      if (item == nullptr) grdForms_->setItem(row, col, item = new QTableWidgetItem);
      item->setText(shown(form));
      item->setToolTip(ToQString(features));
    }
  }
}

void frmVerbForms::closeEvent(QCloseEvent* event) {
  if (g_loaded == this) {
    SaveSettings();
    g_loaded = nullptr;
  }
  QMainWindow::closeEvent(event);
}

}  // namespace sahdict::ui
