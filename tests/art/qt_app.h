// One application object for the whole test program, created on first use.
#pragma once

#include <QApplication>

namespace tv::test {

inline void EnsureApplication() {
  if (QApplication::instance()) return;
  static int argc = 1;
  static char name[] = "test_art";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
}

}  // namespace tv::test
