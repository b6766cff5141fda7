// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the main window's status bar right after the game number was copied, at
// each window size asked for, and of the game number dialog.
//
// Usage: tilvane-statusshots PROGRAM_DIR OUT_DIR [WIDTHxHEIGHT]...
#include <QApplication>
#include <QMouseEvent>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "../measure/screen_tool.h"
#include "app/main_window.h"
#include "app/status_bars.h"
#include "content/shuffle.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: tilvane-statusshots PROGRAM_DIR OUT_DIR [WIDTHxHEIGHT]...\n");
    return 2;
  }
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  QApplication app(argc, argv);
  const std::string out = std::string(argv[2]) + "/";
  bool ok = true;
  for (int k = 3; k < argc; ++k) {
    int width = 0, height = 0;
    if (std::sscanf(argv[k], "%dx%d", &width, &height) != 2) return 2;
    auto window = tv::screens::StartShown(tv::StartOptions{}, argv[1]);
    if (!window) return 1;
    window->showNormal();
    window->resize(width, height);
    tv::screens::Settle(300);
    tv::screens::DealGame(*window, 2828434056u);
    tv::screens::Settle(300);
    QWidget* panel = window->Parts().Status.Panel("P_GameNumber");
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), panel->mapToGlobal(QPointF(5, 5)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(panel, &press);
    tv::screens::Settle(300);
    const std::string name = out + "status-" + argv[k] + ".png";
    ok = window->grab().save(QString::fromStdString(name)) && ok;
  }
  tv::TF_Shuffle dialog([](const std::string&) {});
  dialog.SetSeed(2828434056u);
  dialog.show();
  tv::screens::Settle(300);
  ok = dialog.grab().save(QString::fromStdString(out + "game-number.png")) && ok;
  std::printf("%s\n", ok ? "saved" : "could not save");
  return ok ? 0 : 1;
}
