#pragma once
// Building menus whose menus, items and separators carry object names, so that
// tests find them with findChild.

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QString>

class QMenuBar;

namespace sahdict::ui {

// Appends a menu named `name` with `caption` to `bar`.
QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption);

// Appends an item named `name` with `caption` to `menu`.
QAction* AddItem(QMenu* menu, const char* name, const QString& caption);

// The same; choosing the item runs `handler` (a member of `receiver`, or a
// functor that lives as long as `receiver`).
template <typename Receiver, typename Handler>
QAction* AddItem(QMenu* menu, const char* name, const QString& caption, Receiver* receiver, Handler handler) {
  QAction* item = AddItem(menu, name, caption);
  QObject::connect(item, &QAction::triggered, receiver, handler);
  return item;
}

// Appends a separator named `name` to `menu`.
QAction* AddSeparator(QMenu* menu, const char* name);

}  // namespace sahdict::ui
