// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard play and the winnable panel in the running window: a whole game cleared
// with keys only, the verdict after a losing move and its undo, and the option.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "app/field_input.h"
#include "app/field_widget.h"
#include "app/main_window.h"
#include "app/program_folder.h"
#include "app/startup.h"
#include "app/status_bars.h"
#include "app/widget_events.h"
#include "app/winnable_panel.h"
#include "game/key_focus.h"
#include "game/solver.h"
#include "support/temp_dir.h"

namespace tv {
namespace {

namespace fs = std::filesystem;

struct KeyWorld {
  KeyWorld() {
    test::App();
    test::CopyPlayContent(dir.path());
    StartOptions options;
    options.ProgramDir = dir.dir();
    options.MessageBox = [](const std::string&, int) { return kAnswerYes; };
    options.ShowSplash = options.HoldSplash = options.Pauses = false;
    window = StartProgram(options, std::chrono::steady_clock::now());
    window->resize(1280, 720);
    window->show();
    QApplication::processEvents();
    // A fixed deal: the same positions on every run.
    window->Parts().NewGameTimer->stop();
    window->PlayGameNumber(1234);
    window->Parts().NewGameTimer->stop();
    window->T_NewGameTimer();
    QApplication::processEvents();
  }
  const MODE_P& board() const { return window->CurrentGame().PlayBoard(); }
  int focus() const { return window->Parts().Input.Keys().Focus(); }
  void Key(int key) { test::KeyClick(window.get(), key); }
  // Both tiles chosen with the ring; the pair goes with the second key.
  void RemoveWithKeys(int a, int b, int selectKey = Qt::Key_Space, int removeKey = Qt::Key_Space) {
    if (focus() < 0) Key(Qt::Key_Right);
    MoveRingTo(a);
    Key(selectKey);
    ASSERT_EQ(window->CurrentGame().SelectedTile(), a);
    MoveRingTo(b);
    Key(removeKey);
  }
  QString Verdict() {
    QElapsedTimer waited;
    waited.start();
    while (!window->Parts().Winnable.Settled() && waited.elapsed() < 20000)
      QApplication::processEvents(QEventLoop::AllEvents, 20);
    return window->Parts().Status.Panel("P_Winnable")->Label()->text();
  }
  // Arrow keys that take the ring to `target`, found by a search over the ring's moves.
  void MoveRingTo(int target) {
    const int keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
    const FocusDirection dirs[] = {FocusDirection::kLeft, FocusDirection::kRight,
                                   FocusDirection::kUp, FocusDirection::kDown};
    std::map<int, std::pair<int, int>> from;  // tile -> (previous tile, key)
    std::deque<int> todo{focus()};
    from[focus()] = {-1, 0};
    while (!todo.empty() && !from.count(target)) {
      const int at = todo.front();
      todo.pop_front();
      for (int d = 0; d < 4; ++d) {
        const int next = NextFocusTile(board(), at, dirs[d]);
        if (next >= 0 && !from.count(next)) {
          from[next] = {at, keys[d]};
          todo.push_back(next);
        }
      }
    }
    ASSERT_TRUE(from.count(target)) << "tile " << target << " cannot be reached by arrows";
    std::vector<int> path;
    for (int t = target; from[t].first >= 0; t = from[t].first) path.push_back(from[t].second);
    for (auto k = path.rbegin(); k != path.rend(); ++k) Key(*k);
    ASSERT_EQ(focus(), target);
  }

  test::TempDir dir;
  std::unique_ptr<TF_Main> window;
};

TEST(KeyPlay, AWholeGameClearedWithKeysOnly) {
  KeyWorld world;
  QTimer modal;  // the congratulation and the chooser after the win
  QObject::connect(&modal, &QTimer::timeout, [] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->reject();
  });
  modal.start(5);
  EXPECT_EQ(world.focus(), -1);
  world.Key(Qt::Key_Right);  // the first arrow only shows the ring
  ASSERT_GE(world.focus(), 0);
  EXPECT_TRUE(world.board().Tiles[std::size_t(world.focus())].Free);
  EXPECT_EQ(world.Verdict(), "Winnable");
  // The ring goes with the next mouse move, and comes back with the next arrow.
  test::Mouse(world.window->Parts().Field, QEvent::MouseMove, QPoint(3, 3), Qt::NoButton);
  EXPECT_EQ(world.focus(), -1);
  world.Key(Qt::Key_Left);
  ASSERT_GE(world.focus(), 0);

  const Solution solution = world.window->CurrentGame().DealSolution();
  for (int left = 144; left > 0; left -= 2) {
    const int a = solution.Steps[std::size_t(left - 1)].Slot;
    const int b = solution.Steps[std::size_t(left - 2)].Slot;
    if (left == 100) {  // Escape lets the selection go
      world.MoveRingTo(a);
      world.Key(Qt::Key_Space);
      world.Key(Qt::Key_Escape);
      ASSERT_EQ(world.window->CurrentGame().SelectedTile(), kNoTile);
    }
    ASSERT_NO_FATAL_FAILURE(
        world.RemoveWithKeys(a, b, Qt::Key_Space, left % 4 == 0 ? Qt::Key_Return : Qt::Key_Enter));
    ASSERT_EQ(world.board().Game.TilesLeft, left - 2);
    // The ring never stays on an empty spot.
    if (left > 2) {
      ASSERT_TRUE(world.board().Tiles[std::size_t(world.focus())].Free);
    }
  }
  // Nothing left to ring.
  world.Key(Qt::Key_Down);
  EXPECT_EQ(world.focus(), -1);
}

TEST(WinnablePanel, SaysSoAtOnceAfterALosingMoveAndAgainAfterUndo) {
  KeyWorld world;
  const Solution solution = world.window->CurrentGame().DealSolution();
  // Follow the deal's own line until a free pair appears whose removal loses.
  for (int left = 144; left > 2; left -= 2) {
    const MODE_P& b = world.board();
    for (int x = 0; x < 144; ++x)
      for (int y = x + 1; y < 144; ++y) {
        if (!b.Tiles[x].Present || !b.Tiles[x].Free || !b.Tiles[y].Present || !b.Tiles[y].Free ||
            b.Tiles[x].MatchClass != b.Tiles[y].MatchClass)
          continue;
        MODE_P after = b;
        after.Tiles[x].Present = after.Tiles[y].Present = false;
        SolveLimits limits;
        limits.maxTime = std::chrono::milliseconds(2000);
        if (DecideWinnable(after, limits).verdict != Verdict::kNotWinnable) continue;
        EXPECT_EQ(world.Verdict(), "Winnable");
        ASSERT_NO_FATAL_FAILURE(world.RemoveWithKeys(x, y));
        ASSERT_EQ(world.board().Game.TilesLeft, left - 2);
        ASSERT_GT(world.board().Game.MovesAvailable, 0);  // not stuck yet, already lost
        EXPECT_EQ(world.Verdict(), "Not winnable");
        world.window->Parts().Menus.MI_GameUndo->trigger();
        EXPECT_EQ(world.Verdict(), "Winnable");
        // Hidden, and written to the settings only now that it differs from the default.
        world.window->Parts().Menus.MI_OptionsShowWinnable->trigger();
        EXPECT_FALSE(world.window->Parts().Status.Panel("P_Winnable")->isVisible());
        world.window->close();
        std::stringstream ini;
        ini << std::ifstream(world.dir.path() / "tilvane.ini").rdbuf();
        EXPECT_NE(ini.str().find("ShowWinnable"), std::string::npos);
        return;
      }
    ASSERT_NO_FATAL_FAILURE(world.RemoveWithKeys(solution.Steps[std::size_t(left - 1)].Slot,
                                                 solution.Steps[std::size_t(left - 2)].Slot));
  }
  FAIL() << "no losing move met";
}

}  // namespace
}  // namespace tv
