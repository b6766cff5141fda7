// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the layout editor in use, for its help page and for a look at it in a
// large and a small window; also times one placement through a real mouse click.
//
// Usage: tilvane-editor-screens PROGRAM_DIR OUT_DIR
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QThread>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <string>

#include "app/art.h"
#include "app/field_widget.h"
#include "app/main_editor.h"
#include "app/main_menus.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "field/geometry.h"
#include "screen_tool.h"

namespace {

using tv::screens::Settle;

bool Save(QWidget* widget, const std::string& path, QRect part = {}) {
  const bool ok =
      widget->grab(part.isNull() ? QRect(0, 0, -1, -1) : part).save(QString::fromStdString(path));
  std::printf("%s %s\n", ok ? "saved" : "could not save", path.c_str());
  return ok;
}

void Send(tv::TF_Main& w, QEvent::Type type, QPoint p, Qt::KeyboardModifiers mods = {}) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
  QMouseEvent event(type, QPointF(p), w.Parts().Field->mapToGlobal(QPointF(p)),
                    type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, mods);
  QApplication::sendEvent(w.Parts().Field, &event);
}

// A point inside cell (x, y) as seen at level z.
QPoint Cell(const tv::TF_Main& w, int x, int y, int z = 0) {
  const tv::GAME_P& g = w.CurrentGame().Board().Game;
  return {g.OriginX + z * g.EdgeWidth + x * (g.FaceWidth / 2) + 3,
          g.OriginY - z * (g.EdgeHeight - 1) + y * (g.FaceHeight / 2) + 3};
}

// Mouse down and up on the cell; the time of the press (placement, checks, redraw).
double Put(tv::TF_Main& w, int x, int y, int z = 0, bool mirror = false) {
  const QPoint p = Cell(w, x, y, z);
  const Qt::KeyboardModifiers mods = mirror ? Qt::ShiftModifier : Qt::NoModifier;
  Send(w, QEvent::MouseMove, p, mods);
  QElapsedTimer timer;
  timer.start();
  Send(w, QEvent::MouseButtonPress, p, mods);
  const double ms = double(timer.nsecsElapsed()) / 1e6;
  Send(w, QEvent::MouseButtonRelease, p, mods);
  return ms;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: tilvane-editor-screens PROGRAM_DIR OUT_DIR\n");
    return 2;
  }
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  QApplication app(argc, argv);
  const std::string out = std::string(argv[2]) + "/";
  tv::StartOptions options;
  options.MessageBox = [](const std::string&, int) { return int(tv::kAnswerNo); };
  auto window = tv::screens::StartShown(options, argv[1]);
  if (!window) return 1;
  window->resize(1280, 800);
  Settle(300);
  tv::TF_Main& w = *window;

  // A new layout of three levels, drawn half by half with the mirror.
  w.Parts().Menus.MI_LayoutCreate->trigger();
  Settle(200);
  Put(w, 0, 0);
  Put(w, 12, 0);
  for (int y = 0; y <= 8; y += 2)
    for (int x = 0; x <= 6; x += 2) Put(w, x, y, 0, true);
  for (int y = 1; y <= 7; y += 2)
    for (int x = 3; x <= 5; x += 2) Put(w, x, y, 1, true);
  Put(w, 4, 4, 2, true);
  Send(w, QEvent::MouseMove, Cell(w, 6, 2, 1));
  Settle(300);
  bool ok = Save(&w, out + "editor-draw.png");
  // The help page's pictures: the field's drawn corner with toolbar and status bar.
  const QRect corner(0, 0, 660, 500);
  QPixmap page(corner.width(), corner.height() + 40);
  page.fill(Qt::black);
  {
    QPainter painter(&page);
    painter.drawPixmap(0, 0, w.grab(corner));
    painter.drawPixmap(0, corner.height(), w.grab(QRect(0, w.height() - 40, corner.width(), 40)));
  }
  ok = page.save(QString::fromStdString(out + "editor-help-draw.png")) && ok;
  ok = tv::ArtImage("edit-redo", QSize(24, 24))
           .save(QString::fromStdString(out + "edit-redo.png")) &&
       ok;

  // Custom Z: the cursor tile refused where it would overlap a tile of its level.
  w.Parts().Toolbars.B_EditCustomZ->click();
  w.Parts().Toolbars.B_CustomZUp->click();
  Send(w, QEvent::MouseMove, Cell(w, 2, 2, 1));
  Settle(300);
  ok = Save(&w, out + "editor-custom-z.png") && ok;
  ok = Save(&w, out + "editor-help-custom-z.png", QRect(0, 0, 660, 300)) && ok;

  // The whole layout of a full game, and one placement timed through the window.
  w.Parts().Menus.MI_FileReturn->trigger();
  Settle(300);
  w.Parts().Menus.MI_LayoutEdit->trigger();
  Settle(300);
  const tv::MODE_P& board = w.CurrentGame().Board();
  double worst = 0, total = 0;
  int timed = 0;
  const int rounds = 10;
  for (int k = 0; k < rounds; ++k) {
    const tv::TILE_P tile = board.Tiles[std::size_t(board.Game.TileCount - 1 - 7 * k)];
    // Erase the tile (through the Erase tool), then put it back in Custom Z at its level.
    w.Parts().Menus.MI_EditErase->trigger();
    const int slot = board.Game.TileCount - 1 - 7 * k;
    QPoint p;
    for (int dy = 2; dy < board.Game.FaceHeight && p.isNull(); dy += 2)
      for (int dx = 2; dx < board.Game.FaceWidth && p.isNull(); dx += 2)
        if (tv::HitTest(board, board.Game.TileCount, tile.Left + dx, tile.Top + dy) == slot)
          p = QPoint(tile.Left + dx, tile.Top + dy);
    if (p.isNull()) continue;
    Send(w, QEvent::MouseMove, p);
    Send(w, QEvent::MouseButtonPress, p);
    Send(w, QEvent::MouseButtonRelease, p);
    w.Parts().Menus.MI_EditCustomZ->trigger();
    while (w.Parts().CustomZ < tile.Z) w.Parts().Toolbars.B_CustomZUp->click();
    while (w.Parts().CustomZ > tile.Z) w.Parts().Toolbars.B_CustomZDown->click();
    const double ms = Put(w, tile.X, tile.Y, tile.Z);
    if (board.Game.TileCount != 144) std::printf("tile %d not put back\n", slot);
    worst = std::max(worst, ms);
    total += ms;
    ++timed;
    QApplication::processEvents();
  }
  std::printf("%d placements in the window, %d-tile layout: mean %.2f ms, worst %.2f ms\n", timed,
              board.Game.TileCount, total / std::max(1, timed), worst);
  Settle(300);
  ok = Save(&w, out + "editor-full.png") && ok;

  window->resize(640, 480);
  Settle(500);
  ok = Save(&w, out + "editor-small.png") && ok;
  // Entered at the smallest size: the field fits above the status bar from the start.
  w.Parts().Menus.MI_FileReturn->trigger();
  Settle(300);
  w.Parts().Menus.MI_LayoutEdit->trigger();
  Settle(300);
  ok = Save(&w, out + "editor-small-entered.png") && ok;
  window->close();
  return ok ? 0 : 1;
}
