#include "ui/common/frmMsg.h"

#include <QPushButton>
#include <utility>

#include "core/render/MessagePage.h"
#include "core/text/mdlSah.h"
#include "generated/ProgramIdentity.h"
#include "ui/common/HtmlView.h"
#include "ui/common/Settings.h"
#include "ui/common/TextConversion.h"
#include "ui/common/Twips.h"

namespace sahdict::ui {
namespace {

MsgHandler& Handler() {
  static MsgHandler handler;
  return handler;
}

// Design client area and controls.
constexpr int kClientWidth = 7815, kClientHeight = 3090;
constexpr TwipsRect kView{0, 0, kClientWidth, 2535};
constexpr TwipsRect kButton{3000, 2640, 1815, 375};
// The compact one-line layout.
constexpr int kCompactViewHeight = 900, kCompactButtonTop = 1000, kCompactClientHeight = 1400;

}  // namespace

void Msg(const std::u16string& Text, const std::u16string& Caption, int16_t Lines) { Msg(Text, Caption, Lines, u""); }

void Msg(const std::u16string& Text, const std::u16string& Caption, int16_t Lines, const std::u16string& Appendix) {
  if (Handler()) {
    Handler()(Text, Caption, Lines);
    return;
  }
  frmMsg::Instance().ShowMessage(Text, Caption, Lines, Appendix);
}

MsgHandler SetMsgHandler(MsgHandler handler) { return std::exchange(Handler(), std::move(handler)); }

void ShowNotationHelp() {
  Msg(NotationHelpText(Settings::Instance().SakhaLetters()), u"", 0, SakhaLettersTable());
}

std::u16string MsgTitle(const std::u16string& Caption) {
  std::u16string title;
  if (!Caption.empty()) title = Caption + u" | ";
  return title + kProgramName + u" | made by " + kAuthorName + u" - " + kContactAddress;
}

frmMsg& frmMsg::Instance() {
  // Top-level widgets cannot outlive the application object, so the window is
  // never destroyed by a static destructor; the application releases it.
  static frmMsg* window = new frmMsg;
  return *window;
}

frmMsg::frmMsg() : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("frmMsg"));
  setModal(true);
  dhtml_ = new HtmlView(this);
  dhtml_->setObjectName(QStringLiteral("dhtml"));
  dhtml_->setFrameShape(QFrame::NoFrame);
  btnOK_ = new QPushButton(QStringLiteral("ОК"), this);
  btnOK_->setObjectName(QStringLiteral("btnOK"));
  btnOK_->setDefault(true);
  connect(btnOK_, &QPushButton::clicked, this, &frmMsg::btnOK_Click);
  LoadDesign();
}

void frmMsg::LoadDesign() {
  Place(dhtml_, kView);
  dhtml_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  Place(btnOK_, kButton);
  setFixedSize(Twips(kClientWidth), Twips(kClientHeight));
}

void frmMsg::ShowMessage(const std::u16string& Text, const std::u16string& Caption, int16_t Lines,
                         const std::u16string& Appendix) {
  LoadDesign();
  dhtml_->SetPage(MessagePage(Text, Lines, Appendix));
  setWindowTitle(ToQString(MsgTitle(Caption)));
  if (Lines == 1) {
    // One line of text: a short view without scroll bars and the button just below it.
    dhtml_->resize(dhtml_->width(), Twips(kCompactViewHeight));
    dhtml_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    btnOK_->move(btnOK_->x(), Twips(kCompactButtonTop));
    setFixedSize(width(), Twips(kCompactClientHeight));
  }
  btnOK_->setFocus();
  exec();
}

void frmMsg::btnOK_Click() { accept(); }

}  // namespace sahdict::ui
