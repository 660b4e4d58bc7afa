#include "ui/common/TypedInput.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include "core/text/TextBox.h"
#include "ui/common/TextConversion.h"

namespace sahdict::ui {

void MapTypedSakhaLetters(QLineEdit* box) {
  const TextBox typed{ToU16String(box->text()), box->cursorPosition(), 0};
  const TextBox mapped = TypedSakhaLetters(typed);
  if (mapped.text == typed.text) return;
  const QSignalBlocker blocker(box);
  box->setText(ToQString(mapped.text));
  box->setCursorPosition(mapped.caret);
}

}  // namespace sahdict::ui
