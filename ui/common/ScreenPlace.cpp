#include "ui/common/ScreenPlace.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace sahdict::ui {

QRect FitWithin(const QRect& frame, const QRect& area) {
  QRect fitted(frame.topLeft(), frame.size().boundedTo(area.size()));
  fitted.moveLeft(std::clamp(fitted.left(), area.left(), area.right() + 1 - fitted.width()));
  fitted.moveTop(std::clamp(fitted.top(), area.top(), area.bottom() + 1 - fitted.height()));
  return fitted;
}

void KeepOnScreen(QWidget* window) {
  const QRect frame = window->frameGeometry();
  const QScreen* screen = QGuiApplication::screenAt(frame.center());
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect fitted = FitWithin(frame, screen->availableGeometry());
  if (fitted == frame) return;
  // The frame (title bar, borders) is outside the client size that resize() sets.
  const QSize extra = frame.size() - window->size();
  window->resize((fitted.size() - extra).expandedTo(window->minimumSize()));
  window->move(fitted.topLeft());
}

}  // namespace sahdict::ui
