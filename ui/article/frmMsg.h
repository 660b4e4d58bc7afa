#pragma once
// The program's one message box. Every notice, report and error goes through Msg.

#include <cstdint>
#include <functional>
#include <string>

namespace sahdict::ui {

// Shows Text as a styled page in the modal message window and returns when the
// user has closed it. Lines == 1 selects the compact layout.
void Msg(const std::u16string& Text, const std::u16string& Caption, int16_t Lines);

// How Msg is shown. Tests install a handler that records the call instead of
// waiting for a person; an empty handler restores the message window.
using MsgHandler = std::function<void(const std::u16string& Text, const std::u16string& Caption, int16_t Lines)>;
// Returns the handler that was installed before.
MsgHandler SetMsgHandler(MsgHandler handler);

}  // namespace sahdict::ui
