#include "ui/wordforms/frmWordForms.h"

#include <QCloseEvent>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QString>

#include "core/text/mdlSah.h"
#include "ui/article/frmMsg.h"
#include "ui/common/Fonts.h"
#include "ui/common/Menus.h"
#include "ui/common/TextConversion.h"
#include "ui/common/Twips.h"
#include "ui/wordforms/WordFormsView.h"

namespace sahdict::ui {
namespace {

frmWordForms* g_loaded = nullptr;

}  // namespace

frmWordForms::frmWordForms(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("frmWordForms"));
  setWindowTitle(QStringLiteral("Korvane - Sah WordForms Generator"));
  setAttribute(Qt::WA_DeleteOnClose);
  BuildMenus();
  BuildControls();
  // Fixed border: the window keeps the designed client area below its menu bar.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

frmWordForms::~frmWordForms() {
  if (g_loaded == this) g_loaded = nullptr;
}

frmWordForms* frmWordForms::LoadedWindow() { return g_loaded; }

void frmWordForms::BuildMenus() {
  QMenu* mnuFile = AddMenu(menuBar(), "mnuFile", QStringLiteral("Файл"));
  AddItem(mnuFile, "mnuFileExit", QStringLiteral("Выход"), this, &QWidget::close);

  QMenu* mnuHelp = AddMenu(menuBar(), "mnuHelp", QStringLiteral("Помощь"));
  AddItem(mnuHelp, "mnuHelpShortcuts", QStringLiteral("О сокращениях"), this, &frmWordForms::mnuHelpShortcuts_Click);
  AddItem(mnuHelp, "mnuHelpAbout", QStringLiteral("О программе"), this, &frmWordForms::mnuHelpAbout_Click);
}

void frmWordForms::BuildControls() {
  auto* client = new QWidget(this);
  client->setFixedSize(Twips(10155), Twips(3450));
  setCentralWidget(client);

  auto label = [&](QWidget* parent, int index, const char16_t* text, Qt::Alignment align, int left, int top,
                   int width) {
    auto* l = new QLabel(QString::fromUtf16(text), parent);
    l->setObjectName(QStringLiteral("lbl%1").arg(index));
    l->setFont(LabelFont());
    l->setAlignment(align | Qt::AlignVCenter);
    Place(l, {left, top, width, 255});
  };
  auto box = [&](QWidget* parent, int left, int top, int width) {
    auto* t = new QLineEdit(parent);
    t->setFont(TextFont());
    Place(t, {left, top, width, 315});
    return t;
  };
  auto option = [&](QWidget* parent, int index, int left, int top) {
    auto* o = new QRadioButton(parent);
    o->setObjectName(QStringLiteral("optForm%1").arg(index));
    Place(o, {left, top, 255, 255});
    const auto i = static_cast<int16_t>(index);
    connect(o, &QRadioButton::clicked, this, [this, i] { optForm_Click(i); });
    optForms_[static_cast<size_t>(index)] = o;
  };
  auto form = [&](QWidget* parent, int index, int left, int top, int width) {
    QLineEdit* t = box(parent, left, top, width);
    t->setObjectName(QStringLiteral("txtForm%1").arg(index));
    // A click on a form box acts like a click on the option of the same index.
    t->installEventFilter(this);
    if (index == ProcessedFormIndex) {
      txtForm100_ = t;
    } else {
      txtForms_[static_cast<size_t>(index)] = t;
    }
  };

  // Input and processed word.
  label(client, 0, u"Исходная", Qt::AlignRight, -120, 360, 1455);
  txtInput_ = box(client, 1440, 360, 4275);
  txtInput_->setObjectName(QStringLiteral("txtInput"));
  connect(txtInput_, &QLineEdit::textChanged, this, &frmWordForms::txtInput_Change);
  label(client, 1, u"Обработанная", Qt::AlignRight, -120, 720, 1455);
  form(client, ProcessedFormIndex, 1440, 720, 4275);

  // Number: its two options form a group of their own inside the frame.
  frmNum_ = new QGroupBox(client);
  frmNum_->setObjectName(QStringLiteral("frmNum"));
  Place(frmNum_, {1080, 1200, 4695, 735});
  label(frmNum_, 17, u"Единственное число", Qt::AlignHCenter, 360, 120, 2055);
  label(frmNum_, 16, u"Множественное число", Qt::AlignHCenter, 2640, 120, 2055);
  option(frmNum_, 7, 120, 360);
  form(frmNum_, 7, 360, 360, 2000);
  option(frmNum_, 8, 2400, 360);
  form(frmNum_, 8, 2640, 360, 2000);

  // Possessor: persons 1..3 singular on the left, 4..6 plural on the right.
  static const char16_t* const personLabels[] = {u"1ое лицо", u"2ое лицо", u"3е лицо"};
  for (int row = 0; row < 3; ++row) {
    const int top = 2040 + 360 * row;
    label(client, 2 + row, personLabels[row], Qt::AlignRight, -360, top, 1455);
    option(client, 1 + row, 1200, top);
    form(client, 1 + row, 1440, top, 2000);
    option(client, 4 + row, 3480, top);
    form(client, 4 + row, 3720, top, 2000);
  }

  frame_ = new QFrame(client);
  frame_->setObjectName(QStringLiteral("frame"));
  frame_->setFrameShape(QFrame::Box);
  frame_->setFrameShadow(QFrame::Sunken);
  Place(frame_, {5880, 120, 100, 3135});

  // Case column.
  static const char16_t* const caseLabels[] = {u"ким? туох?",         u"кимнэ? туохта?",        u"кимиэххэ? туохха?",
                                               u"кими? тугу?",        u"кимтэн? туохтан?",      u"киминэн? тугунан?",
                                               u"кимниин? туохтуун?", u"кимнээ5ер? туохтаа5ар?"};
  label(client, 7, u"Склонение", Qt::AlignHCenter, 8040, 120, 2055);
  for (int k = 1; k <= 8; ++k) {
    const int top = 480 + 360 * (k - 1);
    label(client, 7 + k, caseLabels[k - 1], Qt::AlignRight, 6000, top, 1995);
    form(client, 8 + k, 8040, top, 2000);
  }
}

QLineEdit* frmWordForms::txtForm(int index) const {
  if (index == ProcessedFormIndex) return txtForm100_;
  return index >= 1 && index <= 16 ? txtForms_[static_cast<size_t>(index)] : nullptr;
}

QRadioButton* frmWordForms::optForm(int index) const {
  return index >= 1 && index <= 8 ? optForms_[static_cast<size_t>(index)] : nullptr;
}

void frmWordForms::Form_Load() {
  g_loaded = this;
  Msg(WordFormsWarningText(), u"", 0);
  // The change event fills every box and selects singular.
  txtInput_->setText(QStringLiteral("ат"));
  show();
}

void frmWordForms::ShowWordForms(int16_t& Index) {
  if (Index == 0) {
    Index = 7;
    SelectOption(7);
    return;
  }
  if (Index < 1 || Index > 8) return;

  CurrentIndex = Index;
  if (Index == 7) CurrentNumber = 1;
  if (Index == 8) CurrentNumber = 2;

  const WordFormsView view = ComputeWordForms(ToU16String(txtInput_->text()), Index, CurrentNumber);
  txtForm100_->setText(ToQString(view.Processed));
  for (int k = 1; k <= 16; ++k)
    txtForms_[static_cast<size_t>(k)]->setText(ToQString(view.Form[static_cast<size_t>(k)]));
  // Choosing a number removes the possessor.
  if (Index == 7 || Index == 8) {
    for (int16_t k = 1; k <= 6; ++k) ClearOption(k);
  }
  for (int k = 1; k <= 8; ++k) SetBold(k, view.Bold[static_cast<size_t>(k)]);

  // Selecting the option from code raises its click, which runs this once
  // more with the same index; that run finds the option selected and ends here.
  SelectOption(Index);
}

void frmWordForms::txtInput_Change() { ShowWordForms(CurrentIndex); }

void frmWordForms::optForm_Click(int16_t Index) { ShowWordForms(Index); }

void frmWordForms::txtForm_Click(int16_t Index) { ShowWordForms(Index); }

void frmWordForms::mnuHelpShortcuts_Click() { Msg(NotationHelpText(), u"", 0); }

void frmWordForms::mnuHelpAbout_Click() { Msg(WordFormsAboutText(), u"О проргамме", 0); }

void frmWordForms::SelectOption(int16_t index) {
  QRadioButton* o = optForm(index);
  if (o == nullptr || o->isChecked()) return;
  o->setChecked(true);
  optForm_Click(index);
}

void frmWordForms::ClearOption(int16_t index) {
  QRadioButton* o = optForm(index);
  if (o == nullptr || !o->isChecked()) return;
  // An auto-exclusive button refuses to be cleared while it is the checked one.
  o->setAutoExclusive(false);
  o->setChecked(false);
  o->setAutoExclusive(true);
}

void frmWordForms::SetBold(int index, bool bold) {
  QLineEdit* t = txtForm(index);
  QFont f = t->font();
  if (f.bold() == bold) return;
  f.setBold(bold);
  t->setFont(f);
}

bool frmWordForms::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    for (int index = 1; index <= 16; ++index) {
      if (watched == txtForms_[static_cast<size_t>(index)]) txtForm_Click(static_cast<int16_t>(index));
    }
    if (watched == txtForm100_) txtForm_Click(ProcessedFormIndex);
  }
  return QMainWindow::eventFilter(watched, event);
}

void frmWordForms::closeEvent(QCloseEvent* event) {
  // Closing unloads the window: a later "Словоформы" opens a fresh one.
  if (g_loaded == this) g_loaded = nullptr;
  QMainWindow::closeEvent(event);
}

}  // namespace sahdict::ui
