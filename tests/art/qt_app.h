// SPDX-License-Identifier: GPL-3.0-or-later
// One application object for the whole test program, created on first use.
#pragma once

#include <QApplication>

namespace tv::test {

// Never destroyed, as in the window tests: destroyed at exit, it would leave Qt's
// per-thread font caches unreachable, and the leak checker would report them.
inline void EnsureApplication() {
  if (QApplication::instance()) return;
  static int argc = 1;
  static char name[] = "test_art";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  static_cast<void>(app);
}

}  // namespace tv::test
