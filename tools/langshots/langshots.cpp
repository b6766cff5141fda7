// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the program in several languages: the main window with a dealt game, each
// of its menus, the layout chooser and the editor, at each window size asked for.
//
// Usage: tilvane-langshots PROGRAM_DIR OUT_DIR LANGUAGES SIZES
//        e.g. tilvane-langshots build/bin shots de,ru,ja 1280x800,800x600
// Files: OUT_DIR/<language>-<size>-main.png, -menu-<n>.png, -chooser.png, -stats.png,
//        -editor.png.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "../measure/screen_tool.h"
#include "app/layout_commands.h"
#include "app/stats_window.h"
#include "content/translate.h"
#include "game/history.h"
#include "library/layouts.h"

namespace {

bool Save(QWidget* widget, const std::string& path) {
  const bool ok = widget->grab().save(QString::fromStdString(path));
  std::printf("%s %s\n", ok ? "saved" : "could not save", path.c_str());
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: tilvane-langshots PROGRAM_DIR OUT_DIR LANGUAGES SIZES\n");
    return 2;
  }
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  QApplication app(argc, argv);
  const std::string programDir = std::string(argv[1]) + "/";
  const std::string out = std::string(argv[2]) + "/";
  bool ok = true;
  for (const QString& language : QString(argv[3]).split(',')) {
    // The environment's say would come after the language asked for here.
    setenv("LANGUAGE", language.toUtf8().constData(), 1);
    for (const QString& size : QString(argv[4]).split(',')) {
      int width = 0, height = 0;
      if (std::sscanf(size.toUtf8().constData(), "%dx%d", &width, &height) != 2) return 2;
      auto window = tv::screens::StartShown(tv::StartOptions{}, programDir.c_str());
      if (!window) return 1;
      const std::string base = out + language.toStdString() + "-" + size.toStdString() + "-";
      window->showNormal();
      window->resize(width, height);
      tv::screens::Settle(300);
      tv::screens::DealGame(*window, 2828434056u);
      tv::screens::Settle(300);
      ok = Save(window.get(), base + "main.png") && ok;
      int n = 0;
      for (QAction* action : window->menuBar()->actions()) {
        QMenu* menu = action->menu();
        if (!menu || !action->isVisible()) continue;
        menu->popup(window->mapToGlobal(window->menuBar()->actionGeometry(action).bottomLeft()));
        tv::screens::Settle(200);
        ok = Save(menu, base + "menu-" + std::to_string(++n) + ".png") && ok;
        menu->hide();
      }
      tv::TF_Layouts* chooser = window->Parts().Library.Chooser();
      chooser->resize(std::min(960, width - 40), std::min(600, height - 60));
      chooser->show();
      tv::screens::Settle(300);
      ok = Save(chooser, base + "chooser.png") && ok;
      chooser->hide();
      // The statistics of a new history: every caption, the pictures' titles and their
      // empty notes.
      tv::TF_Stats stats({}, window.get());
      stats.Fill({}, "", tv::LocalDateNumber(std::time(nullptr)));
      stats.resize(std::min(860, width - 40), std::min(600, height - 60));
      stats.show();
      tv::screens::Settle(300);
      ok = Save(&stats, base + "stats.png") && ok;
      stats.hide();
      window->Parts().Menus.MI_LayoutCreate->trigger();
      tv::screens::Settle(300);
      ok = Save(window.get(), base + "editor.png") && ok;
    }
  }
  return ok ? 0 : 1;
}
