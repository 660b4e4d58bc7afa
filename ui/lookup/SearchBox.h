#pragma once
// The search box txtWord: a line edit that selects its whole text when it gets
// the focus and reports the keys the lookup window acts on.

#include <QLineEdit>

namespace sahdict::ui {

// The key code KeyDown reports for Alt+Down (opens the suggestion line's list).
constexpr int kAltDown = QKeyCombination(Qt::ALT, Qt::Key_Down).toCombined();

class SearchBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit SearchBox(QWidget* parent = nullptr);

 signals:
  // Enter (either key), Up or Down was pressed, or Alt+Down (kAltDown); the
  // box itself ignores them.
  void KeyDown(int key);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace sahdict::ui
