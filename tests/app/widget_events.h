// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard and mouse events sent straight to widgets, as the window system would.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace tv::test {

inline QApplication& App() {
  static int argc = 1;
  static char name[] = "test_app";
  static char* argv[] = {name, nullptr};
  static QApplication* app = QApplication::instance()
                                 ? static_cast<QApplication*>(QApplication::instance())
                                 : new QApplication(argc, argv);
  return *app;
}

inline void KeyPress(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QKeyEvent event(QEvent::KeyPress, key, mods);
  QApplication::sendEvent(w, &event);
}
inline void KeyRelease(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QKeyEvent event(QEvent::KeyRelease, key, mods);
  QApplication::sendEvent(w, &event);
}
inline void KeyClick(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  KeyPress(w, key, mods);
  KeyRelease(w, key, mods);
}

inline void Mouse(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButton button,
                  Qt::KeyboardModifiers mods = Qt::NoModifier) {
  const Qt::MouseButtons held =
      type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::MouseButtons();
  QMouseEvent event(type, QPointF(p), w->mapToGlobal(QPointF(p)),
                    type == QEvent::MouseMove ? Qt::NoButton : button, held, mods);
  QApplication::sendEvent(w, &event);
}
inline void MousePress(QWidget* w, QPoint p = {2, 2}, Qt::MouseButton b = Qt::LeftButton) {
  Mouse(w, QEvent::MouseButtonPress, p, b);
}
inline void MouseRelease(QWidget* w, QPoint p = {2, 2}, Qt::MouseButton b = Qt::LeftButton) {
  Mouse(w, QEvent::MouseButtonRelease, p, b);
}
inline void MouseClick(QWidget* w, QPoint p = {2, 2}, Qt::MouseButton b = Qt::LeftButton) {
  MousePress(w, p, b);
  MouseRelease(w, p, b);
}
inline void MouseMove(QWidget* w, QPoint p, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  Mouse(w, QEvent::MouseMove, p, Qt::NoButton, mods);
}

}  // namespace tv::test

// The window system's way in for keys, through which shortcuts are matched too.
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* window, QEvent::Type type, int key,
                                    Qt::KeyboardModifiers modifiers, const QString& text,
                                    bool autorepeat, ushort count);

namespace tv::test {

// A key typed into the window as a player would: shortcuts first, then the focus widget.
inline void TypeKey(QWidget* window, int key, const QString& text = {},
                    Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QWindow* handle = window->windowHandle();
  qt_handleKeyEvent(handle, QEvent::KeyPress, key, mods, text, false, 1);
  qt_handleKeyEvent(handle, QEvent::KeyRelease, key, mods, text, false, 1);
  QApplication::processEvents();
}

}  // namespace tv::test
