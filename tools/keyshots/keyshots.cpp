// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the program in a given folder and saves two pictures: the focus ring on a
// free tile after a few pairs removed by keys (keyboard.png), and the status bar's
// verdict right after a move that loses the game (winnable.png), and a close look at
// the ring for the help page (keyboard-ring.png).
//
// Usage: tilvane-keyshots PROGRAM_DIR OUT_DIR [game number]
#include <QApplication>
#include <QKeyEvent>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "../measure/screen_tool.h"
#include "app/field_input.h"
#include "app/field_widget.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "app/winnable_panel.h"
#include "game/key_focus.h"
#include "game/solver.h"

namespace {

using tv::screens::Settle;

void Key(tv::TF_Main& w, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(&w, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
  QApplication::sendEvent(&w, &release);
}

// Walks the ring to `target` with arrow keys, one greedy step at a time (tries every
// direction and takes the one that lands nearest); false when it gets stuck.
bool RingTo(tv::TF_Main& w, int target) {
  const int keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
  const tv::FocusDirection dirs[] = {tv::FocusDirection::kLeft, tv::FocusDirection::kRight,
                                     tv::FocusDirection::kUp, tv::FocusDirection::kDown};
  if (w.Parts().Input.Keys().Focus() < 0) Key(w, Qt::Key_Right);
  for (int step = 0; step < 200 && w.Parts().Input.Keys().Focus() != target; ++step) {
    const tv::MODE_P& b = w.CurrentGame().PlayBoard();
    const tv::TILE_P& t = b.Tiles[std::size_t(target)];
    const int at = w.Parts().Input.Keys().Focus();
    int best = -1, bestDistance = 1 << 30;
    for (int d = 0; d < 4; ++d) {
      const int next = tv::NextFocusTile(b, at, dirs[d]);
      if (next < 0) continue;
      const int dx = b.Tiles[std::size_t(next)].X - t.X, dy = b.Tiles[std::size_t(next)].Y - t.Y;
      if (dx * dx + dy * dy < bestDistance) {
        bestDistance = dx * dx + dy * dy;
        best = d;
      }
    }
    if (best < 0) return false;
    Key(w, keys[best]);
  }
  return w.Parts().Input.Keys().Focus() == target;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: tilvane-keyshots PROGRAM_DIR OUT_DIR [game number]\n");
    return 2;
  }
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  QApplication app(argc, argv);
  const std::string out = std::string(argv[2]) + "/";
  tv::StartOptions options;
  auto window = tv::screens::StartShown(options, argv[1]);
  if (!window) return 1;
  tv::screens::DealGame(*window, argc > 3 ? std::uint32_t(std::stoul(argv[3])) : 1234u);
  Settle(600);

  // Four pairs of the deal's own line removed with keys, then the ring on a free tile.
  const tv::Game& game = window->CurrentGame();
  const tv::Solution solution = game.DealSolution();
  int left = game.PlayBoard().Game.TilesLeft;
  for (int pair = 0; pair < 4; ++pair, left -= 2) {
    for (int k : {1, 2}) {
      if (!RingTo(*window, solution.Steps[std::size_t(left - k)].Slot)) return 1;
      Key(*window, Qt::Key_Space);
    }
  }
  Key(*window, Qt::Key_Left);
  Key(*window, Qt::Key_Up);
  Settle(1500);
  bool ok = window->grab().save(QString::fromStdString(out + "keyboard.png"));
  {  // a close look at the ring, for the help page
    const tv::TILE_P& t = game.PlayBoard().Tiles[std::size_t(window->Parts().Input.Keys().Focus())];
    const QRect around(t.Left - 120, t.Top - 90, 360, 260);
    ok = window->Parts().Field->grab(around).save(
             QString::fromStdString(out + "keyboard-ring.png")) &&
         ok;
  }

  // Along the line until a free pair loses; that pair goes, and the panel says so.
  for (; left > 2; left -= 2) {
    const tv::MODE_P& b = game.PlayBoard();
    for (int x = 0; x < b.Game.TileCount; ++x)
      for (int y = x + 1; y < b.Game.TileCount; ++y) {
        const tv::TILE_P &s = b.Tiles[std::size_t(x)], &t = b.Tiles[std::size_t(y)];
        if (!s.Present || !s.Free || !t.Present || !t.Free || s.MatchClass != t.MatchClass)
          continue;
        tv::MODE_P after = b;
        after.Tiles[std::size_t(x)].Present = after.Tiles[std::size_t(y)].Present = false;
        tv::SolveLimits limits;
        limits.maxTime = std::chrono::milliseconds(1000);
        if (tv::DecideWinnable(after, limits).verdict != tv::Verdict::kNotWinnable) continue;
        if (!RingTo(*window, x)) return 1;
        Key(*window, Qt::Key_Space);
        if (!RingTo(*window, y)) return 1;
        Key(*window, Qt::Key_Space);
        for (int wait = 0; wait < 100 && !window->Parts().Winnable.Settled(); ++wait) Settle(50);
        Settle(500);
        ok = window->grab().save(QString::fromStdString(out + "winnable.png")) && ok;
        std::printf("%s\n", ok ? "saved keyboard.png and winnable.png" : "could not save");
        return ok ? 0 : 1;
      }
    for (int k : {1, 2}) {
      if (!RingTo(*window, solution.Steps[std::size_t(left - k)].Slot)) return 1;
      Key(*window, Qt::Key_Space);
    }
  }
  std::printf("no losing move met\n");
  return 1;
}
