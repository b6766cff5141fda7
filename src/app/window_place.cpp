// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's place and size: back from the settings, and into them.
#include "app/window_place.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace tv {

void PlaceWindow(QWidget& window, const Settings& s) {
  if (s.WindowWidth <= 0 || s.WindowHeight <= 0) return;
  QRect wanted(s.WindowLeft, s.WindowTop, s.WindowWidth, s.WindowHeight);
  const QScreen* screen = QGuiApplication::screenAt(wanted.center());
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen != nullptr) {
    // A screen gone or made smaller since: the window comes back whole onto one there is.
    const QRect area = screen->availableGeometry();
    wanted.setSize(wanted.size().boundedTo(area.size()).expandedTo(window.minimumSize()));
    wanted.moveLeft(std::clamp(wanted.left(), area.left(),
                               std::max(area.left(), area.right() + 1 - wanted.width())));
    wanted.moveTop(std::clamp(wanted.top(), area.top(),
                              std::max(area.top(), area.bottom() + 1 - wanted.height())));
  }
  window.setGeometry(wanted);
  if (s.WindowMaximized) window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

void StoreWindowPlace(const QWidget& window, const QRect& startArea, Settings& settings) {
  const bool maximized = window.windowState() & Qt::WindowMaximized;
  const QRect normal =
      maximized || window.isFullScreen() ? window.normalGeometry() : window.geometry();
  if (!window.isVisible() || !normal.isValid()) return;
  const bool asStarted = !maximized && normal == startArea;
  settings.WindowLeft = asStarted ? 0 : normal.left();
  settings.WindowTop = asStarted ? 0 : normal.top();
  settings.WindowWidth = asStarted ? 0 : normal.width();
  settings.WindowHeight = asStarted ? 0 : normal.height();
  settings.WindowMaximized = maximized;
}

}  // namespace tv
