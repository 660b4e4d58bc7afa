#include "ui/lookup/SearchBox.h"

#include <QKeyEvent>

namespace sahdict::ui {

SearchBox::SearchBox(QWidget* parent) : QLineEdit(parent) {}

void SearchBox::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // Typing replaces the whole search text.
  selectAll();
}

void SearchBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Down && event->modifiers() == Qt::AltModifier) {
    event->accept();
    emit KeyDown(kAltDown);
    return;
  }
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Up:
    case Qt::Key_Down:
      event->accept();
      emit KeyDown(event->key());
      return;
    default:
      QLineEdit::keyPressEvent(event);
  }
}

}  // namespace sahdict::ui
