// SPDX-License-Identifier: GPL-3.0-or-later
// The layout editor in the main window, driven by mouse, keys, menus and the
// open/save dialog as a designer would, on copies of the shipped content.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "app/field_widget.h"
#include "app/layout_commands.h"
#include "app/main_editor.h"
#include "app/main_menus.h"
#include "app/main_window.h"
#include "app/program_folder.h"
#include "app/startup.h"
#include "app/status_bars.h"
#include "app/widget_events.h"
#include "library/opensave.h"
#include "support/temp_dir.h"

namespace tv {
namespace {

namespace fs = std::filesystem;

struct EditorWorld {
  EditorWorld() {
    test::App();
    test::CopyPlayContent(dir.path());
    StartOptions options;
    options.ProgramDir = dir.dir();
    options.MessageBox = [this](const std::string& text, int) {
      messages.push_back(text);
      return answer;
    };
    options.ShowSplash = options.HoldSplash = options.Pauses = false;
    window = StartProgram(options, std::chrono::steady_clock::now());
    window->resize(1024, 720);
    window->show();
    QApplication::processEvents();
    RunPendingStart();
    window->Parts().Menus.MI_LayoutCreate->trigger();
  }
  void RunPendingStart() {
    window->Parts().NewGameTimer->stop();
    window->T_NewGameTimer();
    QApplication::processEvents();
  }
  const MODE_P& board() const { return window->CurrentGame().Board(); }
  // A point inside cell (x, y) of level 0.
  QPoint Cell(int x, int y) const {
    const GAME_P& g = board().Game;
    return {g.OriginX + x * (g.FaceWidth / 2) + 2, g.OriginY + y * (g.FaceHeight / 2) + 2};
  }
  void Put(int x, int y, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    test::MouseMove(window->Parts().Field, Cell(x, y), mods);
    test::Mouse(window->Parts().Field, QEvent::MouseButtonPress, Cell(x, y), Qt::LeftButton, mods);
    test::MouseRelease(window->Parts().Field, Cell(x, y));
  }
  // Answers the open/save dialog with `name` as soon as it shows.
  void AnswerDialog(const std::string& name) {
    QTimer::singleShot(0, [this, name] {
      TF_OpenSave* dialog = window->Parts().Library.OpenSave();
      dialog->NameEdit()->setText(QString::fromStdString(name));
      dialog->OkButton()->click();
    });
  }
  QString Status(const char* panel) const {
    return window->Parts().Status.Panel(panel)->Label()->text();
  }
  QString Title() const { return window->windowTitle(); }

  test::TempDir dir;
  int answer = kAnswerYes;
  std::vector<std::string> messages;
  std::unique_ptr<TF_Main> window;
};

// Draw with the mirror, undo and redo, save, play the new layout to its end, edit it again.
TEST(EditorWindow, DrawSavePlayAndComeBack) {
  EditorWorld w;
  EXPECT_EQ(w.Title(), "Tilvane - new");
  EXPECT_EQ(w.Status("P_EditTiles"), "Tiles: 0");
  w.Put(0, 0);
  w.Put(8, 0);
  w.Put(2, 0, Qt::ShiftModifier);  // and its mirror at 6
  w.Put(4, 0);
  w.Put(4, 0);  // not moved: on top of the last one
  EXPECT_EQ(w.board().Game.TileCount, 6);
  EXPECT_EQ(w.board().Tiles[5].Z, 1);
  EXPECT_EQ(w.Status("P_EditTiles"), "Tiles: 6");
  EXPECT_EQ(w.Title(), "Tilvane - new*");
  const QPalette dealable = w.window->Parts().Status.Panel("P_EditFree")->Label()->palette();
  EXPECT_EQ(dealable.color(QPalette::WindowText), QColor(Qt::black));

  test::TypeKey(w.window.get(), Qt::Key_Z, {}, Qt::ControlModifier);
  const QPalette odd = w.window->Parts().Status.Panel("P_EditFree")->Label()->palette();
  EXPECT_NE(odd.color(QPalette::WindowText), QColor(Qt::black));
  test::TypeKey(w.window.get(), Qt::Key_Z, {}, Qt::ControlModifier);
  test::TypeKey(w.window.get(), Qt::Key_Z, {}, Qt::ControlModifier);
  EXPECT_EQ(w.board().Game.TileCount, 2);  // the mirrored pair went in one step
  test::TypeKey(w.window.get(), Qt::Key_Y, {}, Qt::ControlModifier);
  test::TypeKey(w.window.get(), Qt::Key_Z, {}, Qt::ControlModifier | Qt::ShiftModifier);
  test::TypeKey(w.window.get(), Qt::Key_Y, {}, Qt::ControlModifier);
  EXPECT_EQ(w.board().Game.TileCount, 6);

  w.AnswerDialog("mine");
  w.window->Parts().Toolbars.B_FileSave->click();
  EXPECT_EQ(w.Title(), "Tilvane - mine");
  ASSERT_TRUE(fs::exists(w.dir.path() / "layouts" / "mine.mah"));
  test::TypeKey(w.window.get(), Qt::Key_Left);  // a shift is no change to save
  EXPECT_EQ(w.Title(), "Tilvane - mine");

  w.window->Parts().Toolbars.B_FilePlay->click();  // saved: no dialog
  ASSERT_EQ(w.window->CurrentGame().Mode(), BoardMode::kPlay);
  w.RunPendingStart();
  const Game& game = w.window->CurrentGame();
  ASSERT_EQ(game.PlayBoard().LayoutName(), "mine");
  ASSERT_EQ(game.PlayBoard().Game.TilesLeft, 6);
  EXPECT_NE(w.window->Parts().Library.Library().FindLayout("mine"), nullptr);
  // The won game's record dialog and the chooser after it are closed as they show.
  QTimer modal;
  QObject::connect(&modal, &QTimer::timeout, [] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->reject();
  });
  modal.start(5);
  for (int left = 6; left > 0; left -= 2) {
    for (int k : {left - 1, left - 2}) {
      const TILE_P& t = game.PlayBoard().Tiles[std::size_t(game.DealSolution().Steps[k].Slot)];
      test::MouseClick(w.window->Parts().Field, {t.Left + game.PlayBoard().Game.FaceWidth / 2,
                                                 t.Top + game.PlayBoard().Game.FaceHeight / 2});
    }
    ASSERT_EQ(game.PlayBoard().Game.TilesLeft, left - 2);
  }
  w.window->Parts().Menus.MI_LayoutEdit->trigger();
  EXPECT_EQ(w.board().Game.TileCount, 6);
  EXPECT_EQ(w.Title(), "Tilvane - mine");
}

TEST(EditorWindow, RefusalsQuestionsAndFailedWrites) {
  EditorWorld w;
  w.window->Parts().Menus.MI_FileSave->trigger();
  EXPECT_EQ(w.messages.back(), "There are no tiles on the field!");
  w.Put(0, 0);
  w.window->Parts().Menus.MI_FileSave->trigger();
  EXPECT_EQ(w.messages.back(), "Number of tiles must be even (2,4,8...)!");
  w.Put(2, 0);

  // Cancel keeps the editor, and the window open.
  w.answer = kAnswerCancel;
  w.window->Parts().Menus.MI_FileReturn->trigger();
  EXPECT_EQ(w.messages.back(), "Save layout \"new\" ?");
  EXPECT_EQ(w.window->CurrentGame().Mode(), BoardMode::kEdit);
  EXPECT_FALSE(w.window->close());
  EXPECT_TRUE(w.window->isVisible());

  // A file that cannot be replaced: reported with its name, nothing lost.
  fs::create_directories(w.dir.path() / "layouts" / "blocked.mah" / "inside");
  w.AnswerDialog("blocked");
  w.answer = kAnswerOk;
  w.window->Parts().Menus.MI_FileSave->trigger();
  EXPECT_NE(w.messages.back().find("\"blocked.mah\""), std::string::npos) << w.messages.back();
  EXPECT_EQ(w.Title(), "Tilvane - new*");
  EXPECT_EQ(w.board().Game.TileCount, 2);

  // The Move Field drag: one tile right is two half-units; one undo step.
  w.window->Parts().Menus.MI_EditMove->trigger();
  const QPoint from = w.Cell(1, 1);
  const QPoint to = from + QPoint(w.board().Game.FaceWidth, 0);
  test::MousePress(w.window->Parts().Field, from);
  QMouseEvent drag(QEvent::MouseMove, QPointF(to),
                   w.window->Parts().Field->mapToGlobal(QPointF(to)), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(w.window->Parts().Field, &drag);
  test::MouseRelease(w.window->Parts().Field, to);
  EXPECT_EQ(w.board().Tiles[0].X, 2);
  w.window->Parts().Menus.MI_EditUndo->trigger();
  EXPECT_EQ(w.board().Tiles[0].X, 0);

  // No drops the changes.
  w.answer = kAnswerNo;
  w.window->Parts().Menus.MI_FileNew->trigger();
  EXPECT_EQ(w.board().Game.TileCount, 0);
  EXPECT_EQ(w.Title(), "Tilvane - new");
}

// The menu items, buttons and status show the editor's state as it is, and no key does
// two things.
TEST(EditorWindow, ToolsKeysAndLevelShowWhatIsInForce) {
  EditorWorld w;
  const MainMenus& m = w.window->Parts().Menus;
  const MainToolbars& t = w.window->Parts().Toolbars;
  m.MI_EditMove->trigger();
  m.MI_FileNew->trigger();
  EXPECT_TRUE(m.MI_EditDraw->isChecked());
  EXPECT_TRUE(t.B_EditDraw->isChecked());

  // Undo and redo with empty stacks do nothing, and leave the level mode alone.
  for (Qt::KeyboardModifiers mods :
       {Qt::KeyboardModifiers(Qt::ControlModifier), Qt::ControlModifier | Qt::ShiftModifier}) {
    test::TypeKey(w.window.get(), Qt::Key_Z, {}, mods);
    EXPECT_TRUE(m.MI_EditAutoZ->isChecked());
  }

  // Erase, chosen by the right button or the menu, takes the tile under the pointer at once.
  for (QAction* erase : {static_cast<QAction*>(nullptr), m.MI_EditErase}) {
    w.Put(4, 4);
    if (erase) {
      erase->trigger();
    } else {
      test::MouseClick(w.window->Parts().Field, w.Cell(4, 4), Qt::RightButton);
    }
    ASSERT_TRUE(m.MI_EditErase->isChecked());
    test::MouseClick(w.window->Parts().Field, w.Cell(4, 4));
    EXPECT_EQ(w.board().Game.TileCount, 0);
    m.MI_EditDraw->trigger();
  }

  // The level shown is a real one, after the editor is left and entered again.
  w.Put(4, 4);
  w.Put(4, 4);
  w.answer = kAnswerNo;
  m.MI_FileReturn->trigger();
  w.RunPendingStart();
  m.MI_LayoutEdit->trigger();
  test::MouseMove(w.window->Parts().Field, w.Cell(0, 0));
  const int level = w.Status("P_EditZ").mid(3).toInt();
  EXPECT_TRUE(level >= 0 && level < kEditorLevels) << w.Status("P_EditZ").toStdString();
}

}  // namespace
}  // namespace tv
