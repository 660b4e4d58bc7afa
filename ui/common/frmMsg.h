#pragma once
// The program's one message box. Every notice, report and error goes through Msg.

#include <QDialog>
#include <cstdint>
#include <functional>
#include <string>

class QPushButton;

namespace sahdict::ui {

class HtmlView;

// Shows Text as a styled page in the modal message window and returns when the
// user has closed it. Lines == 1 selects the compact layout.
void Msg(const std::u16string& Text, const std::u16string& Caption, int16_t Lines);
// The same with `Appendix`, an HTML fragment shown as it is below the text (the
// notation help's table of letters). A handler installed by SetMsgHandler
// receives Text, Caption and Lines alone.
void Msg(const std::u16string& Text, const std::u16string& Caption, int16_t Lines, const std::u16string& Appendix);

// How Msg is shown. Tests install a handler that records the call instead of
// waiting for a person; an empty handler restores the message window.
using MsgHandler = std::function<void(const std::u16string& Text, const std::u16string& Caption, int16_t Lines)>;
// Returns the handler that was installed before.
MsgHandler SetMsgHandler(MsgHandler handler);

// "О сокращениях": the notation help with its table of real letters.
void ShowNotationHelp();

// The message window's title: "Caption | " when a caption is given, then the
// program name and the team's contact address.
std::u16string MsgTitle(const std::u16string& Caption);

// The message window: an HTML view over an "ОК" button. One object, created on
// first use; every message starts from the design layout.
class frmMsg : public QDialog {
  Q_OBJECT

 public:
  // The one window object.
  static frmMsg& Instance();

  // Lays the window out for one message (compact when Lines == 1), shows it
  // modally and returns when it has been closed. `Appendix` (HTML) follows the text.
  void ShowMessage(const std::u16string& Text, const std::u16string& Caption, int16_t Lines,
                   const std::u16string& Appendix);

 private:
  frmMsg();
  void LoadDesign();
  void btnOK_Click();

  HtmlView* dhtml_;
  QPushButton* btnOK_;
};

}  // namespace sahdict::ui
