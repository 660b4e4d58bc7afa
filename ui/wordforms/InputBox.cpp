#include "ui/wordforms/InputBox.h"

#include <QApplication>
#include <QInputDialog>
#include <QString>
#include <utility>

namespace sahdict::ui {
namespace {

InputBoxHandler& CurrentHandler() {
  static InputBoxHandler handler;
  return handler;
}

std::u16string ShowInputDialog(const std::u16string& prompt, const std::u16string& title,
                               const std::u16string& defaultText) {
  bool ok = false;
  const QString answer = QInputDialog::getText(QApplication::activeWindow(), QString::fromStdU16String(title),
                                               QString::fromStdU16String(prompt), QLineEdit::Normal,
                                               QString::fromStdU16String(defaultText), &ok);
  return ok ? answer.toStdU16String() : std::u16string();
}

}  // namespace

std::u16string InputBox(const std::u16string& prompt, const std::u16string& title, const std::u16string& defaultText) {
  if (const InputBoxHandler& handler = CurrentHandler()) return handler(prompt, title, defaultText);
  return ShowInputDialog(prompt, title, defaultText);
}

InputBoxHandler SetInputBoxHandler(InputBoxHandler handler) {
  return std::exchange(CurrentHandler(), std::move(handler));
}

}  // namespace sahdict::ui
