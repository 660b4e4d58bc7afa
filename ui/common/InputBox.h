#pragma once
// The program's one input box, behind a seam like Msg so that tests answer it.

#include <functional>
#include <string>

namespace sahdict::ui {

// Asks the user for a line of text in a modal input box with `prompt`, window
// title `title` and `defaultText` in the field. Returns the typed text, or ""
// when the user cancels.
std::u16string InputBox(const std::u16string& prompt, const std::u16string& title, const std::u16string& defaultText);

// How InputBox is answered. Tests install a handler that returns a prepared
// answer instead of waiting for a person; an empty handler restores the dialog.
using InputBoxHandler = std::function<std::u16string(const std::u16string& prompt, const std::u16string& title,
                                                     const std::u16string& defaultText)>;
// Returns the handler that was installed before.
InputBoxHandler SetInputBoxHandler(InputBoxHandler handler);

}  // namespace sahdict::ui
