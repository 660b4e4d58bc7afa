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
#include <QScrollArea>
#include <QString>
#include <QStyle>
#include <string>

#include "generated/ProgramIdentity.h"
#include "core/grammar/WordFormTable.h"
#include "core/morph/SakhaMorphology.h"
#include "core/text/mdlSah.h"
#include "ui/common/frmMsg.h"
#include "ui/common/Fonts.h"
#include "ui/common/Menus.h"
#include "ui/common/ScreenPlace.h"
#include "ui/common/Settings.h"
#include "ui/common/TextConversion.h"
#include "ui/common/Twips.h"
#include "ui/common/TypedInput.h"

namespace sahdict::ui {
namespace {

frmWordForms* g_loaded = nullptr;

// The designed client area, in twips.
constexpr int kClientWidth = 10155, kClientHeight = 3450;

// The notice shown before the window opens (lines joined by CR LF).
const std::u16string& WarningText() {
  static const std::u16string text =
      u"Внимание!\r\n"
      u"Это только пробный вариант - мы не гарантируем правильности генерируемых слов.\r\n"
      u"Более того, правильных слов не так уж и много.\r\n"
      u"Однако, мы будем благодарны вам, если вы сообщите о всех правильных и неправильных словах, что были "
      u"сгенерированы данной утилитой. После этого ваши данные будут обработаны, и как только накопленная база "
      u"данных станет достаточно большой мы сможем внести положительные изменения в алгоритмы генерации.\r\n"
      u"\r\n"
      u"Заранее спасибо.";
  return text;
}

// The text of "О программе" (lines joined by CR LF).
const std::u16string& AboutText() {
  static const std::u16string text = u"Программа \"" + kWordFormsTitle +
                                     u"\"\r\n"
                                     u"Создает все словоформы заранее заданного слова\r\n" +
                                     kContactAddress + u"\r\n" + kWebAddress;
  return text;
}


enum class Kind { Label, Input, Form, Option, Group, Frame };
// Where a control sits: in the client area or in the number group.
enum class Parent { InClient, InGroup };
using enum Kind;
using enum Parent;

}  // namespace

// One control of the window's design: created with its object name in its
// parent and placed by its rectangle in twips. `index` is the number of an
// option or a form box; a label carries its caption and horizontal alignment.
struct frmWordForms::ControlRow {
  Kind kind;
  const char* name;
  int index;
  Parent parent;
  TwipsRect rect;
  const char16_t* caption = nullptr;
  Qt::AlignmentFlag align = Qt::AlignLeft;
};

// The controls in the order they are created, which is also their tab order.
constexpr frmWordForms::ControlRow frmWordForms::kControls[] = {
    // Input and processed word.
    {Label, "lbl0", 0, InClient, {-120, 360, 1455, 255}, u"Исходная", Qt::AlignRight},
    {Input, "txtInput", 0, InClient, {1440, 360, 4275, 315}},
    {Label, "lbl1", 0, InClient, {-120, 720, 1455, 255}, u"Обработанная", Qt::AlignRight},
    {Form, "txtForm100", ProcessedFormIndex, InClient, {1440, 720, 4275, 315}},
    // Number: its two options form a group of their own inside the frame.
    {Group, "frmNum", 0, InClient, {1080, 1200, 4695, 735}},
    {Label, "lbl17", 0, InGroup, {360, 120, 2055, 255}, kNumberCaptions[1], Qt::AlignHCenter},
    {Label, "lbl16", 0, InGroup, {2640, 120, 2055, 255}, kNumberCaptions[2], Qt::AlignHCenter},
    {Option, "optForm7", 7, InGroup, {120, 360, 255, 255}},
    {Form, "txtForm7", 7, InGroup, {360, 360, 2000, 315}},
    {Option, "optForm8", 8, InGroup, {2400, 360, 255, 255}},
    {Form, "txtForm8", 8, InGroup, {2640, 360, 2000, 315}},
    // Possessor: persons 1..3 singular on the left, 4..6 plural on the right.
    {Label, "lbl2", 0, InClient, {-360, 2040, 1455, 255}, kPersonCaptions[1], Qt::AlignRight},
    {Option, "optForm1", 1, InClient, {1200, 2040, 255, 255}},
    {Form, "txtForm1", 1, InClient, {1440, 2040, 2000, 315}},
    {Option, "optForm4", 4, InClient, {3480, 2040, 255, 255}},
    {Form, "txtForm4", 4, InClient, {3720, 2040, 2000, 315}},
    {Label, "lbl3", 0, InClient, {-360, 2400, 1455, 255}, kPersonCaptions[2], Qt::AlignRight},
    {Option, "optForm2", 2, InClient, {1200, 2400, 255, 255}},
    {Form, "txtForm2", 2, InClient, {1440, 2400, 2000, 315}},
    {Option, "optForm5", 5, InClient, {3480, 2400, 255, 255}},
    {Form, "txtForm5", 5, InClient, {3720, 2400, 2000, 315}},
    {Label, "lbl4", 0, InClient, {-360, 2760, 1455, 255}, kPersonCaptions[3], Qt::AlignRight},
    {Option, "optForm3", 3, InClient, {1200, 2760, 255, 255}},
    {Form, "txtForm3", 3, InClient, {1440, 2760, 2000, 315}},
    {Option, "optForm6", 6, InClient, {3480, 2760, 255, 255}},
    {Form, "txtForm6", 6, InClient, {3720, 2760, 2000, 315}},
    {Frame, "frame", 0, InClient, {5880, 120, 100, 3135}},
    // Case column.
    {Label, "lbl7", 0, InClient, {8040, 120, 2055, 255}, u"Склонение", Qt::AlignHCenter},
    {Label, "lbl8", 0, InClient, {6000, 480, 1995, 255}, kCaseQuestions[1], Qt::AlignRight},
    {Form, "txtForm9", 9, InClient, {8040, 480, 2000, 315}},
    {Label, "lbl9", 0, InClient, {6000, 840, 1995, 255}, kCaseQuestions[2], Qt::AlignRight},
    {Form, "txtForm10", 10, InClient, {8040, 840, 2000, 315}},
    {Label, "lbl10", 0, InClient, {6000, 1200, 1995, 255}, kCaseQuestions[3], Qt::AlignRight},
    {Form, "txtForm11", 11, InClient, {8040, 1200, 2000, 315}},
    {Label, "lbl11", 0, InClient, {6000, 1560, 1995, 255}, kCaseQuestions[4], Qt::AlignRight},
    {Form, "txtForm12", 12, InClient, {8040, 1560, 2000, 315}},
    {Label, "lbl12", 0, InClient, {6000, 1920, 1995, 255}, kCaseQuestions[5], Qt::AlignRight},
    {Form, "txtForm13", 13, InClient, {8040, 1920, 2000, 315}},
    {Label, "lbl13", 0, InClient, {6000, 2280, 1995, 255}, kCaseQuestions[6], Qt::AlignRight},
    {Form, "txtForm14", 14, InClient, {8040, 2280, 2000, 315}},
    {Label, "lbl14", 0, InClient, {6000, 2640, 1995, 255}, kCaseQuestions[7], Qt::AlignRight},
    {Form, "txtForm15", 15, InClient, {8040, 2640, 2000, 315}},
    {Label, "lbl15", 0, InClient, {6000, 3000, 1995, 255}, kCaseQuestions[8], Qt::AlignRight},
    {Form, "txtForm16", 16, InClient, {8040, 3000, 2000, 315}},
};

frmWordForms::frmWordForms(const DictStore& store, QWidget* parent)
    : QMainWindow(parent), morphology_(std::make_unique<morph::SakhaMorphology>(store)) {
  setObjectName(QStringLiteral("frmWordForms"));
  setWindowTitle(ToQString(kWordFormsTitle));
  setAttribute(Qt::WA_DeleteOnClose);
  BuildMenus();
  BuildControls();
  sakhaLetters_ = Settings::Instance().SakhaLetters();
  ShowCaptions();
  connect(&Settings::Instance(), &Settings::SakhaLettersChanged, this, &frmWordForms::SetSakhaLetters);
  // The designed client area below the menu bar is the largest size; on a
  // smaller screen (or at a large scale) the window shrinks and scrolls.
  const QSize designed(Twips(kClientWidth), Twips(kClientHeight) + menuBar()->sizeHint().height());
  // The height leaves room for the scroll bar that a narrower window shows.
  setMaximumSize(designed + QSize(0, style()->pixelMetric(QStyle::PM_ScrollBarExtent)));
  resize(designed);
}

frmWordForms::~frmWordForms() {
  if (g_loaded == this) g_loaded = nullptr;
}

frmWordForms* frmWordForms::LoadedWindow() { return g_loaded; }

void frmWordForms::BuildMenus() {
  QMenu* mnuFile = AddMenu(menuBar(), "mnuFile", QStringLiteral("&Файл"));
  AddItem(mnuFile, "mnuFileExit", QStringLiteral("&Выход"), this, &QWidget::close);

  QMenu* mnuHelp = AddMenu(menuBar(), "mnuHelp", QStringLiteral("&Помощь"));
  AddItem(mnuHelp, "mnuHelpShortcuts", QStringLiteral("&О сокращениях"), this, &frmWordForms::mnuHelpShortcuts_Click);
  AddItem(mnuHelp, "mnuHelpAbout", QStringLiteral("О &программе"), this, &frmWordForms::mnuHelpAbout_Click);
}

void frmWordForms::BuildControls() {
  auto* client = new QWidget;
  client->setFixedSize(Twips(kClientWidth), Twips(kClientHeight));
  auto* scroll = new QScrollArea(this);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidget(client);
  setCentralWidget(scroll);
  for (const ControlRow& row : kControls) {
    QWidget* control = NewControl(row, row.parent == InGroup ? frmNum_ : client);
    control->setObjectName(QString::fromLatin1(row.name));
    Place(control, row.rect);
  }
}

QWidget* frmWordForms::NewControl(const ControlRow& row, QWidget* parent) {
  const auto index = static_cast<size_t>(row.index);
  switch (row.kind) {
    case Kind::Label: {
      auto* label = new QLabel(QString::fromUtf16(row.caption), parent);
      label->setFont(LabelFont());
      label->setAlignment(row.align | Qt::AlignVCenter);
      return label;
    }
    case Kind::Input:
      txtInput_ = new QLineEdit(parent);
      txtInput_->setFont(TextFont());
      connect(txtInput_, &QLineEdit::textChanged, this, &frmWordForms::txtInput_Change);
      return txtInput_;
    case Kind::Form: {
      auto* box = new QLineEdit(parent);
      box->setFont(TextFont());
      // A click on a form box acts like a click on the option of the same index.
      box->installEventFilter(this);
      if (row.index == ProcessedFormIndex) {
        txtForm100_ = box;
      } else {
        txtForms_[index] = box;
      }
      return box;
    }
    case Kind::Option: {
      auto* option = new QRadioButton(parent);
      const auto i = static_cast<int16_t>(row.index);
      connect(option, &QRadioButton::clicked, this, [this, i] { optForm_Click(i); });
      optForms_[index] = option;
      return option;
    }
    case Kind::Group:
      frmNum_ = new QGroupBox(parent);
      return frmNum_;
    case Kind::Frame:
      frame_ = new QFrame(parent);
      frame_->setFrameShape(QFrame::Box);
      frame_->setFrameShadow(QFrame::Sunken);
      return frame_;
  }
  return nullptr;
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
  // The notice interrupts the first opening only.
  if (!Settings::Instance().WordFormsNoticeShown()) {
    Settings::Instance().SetWordFormsNoticeShown();
    Msg(WarningText(), u"", 0);
  }
  // The change event fills every box and selects singular.
  txtInput_->setText(QStringLiteral("ат"));
  if (const std::optional<QPoint> place = Settings::Instance().WordFormsPosition(frameGeometry().size()))
    move(*place);
  show();
  KeepOnScreen(this);
  // Narrower than designed: the horizontal scroll bar needs room of its own below.
  if (width() < maximumWidth()) {
    resize(width(), maximumHeight());
    KeepOnScreen(this);
  }
}

void frmWordForms::SaveSettings() { Settings::Instance().SetWordFormsPosition(pos()); }

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

  const WordFormTable view = ComputeWordForms(
      TypedInput(), Index, CurrentNumber,
      [this](const std::u16string& word, int32_t number, int32_t person, int32_t kase) {
        return morphology_->NounForm(word, number, person, kase);
      });
  ShowForm(txtForm100_, view.Processed);
  for (int k = 1; k <= 16; ++k) ShowForm(txtForms_[static_cast<size_t>(k)], view.Form[static_cast<size_t>(k)]);
  // Choosing a number removes the possessor.
  if (Index == 7 || Index == 8) {
    for (int16_t k = 1; k <= 6; ++k) ClearOption(k);
  }
  for (int k = 1; k <= 8; ++k) SetBold(k, view.Bold[static_cast<size_t>(k)]);

  // Selecting the option from code raises its click, which runs this once
  // more with the same index; that run finds the option selected and ends here.
  SelectOption(Index);
}

std::u16string frmWordForms::TypedInput() const {
  std::u16string input = ToU16String(txtInput_->text());
  // Real letters stay on screen while "Якутские буквы" is on; the forms are made from their notation.
  return sakhaLetters_ ? SakhaLettersToNotation(input) : input;
}

void frmWordForms::txtInput_Change() {
  // Without "Якутские буквы", real Sakha letters and capitals typed become the notation.
  if (!sakhaLetters_) MapTypedSakhaLetters(txtInput_);
  ShowWordForms(CurrentIndex);
}

void frmWordForms::SetSakhaLetters(bool on) {
  if (sakhaLetters_ == on) return;
  sakhaLetters_ = on;
  ShowCaptions();
  if (CurrentIndex >= 1 && CurrentIndex <= 8) {
    int16_t index = CurrentIndex;
    ShowWordForms(index);
  }
}

void frmWordForms::ShowCaptions() {
  for (int k = 1; k <= 8; ++k) {
    if (auto* label = findChild<QLabel*>(QStringLiteral("lbl%1").arg(k + 7)))
      label->setText(ToQString(ShownCaption(kCaseQuestions[k], sakhaLetters_)));
  }
}

void frmWordForms::ShowForm(QLineEdit* box, const std::u16string& text) const {
  std::u16string shown = text;
  if (sakhaLetters_) NotationToSakhaLetters(shown);
  box->setText(ToQString(shown));
}

void frmWordForms::optForm_Click(int16_t Index) { ShowWordForms(Index); }

void frmWordForms::txtForm_Click(int16_t Index) { ShowWordForms(Index); }

void frmWordForms::mnuHelpShortcuts_Click() { ShowNotationHelp(); }

void frmWordForms::mnuHelpAbout_Click() { Msg(AboutText(), u"О программе", 0); }

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
  if (g_loaded == this) {
    SaveSettings();
    g_loaded = nullptr;
  }
  QMainWindow::closeEvent(event);
}

}  // namespace sahdict::ui
