#include "ui/common/InputBox.h"

#include <QApplication>
#include <QInputDialog>
#include <QString>
#include <utility>

#include "ui/common/TextConversion.h"

namespace sahdict::ui {
namespace {

InputBoxHandler& CurrentHandler() {
  static InputBoxHandler handler;
  return handler;
}

std::u16string ShowInputDialog(const std::u16string& prompt, const std::u16string& title,
                               const std::u16string& defaultText) {
  QInputDialog dialog(QApplication::activeWindow());
  dialog.setWindowTitle(ToQString(title));
  dialog.setLabelText(ToQString(prompt));
  dialog.setTextValue(ToQString(defaultText));
  // The buttons speak the program's language whatever the system's is.
  dialog.setOkButtonText(QStringLiteral("ОК"));
  dialog.setCancelButtonText(QStringLiteral("Отмена"));
  if (dialog.exec() != QDialog::Accepted) return {};
  return ToU16String(dialog.textValue());
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
