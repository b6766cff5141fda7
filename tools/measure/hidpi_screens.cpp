// SPDX-License-Identifier: GPL-3.0-or-later
// A picture of the window in play as the screen shows it, for checking high-density
// screens: run under a window system with QT_SCALE_FACTOR set. It plays a few pairs by
// clicking the logical centre of each tile, grabs the screen and counts the field pixels
// that differ from the field picture (zero: the field is shown 1:1, neither blurred nor
// shifted).
//
// Usage: tilvane-hidpi-screens PROGRAM_DIR OUT_PNG [game number [analog]]
#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QThread>
#include <cstdio>
#include <string>

#include "app/field_widget.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "field/geometry.h"
#include "screen_tool.h"

namespace {

using tv::screens::Settle;

void Click(tv::TF_Main& w, QPointF p) {
  tv::screens::ClickField(w, p);
}

// A logical point of the field widget over the middle of `slot`'s face, or none when
// another tile covers it there.
bool CentreOf(tv::TF_Main& w, int slot, QPointF& logical) {
  const tv::MODE_P& b = w.CurrentGame().Board();
  const tv::TILE_P& t = b.Tiles[std::size_t(slot)];
  const double ratio = w.Parts().Field->Ratio();
  const int x = t.Left + b.Game.EdgeWidth + b.Game.FaceWidth / 2;
  const int y = t.Top + b.Game.FaceHeight / 2;
  if (tv::HitTest(b, b.Game.TileCount, x, y) != slot) return false;
  logical = QPointF((x + 0.5) / ratio, (y + 0.5) / ratio);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: tilvane-hidpi-screens PROGRAM_DIR OUT_PNG [game number]\n");
    return 2;
  }
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  QApplication app(argc, argv);
  tv::StartOptions options;
  auto window = tv::screens::StartShown(options, argv[1]);
  if (!window) return 1;
  tv::screens::DealGame(*window, std::uint32_t(argc > 3 ? std::stoul(argv[3]) : 7));
  Settle(600);

  // Pairs of the solution whose tiles are hit at their centres; a click that misses
  // leaves the pair on the field and is counted.
  const tv::Game& game = window->CurrentGame();
  const tv::Solution solution = game.DealSolution();
  int missed = 0;
  int left = game.PlayBoard().Game.TilesLeft;
  for (int pair = 0; pair < 5; ++pair, left -= 2) {
    for (int k : {1, 2}) {
      QPointF p;
      const int slot = solution.Steps[std::size_t(left - k)].Slot;
      if (CentreOf(*window, slot, p)) Click(*window, p);
    }
    missed += game.PlayBoard().Game.TilesLeft != left - 2;
  }
  QPointF p;
  const int selected = solution.Steps[std::size_t(left - 1)].Slot;
  if (CentreOf(*window, selected, p)) Click(*window, p);
  missed += game.SelectedTile() != selected;
  if (argc > 4 && std::string(argv[4]) == "analog") window->SetAnalogClock(true);
  Settle(800);

  QScreen* screen = window->screen();
  const QImage shot =
      screen->grabWindow(window->winId()).toImage().convertToFormat(QImage::Format_RGB32);
  const bool saved = shot.save(QString::fromLocal8Bit(argv[2]));

  // The field as the screen shows it against the field picture, over the available area.
  const QSize area = window->AvailableArea();
  const QPoint origin = window->Parts().Field->mapTo(window.get(), QPoint(0, 0));
  const double ratio = window->Parts().Field->Ratio();
  const int ox = int(origin.x() * ratio + 0.5), oy = int(origin.y() * ratio + 0.5);
  const QImage& picture = window->Parts().Field->Image();
  // At a fractional ratio the panel may end inside a device pixel; the status bar below
  // paints that last row.
  const QWidget* panel = window->Parts().Field->parentWidget();
  const int shown = int((panel->mapTo(window.get(), QPoint(0, panel->height())).y()) * ratio) - oy;
  long differing = 0, compared = 0;
  for (int y = 0; y < std::min(area.height(), shown) && oy + y < shot.height(); ++y)
    for (int x = 0; x < area.width() && ox + x < shot.width(); ++x, ++compared)
      differing += (shot.pixel(ox + x, oy + y) & 0xFFFFFF) != (picture.pixel(x, y) & 0xFFFFFF);
  const tv::GAME_P& g = game.PlayBoard().Game;
  std::printf(
      "ratio %.2f window %dx%d logical, shot %dx%d, area %dx%d device, tile %dx%d+%d,"
      " field pixels differing %ld of %ld, missed clicks %d, %s %s\n",
      ratio, window->width(), window->height(), shot.width(), shot.height(), area.width(),
      area.height(), g.FaceWidth, g.FaceHeight, g.EdgeWidth, differing, compared, missed,
      saved ? "saved" : "could not save", argv[2]);
  window->close();
  return saved && differing == 0 && missed == 0 ? 0 : 1;
}
