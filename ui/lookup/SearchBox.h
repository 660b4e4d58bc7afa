#pragma once
// The search box txtWord: a line edit that selects its whole text when it gets
// the focus and reports the keys the lookup window acts on.

#include <QLineEdit>

namespace sahdict::ui {

class SearchBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit SearchBox(QWidget* parent = nullptr);

 signals:
  // Enter (either key), Up or Down was pressed; the box itself ignores them.
  void KeyDown(int key);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace sahdict::ui
