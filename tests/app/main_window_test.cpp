// SPDX-License-Identifier: GPL-3.0-or-later
// The main window with real content in a temporary program folder: start-up, a whole
// game won by clicks, hover, solution mode, keys, fallbacks and the settings round trip.
#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QEventLoop>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "app/field_widget.h"
#include "app/framed_label.h"
#include "app/layout_commands.h"
#include "app/startup.h"
#include "app/stats_window.h"
#include "app/status_bars.h"
#include "app/status_panel.h"
#include "app/widget_events.h"
#include "content/help.h"
#include "content/music.h"
#include "content/settings.h"
#include "field/geometry.h"
#include "field/tilesets.h"
#include "game/faces.h"
#include "library/congrat.h"
#include "library/layout_list.h"
#include "library/layouts.h"
#include "library/rename.h"
#include "support/temp_dir.h"

namespace tv {
namespace {

namespace fs = std::filesystem;
using test::App;

const fs::path kData = fs::path(TILVANE_SOURCE_DIR) / "data";

struct Message {
  std::string text;
  int flags;
};

// A program folder holding copies of the shipped content, and the program started in it.
class World {
 public:
  explicit World(std::vector<std::string> tilesets = {"clear", "night", "standard"},
                 bool layouts = true) {
    App();
    fs::create_directories(dir.path() / "tiles");
    for (const auto& entry : fs::directory_iterator(kData / "tiles")) {
      const std::string file = entry.path().filename().string();
      for (const std::string& name : tilesets)
        if (file.rfind(name + "-", 0) == 0 || file == name + ".tiles")
          fs::copy_file(entry.path(), dir.path() / "tiles" / file);
    }
    if (layouts) fs::copy(kData / "layouts", dir.path() / "layouts");
  }

  void CopyHelp() { fs::copy(kData / "help", dir.path() / "help", fs::copy_options::recursive); }

  void WriteSettings(const std::string& text) {
    std::ofstream(dir.path() / "tilvane.ini", std::ios::binary) << text;
  }

  bool Start() {
    StartOptions options;
    options.ProgramDir = dir.dir();
    options.MessageBox = [this](const std::string& text, int flags) {
      messages.push_back({text, flags});
      return kAnswerYes;
    };
    options.ShowSplash = false;
    options.HoldSplash = false;
    options.Pauses = false;
    options.Clock = [this] { return now; };
    window = StartProgram(options, std::chrono::steady_clock::now());
    if (!window) return false;
    window->resize(1024, 720);
    window->show();
    window->activateWindow();
    QApplication::processEvents();
    return true;
  }

  // The T_NewGame tick, without waiting for it.
  void RunPendingStart() {
    ASSERT_TRUE(window->Parts().NewGameTimer->isActive());
    window->Parts().NewGameTimer->stop();
    window->T_NewGameTimer();
    QApplication::processEvents();
  }

  const Game& game() { return window->CurrentGame(); }
  const MODE_P& board() { return game().PlayBoard(); }
  QString Label(const char* name) const { return window->findChild<QLabel*>(name)->text(); }
  QToolButton* Button(const char* name) const { return window->findChild<QToolButton*>(name); }

  // A point of the field where the hit-test finds `slot`, if any part of it shows.
  std::optional<QPoint> FindPoint(int slot) {
    const MODE_P& b = game().Board();
    const TILE_P& t = b.Tiles[std::size_t(slot)];
    for (int dy = 0; dy < b.Game.FaceHeight; ++dy)
      for (int dx = 0; dx < b.Game.FaceWidth; ++dx)
        if (HitTest(b, b.Game.TileCount, t.Left + dx, t.Top + dy, game().SecondTile()) == slot)
          return QPoint(t.Left + dx, t.Top + dy);
    return std::nullopt;
  }
  QPoint PointOn(int slot) {
    const auto point = FindPoint(slot);
    if (!point) ADD_FAILURE() << "no visible point on slot " << slot;
    return point.value_or(QPoint());
  }
  // A present tile, free or blocked as asked, that shows on the field.
  int ShownTile(bool free, int minLevel = 0) {
    for (int i = 0; i < board().Game.TileCount; ++i) {
      const TILE_P& t = board().Tiles[std::size_t(i)];
      if (t.Present && t.Free == free && t.Z >= minLevel && FindPoint(i)) return i;
    }
    return -1;
  }
  void Click(int slot) { test::MouseClick(window->Parts().Field, PointOn(slot)); }

  int PresentCount() {
    int n = 0;
    for (int i = 0; i < board().Game.TileCount; ++i) n += board().Tiles[std::size_t(i)].Present;
    return n;
  }

  test::TempDir dir;
  double now = 46000.5;  // the game's clock, in days
  std::vector<Message> messages;
  std::unique_ptr<TF_Main> window;
};

TEST(MainWindow, StartsToADealtGame) {
  World world;
  ASSERT_TRUE(world.Start());
  EXPECT_TRUE(world.window->Ready());
  EXPECT_EQ(world.window->windowTitle(), "Tilvane");
  world.RunPendingStart();
  const GAME_P& game = world.board().Game;
  EXPECT_EQ(world.board().LayoutName(), "Dragon");
  EXPECT_EQ(game.TileCount, 144);
  EXPECT_EQ(world.PresentCount(), 144);
  EXPECT_EQ(world.window->windowTitle(), "Tilvane - Dragon");
  EXPECT_EQ(world.Label("L_TilesLeft"), "144 Tiles Left");
  EXPECT_EQ(world.Label("L_MovesLeft"), QString("%1 Moves Available").arg(game.MovesAvailable));
  EXPECT_EQ(world.Label("L_ReshufLeft"), "3 Reshuffles Left");
  EXPECT_TRUE(world.window->Parts().ClockTimer->isActive());
  EXPECT_FALSE(world.Button("B_Undo")->isEnabled());
  EXPECT_TRUE(world.Button("B_Hint")->isEnabled());
  EXPECT_TRUE(world.messages.empty());
  // The field shows the picture's own memory.
  EXPECT_EQ(world.window->Parts().Field->Image().constBits(),
            world.window->Parts().FieldPicture.data());
  // Play mode: play toolbar and menus, no edit or solution controls.
  EXPECT_TRUE(world.window->Parts().Toolbars.P_PlayToolbar->isVisible());
  EXPECT_FALSE(world.window->Parts().Toolbars.P_SolToolbar->isVisible());
  EXPECT_FALSE(world.window->Parts().Menus.MI_File->menuAction()->isVisible());
  EXPECT_FALSE(world.window->Parts().Menus.MI_Sol->menuAction()->isVisible());
  EXPECT_TRUE(world.window->Parts().Menus.MI_Game->menuAction()->isVisible());
  // Twenty hidden favourite items are there for the catalogue to fill.
  int favourites = 0;
  for (QAction* a : world.window->Parts().Menus.MI_Favs->actions())
    if (a->objectName().startsWith("Fav")) {
      ++favourites;
      EXPECT_FALSE(a->isVisible());
    }
  EXPECT_EQ(favourites, 20);
}

TEST(MainWindow, WinningByClickingTheSolution) {
  World world;
  ASSERT_TRUE(world.Start());
  world.RunPendingStart();
  // A blocked tile does not react.
  const int blocked = world.ShownTile(false);
  ASSERT_GE(blocked, 0);
  world.Click(blocked);
  EXPECT_EQ(world.game().SelectedTile(), kNoTile);

  // The won game names the record holder, then opens the chooser, which shows it.
  QString shownPlayer;
  QTimer modal;
  QObject::connect(&modal, &QTimer::timeout, [&] {
    QWidget* top = QApplication::activeModalWidget();
    if (auto* congrat = qobject_cast<TF_Congrat*>(top)) {
      congrat->NameEdit()->setText("  Ann Montgomery-Wintergreen of Little Saxby ");
      congrat->findChild<QPushButton*>("B_Ok")->click();
    } else if (auto* chooser = qobject_cast<TF_Layouts*>(top)) {
      shownPlayer = chooser->InfoText("L_BestPlayer");
      chooser->reject();
    }
  });
  modal.start(5);
  const Solution& solution = world.game().DealSolution();
  for (int left = 144; left > 0; left -= 2) {
    const int a = solution.Steps[std::size_t(left - 1)].Slot;
    const int b = solution.Steps[std::size_t(left - 2)].Slot;
    world.Click(a);
    ASSERT_EQ(world.game().SelectedTile(), a);
    world.Click(b);
    ASSERT_EQ(world.board().Game.TilesLeft, left - 2) << "pair at " << left;
    if (left == 144) {
      EXPECT_TRUE(world.Button("B_Undo")->isEnabled());
      EXPECT_TRUE(world.window->Parts().Menus.MI_GameUndo->isEnabled());
    }
    if (left == 72) {
      EXPECT_EQ(world.Label("L_TilesLeft"), "70 Tiles Left");
    }
  }
  EXPECT_EQ(world.PresentCount(), 0);
  EXPECT_EQ(world.Label("L_TilesLeft"), "0 Tiles Left");
  EXPECT_EQ(world.Label("L_MovesLeft"), "0 Moves Available");
  EXPECT_FALSE(world.Button("B_Undo")->isEnabled());
  EXPECT_FALSE(world.Button("B_Hint")->isEnabled());
  EXPECT_FALSE(world.window->Parts().Menus.MI_GameHint->isEnabled());
  EXPECT_FALSE(world.window->Parts().ClockTimer->isActive());
  EXPECT_EQ(world.window->windowTitle(), "Tilvane - Dragon");
  EXPECT_TRUE(world.messages.empty());
  // A long name shows its beginning, shortened.
  EXPECT_TRUE(shownPlayer.startsWith("Ann Mont") && shownPlayer.endsWith(QChar(0x2026)))
      << shownPlayer.toStdString();
  // Counted and written at once, as a restart reads it.
  LayoutLibrary reread({world.dir.dir() + "layouts/", world.dir.dir() + "tilvane.won2", ""});
  ASSERT_TRUE(reread.BuildCatalogue().Ok());
  const LayoutInfo* dragon = reread.FindLayout("Dragon");
  EXPECT_EQ(dragon->Played, 1);
  EXPECT_EQ(dragon->Won, 1);
  EXPECT_EQ(dragon->BestPlayer, "Ann Montgomery-Wintergreen of Little Saxby");
  EXPECT_EQ(dragon->Stars, 3);
}

// A records file that cannot be written is told once, not at every count, name and
// exit, and the congratulation does not announce a record that was not kept.
TEST(MainWindow, AnUnwritableRecordsFileIsToldOnceAndNoRecordIsClaimed) {
  World world;
  fs::create_directories(world.dir.path() / "tilvane.won2");  // a folder in the file's place
  ASSERT_TRUE(world.Start());
  world.RunPendingStart();
  QString title;
  QTimer modal;
  QObject::connect(&modal, &QTimer::timeout, [&] {
    QWidget* top = QApplication::activeModalWidget();
    if (auto* congrat = qobject_cast<TF_Congrat*>(top)) {
      title = congrat->Title()->text();
      congrat->reject();
    } else if (auto* chooser = qobject_cast<TF_Layouts*>(top)) {
      chooser->reject();
    }
  });
  modal.start(5);
  const Solution& solution = world.game().DealSolution();
  for (int left = 144; left > 0; left -= 2) {
    world.Click(solution.Steps[std::size_t(left - 1)].Slot);
    world.Click(solution.Steps[std::size_t(left - 2)].Slot);
  }
  world.window->close();
  EXPECT_EQ(title, "You have won the game!");
  int told = 0;
  for (const Message& m : world.messages) told += m.text.find("records file") != std::string::npos;
  EXPECT_EQ(told, 1);
}

TEST(MainWindow, FavouritesMenuAndTheRecentList) {
  World world;
  world.WriteSettings(
      "[Main]\n   <FavNum> 2\n   <Fav0> fortress\n   <Fav1> gone\n   <RecentNum> 1\n"
      "   <Recent0> Star\n");
  ASSERT_TRUE(world.Start());
  world.RunPendingStart();
  const MainMenus& m = world.window->Parts().Menus;
  EXPECT_TRUE(m.MI_FavsSep->isVisible());
  EXPECT_EQ(m.Favourites[0]->text(), "Fortress");
  EXPECT_FALSE(m.Favourites[1]->isVisible());  // an unknown name is dropped
  m.MI_FavsAdd->trigger();
  EXPECT_EQ(m.Favourites[1]->text(), "Dragon");
  m.MI_FavsAdd->trigger();
  ASSERT_EQ(world.messages.size(), 1u);
  EXPECT_EQ(world.messages[0].text, "\"Dragon\" is already in the Favourites list!");
  m.Favourites[0]->trigger();
  world.RunPendingStart();
  EXPECT_EQ(world.board().LayoutName(), "Fortress");
  EXPECT_EQ(world.window->Parts().Library.Library().Recent().Names(),
            (std::vector<std::string>{"Star", "Dragon", "Fortress"}));

  // Both lists follow a layout renamed in the chooser; a deleted one leaves them.
  LayoutCommands& library = world.window->Parts().Library;
  TF_Layouts* chooser = library.Chooser();
  chooser->show();
  chooser->List(kTagAll)->SelectEntry(library.Library().FindLayout("Dragon"));
  QTimer::singleShot(0, library.Rename(), [&] {
    library.Rename()->NameEdit()->setText("Dragon v1.2");
    library.Rename()->RenameButton()->click();
  });
  chooser->RenameButton()->click();
  EXPECT_EQ(m.Favourites[1]->text(), "dragon v1.2");
  chooser->List(kTagAll)->SelectEntry(library.Library().FindLayout("Star"));
  chooser->DeleteButton()->click();
  chooser->hide();
  world.window->close();
  Settings saved;
  ASSERT_TRUE(LoadSettings(world.dir.dir() + "tilvane.ini", saved).Ok());
  EXPECT_EQ(saved.Favourites, (std::vector<std::string>{"Fortress", "dragon v1.2"}));
  EXPECT_EQ(saved.Recent, (std::vector<std::string>{"dragon v1.2", "Fortress"}));
  EXPECT_TRUE(fs::exists(world.dir.path() / "layouts" / "dragon v1.2.mah"));
}

TEST(MainWindow, MouseShowsTheTileAndCtrlSeesThroughIt) {
  World world;
  ASSERT_TRUE(world.Start());
  world.RunPendingStart();
  FieldWidget* field = world.window->Parts().Field;
  const int freeSlot = world.ShownTile(true, 1);
  const int blockedSlot = world.ShownTile(false);
  ASSERT_GE(freeSlot, 0);
  ASSERT_GE(blockedSlot, 0);
  QLabel* current = world.window->findChild<QLabel*>("L_CurTile");

  test::MouseMove(field, world.PointOn(blockedSlot));
  EXPECT_EQ(current->text().toStdString(),
            FaceName(world.board().Tiles[std::size_t(blockedSlot)].Face));
  EXPECT_EQ(current->palette().color(QPalette::WindowText), QColor(Qt::black));
  EXPECT_EQ(field->cursor().shape(), Qt::ArrowCursor);

  const QImage before = field->Image().copy();
  test::MouseMove(field, world.PointOn(freeSlot));
  EXPECT_EQ(current->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  EXPECT_EQ(field->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(world.game().HoverTile(), kNoTile);

  test::MouseMove(field, world.PointOn(freeSlot), Qt::ControlModifier);
  EXPECT_EQ(world.game().HoverTile(), freeSlot);
  EXPECT_NE(field->Image(), before);  // drawn see-through
  // Moving on with Ctrl held puts the first tile back before the next is seen through.
  test::MouseMove(field, world.PointOn(blockedSlot), Qt::ControlModifier);
  EXPECT_EQ(world.game().HoverTile(), blockedSlot);
  test::KeyRelease(world.window.get(), Qt::Key_Control);
  EXPECT_EQ(world.game().HoverTile(), kNoTile);
  EXPECT_EQ(field->Image(), before);  // and back as it was

  // An empty spot clears the name.
  test::MouseMove(field, {1, 1});
  EXPECT_TRUE(current->text().isEmpty());

  // A pair removed under the pointer: the panel names what lies there now, never the
  // tile that has gone.
  const Solution& solution = world.game().DealSolution();
  const int first = solution.Steps[143].Slot, second = solution.Steps[142].Slot;
  world.Click(first);
  const QPoint point = world.PointOn(second);
  test::MouseMove(field, point);
  test::MouseClick(field, point);
  ASSERT_FALSE(world.board().Tiles[std::size_t(second)].Present);
  const MODE_P& b = world.board();
  const int under = HitTest(b, b.Game.TileCount, point.x(), point.y());
  EXPECT_EQ(current->text().toStdString(),
            under < 0 ? std::string() : FaceName(b.Tiles[std::size_t(under)].Face));
}

TEST(MainWindow, SolutionModeThroughItsToolbarAndKeys) {
  World world;
  ASSERT_TRUE(world.Start());
  world.RunPendingStart();
  const Solution solution = world.game().DealSolution();
  // A removal first: returning restarts the deal.
  world.Click(solution.Steps[143].Slot);
  world.Click(solution.Steps[142].Slot);
  ASSERT_EQ(world.board().Game.TilesLeft, 142);

  world.window->Parts().Menus.MI_GameShowSol->trigger();
  const MainToolbars& bars = world.window->Parts().Toolbars;
  EXPECT_TRUE(bars.P_SolToolbar->isVisible());
  EXPECT_FALSE(bars.P_PlayToolbar->isVisible());
  EXPECT_TRUE(world.window->Parts().Menus.MI_Sol->menuAction()->isVisible());
  EXPECT_FALSE(world.window->Parts().Menus.MI_Game->menuAction()->isVisible());
  EXPECT_FALSE(world.window->Parts().Menus.MI_GameNew->isEnabled());
  EXPECT_EQ(world.PresentCount(), 144);
  EXPECT_FALSE(bars.B_SolPrev->isEnabled());
  EXPECT_FALSE(bars.B_SolFirst->isEnabled());
  EXPECT_TRUE(bars.B_SolNext->isEnabled());
  // The buttons sit centred in their toolbar.
  EXPECT_NEAR(bars.P_SolButtons->geometry().center().x(), bars.P_SolToolbar->width() / 2, 1);

  // Clicks on the field are ignored while the solution is shown. With every tile back, a
  // later step's tile may lie under another, so the click goes to a free tile that shows.
  world.Click(world.ShownTile(true));
  EXPECT_EQ(world.game().SelectedTile(), kNoTile);

  bars.B_SolNext->click();
  EXPECT_EQ(world.board().Game.TilesLeft, 142);
  EXPECT_FALSE(world.board().Tiles[std::size_t(solution.Steps[143].Slot)].Present);
  test::KeyClick(world.window.get(), Qt::Key_Right);
  EXPECT_EQ(world.board().Game.TilesLeft, 140);
  test::KeyClick(world.window.get(), Qt::Key_Left);
  EXPECT_EQ(world.board().Game.TilesLeft, 142);
  test::KeyClick(world.window.get(), Qt::Key_End);
  EXPECT_EQ(world.board().Game.TilesLeft, 2);
  EXPECT_TRUE(world.board().Tiles[std::size_t(solution.Steps[0].Slot)].Present);
  EXPECT_TRUE(world.board().Tiles[std::size_t(solution.Steps[1].Slot)].Present);
  EXPECT_FALSE(bars.B_SolNext->isEnabled());
  EXPECT_FALSE(world.window->Parts().Menus.MI_SolLast->isEnabled());
  test::KeyClick(world.window.get(), Qt::Key_Right);  // disabled: nothing
  EXPECT_EQ(world.board().Game.TilesLeft, 2);
  test::KeyClick(world.window.get(), Qt::Key_Home);
  EXPECT_EQ(world.board().Game.TilesLeft, 144);
  EXPECT_FALSE(bars.B_SolFirst->isEnabled());

  bars.B_SolStop->click();
  EXPECT_FALSE(world.game().SolutionMode());
  EXPECT_TRUE(bars.P_PlayToolbar->isVisible());
  EXPECT_FALSE(bars.P_SolToolbar->isVisible());
  EXPECT_TRUE(world.window->Parts().Menus.MI_GameNew->isEnabled());
  EXPECT_EQ(world.PresentCount(), 144);
  EXPECT_FALSE(bars.B_Undo->isEnabled());
}

TEST(MainWindow, FunctionKeysAndZoomKeys) {
  World world;
  ASSERT_TRUE(world.Start());
  world.RunPendingStart();
  QWidget* w = world.window.get();
  const std::uint32_t firstSeed = world.board().Game.Seed;

  // F5 with nothing selected shows the first pair and moves on.
  test::TypeKey(w, Qt::Key_F5);
  EXPECT_EQ(world.game().HintIndex(), world.board().Game.MovesAvailable > 1 ? 1 : 0);
  EXPECT_EQ(world.game().SelectedTile(), kNoTile);

  const Solution& solution = world.game().DealSolution();
  world.Click(solution.Steps[143].Slot);
  world.Click(solution.Steps[142].Slot);
  ASSERT_EQ(world.board().Game.TilesLeft, 142);
  test::TypeKey(w, Qt::Key_F4);
  EXPECT_EQ(world.board().Game.TilesLeft, 144);
  EXPECT_FALSE(world.Button("B_Undo")->isEnabled());

  // E and R step through the sizes; the commands switch off at the ends.
  const int width = world.board().Game.FaceWidth;
  const QImage before = world.window->Parts().Field->Image().copy();
  test::TypeKey(w, Qt::Key_R, "r");
  const int smaller = world.board().Game.FaceWidth;
  EXPECT_LT(smaller, width);
  // The field was redrawn at the new size: a full redraw changes nothing more.
  const QImage zoomed = world.window->Parts().Field->Image().copy();
  EXPECT_NE(zoomed, before);
  world.window->RedrawAll();
  EXPECT_EQ(world.window->Parts().Field->Image(), zoomed);
  test::TypeKey(w, Qt::Key_E, "e");
  EXPECT_EQ(world.board().Game.FaceWidth, width);
  for (int i = 0; i < 20; ++i) test::TypeKey(w, Qt::Key_E, "e");
  const TILESET_P* tileset = world.window->TileSets().CurTileset;
  ASSERT_NE(tileset, nullptr);
  EXPECT_EQ(world.board().Game.FaceWidth, tileset->Sizes[tileset->SizeCount - 1].W);
  EXPECT_FALSE(world.Button("B_ZoomIn")->isEnabled());
  EXPECT_TRUE(world.Button("B_ZoomOut")->isEnabled());
  for (int i = 0; i < 20; ++i) test::TypeKey(w, Qt::Key_R, "r");
  EXPECT_EQ(world.board().Game.FaceWidth, 20);
  EXPECT_FALSE(world.window->Parts().Menus.MI_OptionsZoomOut->isEnabled());
  EXPECT_EQ(world.game().PlayBoard().Game.FaceWidth, world.game().EditBoard().Game.FaceWidth);

  // F2 asks for a new deal, started by the timer's tick.
  test::TypeKey(w, Qt::Key_F2);
  world.RunPendingStart();
  EXPECT_NE(world.board().Game.Seed, firstSeed);
  EXPECT_EQ(world.board().Game.TilesLeft, 144);
}

TEST(MainWindow, EditModeControlsBeforeTheEditorsTools) {
  World world;
  ASSERT_TRUE(world.Start());
  world.RunPendingStart();
  const MainMenus& menus = world.window->Parts().Menus;
  const MainToolbars& bars = world.window->Parts().Toolbars;
  menus.MI_LayoutEdit->trigger();
  EXPECT_EQ(world.game().Mode(), BoardMode::kEdit);
  EXPECT_TRUE(menus.MI_File->menuAction()->isVisible());
  EXPECT_TRUE(menus.MI_Edit->menuAction()->isVisible());
  EXPECT_FALSE(menus.MI_Game->menuAction()->isVisible());
  EXPECT_TRUE(bars.P_EditToolbar->isVisible());
  EXPECT_FALSE(bars.P_PlayToolbar->isVisible());
  EXPECT_TRUE(world.window->Parts().Status.EditStatus()->isVisible());
  EXPECT_FALSE(world.window->Parts().Status.PlayStatus()->isVisible());
  EXPECT_EQ(world.game().EditBoard().Game.TileCount, world.board().Game.TileCount);
  EXPECT_TRUE(menus.MI_EditDraw->isChecked());
  EXPECT_TRUE(menus.MI_EditAutoZ->isChecked());

  // The custom level stays within 0 to 20.
  bars.B_EditCustomZ->click();
  EXPECT_TRUE(menus.MI_EditCustomZ->isChecked());
  for (int i = 0; i < 25; ++i) bars.B_CustomZUp->click();
  EXPECT_EQ(world.window->Parts().CustomZ, 20);
  EXPECT_EQ(bars.L_CustomZ->text(), "Z: 20");
  for (int i = 0; i < 25; ++i) bars.B_CustomZDown->click();
  EXPECT_EQ(bars.L_CustomZ->text(), "Z: 0");
  test::KeyClick(world.window.get(), Qt::Key_Z);
  EXPECT_TRUE(menus.MI_EditAutoZ->isChecked());
  EXPECT_TRUE(bars.B_EditAutoZ->isChecked());

  // The right button swaps Draw and Erase; from Move it goes to Draw.
  FieldWidget* field = world.window->Parts().Field;
  test::MouseClick(field, {5, 5}, Qt::RightButton);
  EXPECT_TRUE(menus.MI_EditErase->isChecked());
  EXPECT_TRUE(bars.B_EditErase->isChecked());
  test::MouseClick(field, {5, 5}, Qt::RightButton);
  EXPECT_TRUE(menus.MI_EditDraw->isChecked());
  menus.MI_EditMove->trigger();
  EXPECT_TRUE(bars.B_EditMove->isChecked());
  test::MouseClick(field, {5, 5}, Qt::RightButton);
  EXPECT_TRUE(menus.MI_EditDraw->isChecked());

  menus.MI_FileReturn->trigger();
  EXPECT_EQ(world.game().Mode(), BoardMode::kPlay);
  EXPECT_TRUE(bars.P_PlayToolbar->isVisible());
  EXPECT_FALSE(menus.MI_File->menuAction()->isVisible());
  world.RunPendingStart();
  EXPECT_EQ(world.PresentCount(), 144);
}

TEST(MainWindow, ClockFollowsTheGameTimeDigitalAndAnalog) {
  World world;
  ASSERT_TRUE(world.Start());
  world.RunPendingStart();
  FramedLabel* clock = world.window->Parts().Status.ClockLabel();
  EXPECT_EQ(clock->OwnText(), "00:00:00");
  // An hour, a minute and five seconds later (and half a second into the next).
  world.now += (3600 + 65.5) / 86400.0;
  world.window->T_UpdateClockTimer();
  EXPECT_EQ(clock->OwnText(), "01:01:05");
  // The next tick comes just after the next whole second.
  EXPECT_NEAR(world.window->Parts().ClockTimer->interval(), 502, 1);

  // Analog: the hands are drawn over the face and the time moves to the hint.
  QLabel* face = world.window->Parts().Status.ClockImage();
  world.window->SetAnalogClock(true);
  EXPECT_FALSE(clock->isVisible());
  EXPECT_EQ(face->size(), QSize(34, 34));
  const QImage first = face->pixmap().toImage();
  EXPECT_EQ(face->toolTip(), "01:01:05");
  world.now += 20 / 86400.0;  // the second hand moves a third of a turn
  world.window->T_UpdateClockTimer();
  EXPECT_NE(face->pixmap().toImage(), first);
  EXPECT_EQ(face->toolTip(), "01:01:25");
  world.window->SetAnalogClock(false);
  EXPECT_TRUE(clock->isVisible());
  EXPECT_TRUE(face->toolTip().isEmpty());
}

// The clock's text is drawn from looked-up glyphs instead of laid out; it must look
// exactly as the laid-out text would, in the shipped font and with a missing character.
TEST(MainWindow, ClockTextLooksLikeLaidOutText) {
  App();
  const auto flat = [](double) {
    QPixmap frame(120, 20);
    frame.fill(Qt::white);
    return frame;
  };
  for (const QString& text :
       {QString("01:01:05"), QString("12:34:56"), QString::fromUtf8("\u6771 1")}) {
    FramedLabel own(flat, nullptr), laidOut(flat, nullptr);
    for (FramedLabel* label : {&own, &laidOut}) {
      label->setFont(StatusPanelFont());
      label->setAlignment(Qt::AlignCenter);
      label->resize(120, 20);
    }
    own.SetOwnText(text);
    laidOut.setText(text);
    EXPECT_EQ(own.grab().toImage(), laidOut.grab().toImage()) << text.toStdString();
  }
}

TEST(MainWindow, MissingLayoutStartsDragon) {
  World world;
  world.WriteSettings("[PlayMode]\r\n   <Layout> Nowhere\r\n   <Tileset> night\r\n");
  ASSERT_TRUE(world.Start());
  EXPECT_EQ(world.board().LayoutName(), "Dragon");
  EXPECT_EQ(world.window->TileSets().TilesetName, "night");
  EXPECT_TRUE(world.messages.empty());
}

TEST(MainWindow, MissingTilesetFallsBackToStandardThenTheFirst) {
  {
    World world;
    world.WriteSettings("[PlayMode]\r\n   <Layout> Pyramid\r\n   <Tileset> gone\r\n");
    ASSERT_TRUE(world.Start());
    EXPECT_EQ(world.board().LayoutName(), "Pyramid");
    EXPECT_EQ(world.window->TileSets().TilesetName, "standard");
  }
  {
    World world({"night", "clear"});
    world.WriteSettings("[PlayMode]\r\n   <Tileset> gone\r\n");
    ASSERT_TRUE(world.Start());
    EXPECT_EQ(world.window->TileSets().TilesetName, "clear");
  }
}

// Every failure of the start-up ends it with its message and leaves the folder as it was.
TEST(MainWindow, StartUpFailuresWriteNothing) {
  struct Case {
    std::vector<std::string> tilesets;
    bool layouts;
    const char* message;
  } cases[] = {
      {{}, true, "No tilesets found!"},
      {{"standard"}, false, "Could not read layouts file!"},
  };
  for (const Case& c : cases) {
    World world(c.tilesets, c.layouts);
    const auto listing = [&] {
      std::vector<std::string> names;
      for (const auto& e : fs::recursive_directory_iterator(world.dir.path()))
        names.push_back(e.path().string());
      std::sort(names.begin(), names.end());
      return names;
    };
    const auto before = listing();
    EXPECT_FALSE(world.Start());
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_EQ(world.messages[0].text, c.message);
    EXPECT_EQ(listing(), before);
    EXPECT_FALSE(fs::exists(world.dir.path() / "tilvane.ini"));
  }
}

TEST(MainWindow, ClosingWritesSettingsThatTheNextStartReads) {
  World world;
  world.WriteSettings("[PlayMode]\r\n   <Layout> Pyramid\r\n   <Tileset> night\r\n");
  ASSERT_TRUE(world.Start());
  world.RunPendingStart();
  world.window->Parts().Menus.MI_OptionsDrawShadows->trigger();
  world.Button("B_DimBlocked")->click();
  world.window->SetAnalogClock(true);
  EXPECT_FALSE(world.window->Parts().Menus.MI_OptionsDimBlockedTiles->isChecked());
  // F11 goes full screen and back; the place the player left the window is kept.
  QAction* full = world.window->Parts().Menus.MI_OptionsFullScreen;
  for (bool on : {true, false}) {
    test::TypeKey(world.window.get(), Qt::Key_F11);
    EXPECT_EQ(world.window->isFullScreen(), on);
    EXPECT_EQ(full->isChecked(), on);
  }
  world.window->setGeometry(QRect(20, 30, 700, 500));
  QApplication::processEvents();
  world.window->close();
  world.window.reset();

  Settings saved;
  ASSERT_TRUE(LoadSettings((world.dir.path() / "tilvane.ini").string(), saved));
  EXPECT_EQ(saved.LayoutName, "Pyramid");
  EXPECT_EQ(saved.TilesetName, "night");
  EXPECT_FALSE(saved.DrawShadows);
  EXPECT_FALSE(saved.DimLockedTiles);
  EXPECT_EQ(QRect(saved.WindowLeft, saved.WindowTop, saved.WindowWidth, saved.WindowHeight),
            QRect(20, 30, 700, 500));

  ASSERT_TRUE(world.Start());
  EXPECT_EQ(world.window->geometry().topLeft(), QPoint(20, 30));
  EXPECT_EQ(world.board().LayoutName(), "Pyramid");
  EXPECT_FALSE(world.window->Parts().Menus.MI_OptionsDrawShadows->isChecked());
  EXPECT_FALSE(world.window->Parts().Menus.MI_OptionsDimBlockedTiles->isChecked());
  EXPECT_FALSE(world.Button("B_DimBlocked")->isChecked());
  EXPECT_TRUE(world.window->Parts().Status.AnalogClock());
  EXPECT_FALSE(world.window->Parts().Status.ClockLabel()->isVisible());
}

// The zoomed-to size outlives a new layout and a restart while it fits; one that
// no longer fits gives way to the fit rule. Longer Hints is kept too.
TEST(MainWindow, ZoomAndLongerHintsAreRememberedAcrossARestart) {
  World world;
  auto start = [&] {
    world.window.reset();
    ASSERT_TRUE(world.Start());
    world.RunPendingStart();
  };
  start();
  const int fit = world.board().Game.FaceWidth;
  world.window->ZoomTiles(false);
  const int zoomed = world.board().Game.FaceWidth;
  ASSERT_LT(zoomed, fit);
  // Another layout is fitted again; a zoom made on it outlives a restart.
  ASSERT_TRUE(world.window->OpenForPlay("Pyramid"));
  EXPECT_GT(world.board().Game.FaceWidth, zoomed);
  world.window->ZoomTiles(false);
  const int pyramidZoomed = world.board().Game.FaceWidth;
  world.window->Parts().Menus.MI_OptionsLongerHints->trigger();
  world.window->close();
  start();
  EXPECT_EQ(world.board().Game.FaceWidth, pyramidZoomed);
  EXPECT_TRUE(world.window->Parts().Menus.MI_OptionsLongerHints->isChecked());
  EXPECT_TRUE(world.game().LongerHints());

  while (world.window->Parts().Menus.MI_OptionsZoomIn->isEnabled()) world.window->ZoomTiles(true);
  world.window->close();
  start();
  World plain;  // the same layout in the same window, never zoomed
  Settings placed;
  ASSERT_TRUE(LoadSettings((world.dir.path() / "tilvane.ini").string(), placed));
  const auto line = [](const char* key, int value) {
    return "      " + std::string(key) + "=" + std::to_string(value) + "\r\n";
  };
  plain.WriteSettings("[PlayMode]\r\n   <Layout> Pyramid\r\n[Main]\r\n   <MainWindow>\r\n" +
                      line("Left", placed.WindowLeft) + line("Top", placed.WindowTop) +
                      line("Width", placed.WindowWidth) + line("Height", placed.WindowHeight));
  ASSERT_TRUE(plain.Start());
  plain.RunPendingStart();
  EXPECT_EQ(world.board().Game.FaceWidth, plain.board().Game.FaceWidth);
}

// Access keys are unique within each menu and the bar, and clash with no shortcut;
// the game number is copied by a click; the help window goes back and closes.
TEST(MainWindow, AccessKeysGameNumberAndHelpWindow) {
  World world;
  world.CopyHelp();
  ASSERT_TRUE(world.Start());
  world.RunPendingStart();
  const auto& favourites = world.window->Parts().Menus.Favourites;
  QSet<QString> globalKeys;
  auto checkUnique = [&](QAction* menu) {
    QSet<QString> seen;
    for (QAction* a : menu ? menu->menu()->actions() : world.window->menuBar()->actions()) {
      if (a->isSeparator() || std::count(favourites.begin(), favourites.end(), a)) continue;
      const QString key = QKeySequence::mnemonic(a->text()).toString();
      EXPECT_FALSE(key.isEmpty() || seen.contains(key)) << a->text().toStdString();
      seen.insert(key);
      if (!menu) globalKeys.insert(key);
    }
  };
  checkUnique(nullptr);
  for (QAction* top : world.window->menuBar()->actions()) checkUnique(top);
  for (QAction* a : world.window->findChildren<QAction*>())
    for (const QKeySequence& key : a->shortcuts())
      EXPECT_FALSE(globalKeys.contains(key.toString())) << a->text().toStdString();
  test::TypeKey(world.window.get(), Qt::Key_G, "g", Qt::AltModifier);
  EXPECT_EQ(QApplication::activePopupWidget(), world.window->Parts().Menus.MI_Game);
  if (QWidget* popup = QApplication::activePopupWidget()) popup->close();

  world.window->PlayGameNumber(3000000000u);
  world.RunPendingStart();
  EXPECT_EQ(world.Label("L_GameNumber"), "Game 3000000000");
  test::MouseClick(world.window->Parts().Status.Panel("P_GameNumber"));
  EXPECT_EQ(QApplication::clipboard()->text(), "3000000000");
  EXPECT_EQ(world.Label("L_CurTile"), "Game number copied");

  HelpViewer& help = *world.window->Parts().Help;
  help.ShowTopic("cont.htm");
  help.OpenLink(QUrl("play.htm"));
  help.BackButton()->click();
  EXPECT_EQ(help.CurrentTopic(), "cont.htm");
  EXPECT_FALSE(help.BackButton()->isEnabled());
  test::KeyClick(help.Browser(), Qt::Key_Escape);
  EXPECT_FALSE(help.isVisible());
  help.ShowTopic("play.htm");
  help.CloseButton()->click();
  EXPECT_FALSE(help.isVisible());
}

// Down to the smallest window every status panel shows its text whole: none hidden, cut
// by the window's edge, narrower than its text or over another; 1280 keeps the whole texts.
TEST(MainWindow, StatusPanelsShowTheirTextsWholeAtEveryWidth) {
  World world;
  ASSERT_TRUE(world.Start());
  world.window->PlayGameNumber(3000000000u);
  world.RunPendingStart();
  world.window->Parts().Status.Panel("P_Winnable")->SetText("Not winnable");
  world.window->Parts().Status.ShowNote(kGameNumberCopiedNote);
  const QFontMetrics metrics(StatusPanelFont());
  // The window is kept within its screen; the test's screen may be smaller than 1280.
  world.window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  for (const int width : {640, 800, 900, 1024, 1280}) {
    world.window->showNormal();
    world.window->resize(width, width * 5 / 8);
    QApplication::processEvents();
    QWidget* bar = world.window->Parts().Status.PlayStatus();
    ASSERT_EQ(bar->width(), width);
    std::vector<QRect> shown;
    for (const char* name : {"P_TilesLeft", "P_MovesLeft", "P_ReshufLeft", "P_CurTile",
                             "P_Winnable", "P_GameNumber"}) {
      StatusPanel* panel = world.window->Parts().Status.Panel(name);
      SCOPED_TRACE(std::string(name) + " at " + std::to_string(width));
      const QString text = panel->Label()->text();
      ASSERT_TRUE(panel->isVisible());
      EXPECT_FALSE(text.isEmpty());
      EXPECT_TRUE(text == panel->Text() || (width < 1280 && text == ShortStatusText(panel->Text())))
          << text.toStdString();
      if (width == 1280) {
        EXPECT_EQ(panel->y(), bar->findChild<QWidget*>("P_Clock")->y());
      }
      EXPECT_TRUE(bar->rect().contains(panel->geometry())) << panel->x() << "," << panel->y();
      EXPECT_GE(panel->width(), metrics.horizontalAdvance(text) + 8);
      for (const QRect& other : shown) EXPECT_FALSE(other.intersects(panel->geometry()));
      shown.push_back(panel->geometry());
    }
    QWidget* clock = bar->findChild<QWidget*>("P_Clock");
    EXPECT_TRUE(bar->rect().contains(clock->geometry()));
    for (const QRect& other : shown) EXPECT_FALSE(other.intersects(clock->geometry()));
  }
}

// Help asked for from a modal dialog can be used while that dialog stays open, also when
// it was open already before the dialog.
TEST(MainWindow, HelpFromAModalDialogIsNotBlockedByIt) {
  World world;
  world.CopyHelp();
  ASSERT_TRUE(world.Start());
  HelpViewer& help = *world.window->Parts().Help;
  struct BlockWatch : QObject {
    bool blocked = false;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::WindowBlocked) blocked = true;
      if (event->type() == QEvent::WindowUnblocked) blocked = false;
      return false;
    }
  } watch;
  help.installEventFilter(&watch);
  for (bool openBefore : {false, true}) {
    if (openBefore) help.ShowTopic("cont.htm");
    QDialog dialog(world.window.get());
    bool blocked = true, shown = false;
    QTimer::singleShot(0, &dialog, [&] {
      help.ShowTopic("play.htm");
      QApplication::processEvents();
      blocked = watch.blocked;
      shown = help.isVisible();
      help.CloseButton()->click();
      dialog.reject();
    });
    dialog.exec();
    EXPECT_TRUE(shown) << openBefore;
    EXPECT_FALSE(blocked) << openBefore;
  }
  help.ShowTopic("cont.htm");  // from the window again: not modal
  EXPECT_EQ(help.windowModality(), Qt::NonModal);
}

TEST(MainWindow, HelpCommandsAreSilentWithoutTheHelpFolder) {
  World world;
  ASSERT_TRUE(world.Start());
  test::TypeKey(world.window.get(), Qt::Key_F1);
  world.window->Parts().Menus.MI_HelpPlay->trigger();
  EXPECT_FALSE(world.window->Parts().Help->isVisible());
  EXPECT_TRUE(world.messages.empty());
}

TEST(MainWindow, SoundOptionsFromMenuAndButtonSurviveARestart) {
  World world;
  fs::create_directories(world.dir.path() / "music");
  fs::copy_file(fs::path(TILVANE_SOURCE_DIR) / "resources/music/silent.mid",
                world.dir.path() / "music/Quiet.mid");
  ASSERT_TRUE(world.Start());
  TF_Music* music = world.window->Parts().Music;
  EXPECT_TRUE(music->Player().SoundOn());
  // The dialog runs modally: the clicks come from inside its own event loop.
  int shown = 0;
  QTimer::singleShot(0, music, [&] {
    shown += music->isVisible();
    music->PlaySoundBox()->click();
    music->FileList()->item(0)->setCheckState(Qt::Unchecked);
    music->OkButton()->click();
  });
  world.window->Parts().Menus.MI_OptionsMusic->trigger();
  QTimer::singleShot(0, music, [&] {
    shown += music->isVisible();
    music->CancelButton()->click();
  });
  world.Button("B_Music")->click();
  EXPECT_EQ(shown, 2);
  EXPECT_FALSE(music->Player().SoundOn());
  world.window->close();
  world.window.reset();

  ASSERT_TRUE(world.Start());
  EXPECT_FALSE(world.window->Parts().Music->Player().SoundOn());
  EXPECT_FALSE(world.window->Parts().Music->Player().Files().at(0).Ticked);
  EXPECT_TRUE(world.messages.empty());
}

// A reshuffle's replay brings back its tiles, not the tile size it was made at.
TEST(MainWindow, ReplayOfAReshuffleKeepsTheZoomedTileSize) {
  World world;
  ASSERT_TRUE(world.Start());
  world.RunPendingStart();
  world.window->Parts().Menus.MI_GameReshuffle->trigger();
  world.RunPendingStart();
  test::TypeKey(world.window.get(), Qt::Key_R, "r");
  const GAME_P zoomed = world.board().Game;
  const MainToolbars& bars = world.window->Parts().Toolbars;
  world.window->Parts().Menus.MI_GameShowSol->trigger();
  EXPECT_EQ(world.board().Game.FaceWidth, zoomed.FaceWidth);
  bars.B_SolNext->click();
  bars.B_SolStop->click();
  EXPECT_EQ(world.board().Game.FaceWidth, zoomed.FaceWidth);
  EXPECT_EQ(world.board().Game.OriginX, zoomed.OriginX);

  // Where the tiles show at the zoomed size, independent of the board's own fields.
  MODE_P shown = world.board();
  CopyTileGeometry(zoomed, shown.Game);
  PlaceTiles(shown, shown.Game.TileCount);
  auto pointOn = [&](int slot) {
    const TILE_P& t = shown.Tiles[std::size_t(slot)];
    for (int y = t.Top; y < t.Top + zoomed.FaceHeight; ++y)
      for (int x = t.Left; x < t.Left + zoomed.FaceWidth; ++x)
        if (HitTest(shown, shown.Game.TileCount, x, y) == slot) return QPoint(x, y);
    ADD_FAILURE() << "slot " << slot << " does not show";
    return QPoint();
  };
  const int left = world.board().Game.TilesLeft;
  const Solution& solution = world.game().DealSolution();
  const int a = solution.Steps[std::size_t(left - 1)].Slot;
  const int b = solution.Steps[std::size_t(left - 2)].Slot;
  test::MouseClick(world.window->Parts().Field, pointOn(a));
  EXPECT_EQ(world.game().SelectedTile(), a);
  test::MouseClick(world.window->Parts().Field, pointOn(b));
  EXPECT_EQ(world.board().Game.TilesLeft, left - 2);
}

// F1 opens the help of the mode the player is in; Contents stays on its menu item.
TEST(MainWindow, F1OpensTheHelpOfTheCurrentMode) {
  World world;
  world.CopyHelp();
  ASSERT_TRUE(world.Start());
  world.RunPendingStart();
  const MainMenus& menus = world.window->Parts().Menus;
  auto pressF1 = [&] {
    world.window->Parts().Help->hide();
    world.window->activateWindow();
    QApplication::processEvents();
    test::TypeKey(world.window.get(), Qt::Key_F1);
    return world.window->Parts().Help->CurrentTopic();
  };
  EXPECT_EQ(pressF1(), "play.htm");
  menus.MI_GameShowSol->trigger();
  EXPECT_EQ(pressF1(), "solution.htm");
  menus.MI_SolStop->trigger();
  menus.MI_LayoutEdit->trigger();
  EXPECT_EQ(pressF1(), "create.htm");
  menus.MI_HelpContents->trigger();
  EXPECT_EQ(world.window->Parts().Help->CurrentTopic(), "cont.htm");
  EXPECT_TRUE(menus.MI_HelpContents->shortcut().isEmpty());
  // There is no web site: both home-page items show the page about the game.
  for (QAction* home : {menus.MI_HelpCompHome, menus.MI_HelpProdHome}) {
    menus.MI_HelpContents->trigger();
    home->trigger();
    EXPECT_EQ(world.window->Parts().Help->CurrentTopic(), "about.htm");
  }
}

// Shrinking the window never leaves tiles out of reach; a zoomed size stays while it grows.
TEST(MainWindow, ShrinkingTheWindowFitsTheTilesAgain) {
  World world;
  ASSERT_TRUE(world.Start());
  world.RunPendingStart();
  TF_Main& w = *world.window;
  auto resize = [&](int width, int height) {
    w.resize(width, height);
    QApplication::processEvents();
  };
  auto fits = [&] {
    const QSize area = w.AvailableArea();
    return LayoutFits(world.board(), area.width(), area.height());
  };
  resize(700, 520);
  const int small = world.board().Game.FaceWidth;
  EXPECT_TRUE(fits());
  test::TypeKey(&w, Qt::Key_E, "e");
  const int zoomed = world.board().Game.FaceWidth;
  ASSERT_GT(zoomed, small);
  ASSERT_FALSE(fits());
  const int originBefore = world.board().Game.OriginX;
  resize(760, 560);  // larger: the player's size stays, the field is laid out again
  EXPECT_EQ(world.board().Game.FaceWidth, zoomed);
  MODE_P expected = world.board();
  LayOutField(expected, false, w.AvailableArea().width(), w.AvailableArea().height());
  PlaceTiles(expected, expected.Game.TileCount);
  EXPECT_NE(expected.Game.OriginX, originBefore);
  EXPECT_EQ(world.board().Game.OriginX, expected.Game.OriginX);
  EXPECT_EQ(world.board().Tiles[7].Left, expected.Tiles[7].Left);
  const QImage laidOut = w.Parts().Field->Image().copy();
  w.RedrawAll();
  EXPECT_EQ(w.Parts().Field->Image(), laidOut);  // it was redrawn after the lay-out
  resize(660, 500);                              // smaller: the largest size that fits
  EXPECT_TRUE(fits());
  EXPECT_LE(world.board().Game.FaceWidth, small);
  const QSize area = w.AvailableArea();
  const TILESET_P* set = w.TileSets().CurTileset;
  const int best = ChooseTileSize(world.board(), set, area.width(), area.height());
  EXPECT_EQ(world.board().Game.FaceWidth, set->Sizes[std::size_t(best)].W);
  // The redraw after the lay-out shows the tiles where the board now has them.
  const int slot = world.ShownTile(true);
  ASSERT_GE(slot, 0);
  world.Click(slot);
  EXPECT_EQ(world.game().SelectedTile(), slot);
  // Zoomed out and grown back: the tiles are as large as the window allows again.
  test::TypeKey(&w, Qt::Key_R, "r");
  const int reduced = world.board().Game.FaceWidth;
  resize(1000, 740);
  const QSize grown = w.AvailableArea();
  const int fit = ChooseTileSize(world.board(), set, grown.width(), grown.height());
  EXPECT_GT(world.board().Game.FaceWidth, reduced);
  EXPECT_EQ(world.board().Game.FaceWidth, set->Sizes[std::size_t(fit)].W);
}

// A damaged tile sheet costs that size only; with nothing loadable the start stops.
TEST(MainWindow, DamagedTileSheetsFallBackToSizesThatLoad) {
  World world;
  ASSERT_TRUE(world.Start());
  const GAME_P first = world.board().Game;
  world.window.reset();
  const fs::path tiles = world.dir.path() / "tiles";
  auto damage = [](const fs::path& sheet) { std::ofstream(sheet, std::ios::binary) << "junk"; };
  damage(tiles / TileSheetFileName("standard", first.FaceWidth, first.FaceHeight));
  ASSERT_TRUE(world.Start());
  EXPECT_EQ(world.window->TileSets().TilesetName, "standard");
  EXPECT_NE(world.board().Game.FaceWidth, first.FaceWidth);
  EXPECT_TRUE(world.window->Ready());
  world.window.reset();

  // Every sheet of "standard" damaged: another tileset.
  for (const auto& entry : fs::directory_iterator(tiles))
    if (entry.path().filename().string().rfind("standard-", 0) == 0) damage(entry.path());
  ASSERT_TRUE(world.Start());
  EXPECT_EQ(world.window->TileSets().TilesetName, "clear");
  world.window.reset();

  // Nothing loadable: the first failure, then the start-up message.
  for (const auto& entry : fs::directory_iterator(tiles))
    if (entry.path().extension() == ".png") damage(entry.path());
  world.messages.clear();
  EXPECT_FALSE(world.Start());
  ASSERT_EQ(world.messages.size(), 2u);
  EXPECT_EQ(world.messages[0].text.rfind("Could not open picture \"", 0), 0u);
  EXPECT_EQ(world.messages[1].text, "Could not read tiles file!");
}

// While a pair fades, the tile clicked second does not answer the hit-test.
TEST(MainWindow, TheFadingSecondTileIsNotHit) {
  World world;
  ASSERT_TRUE(world.Start());
  world.RunPendingStart();
  const Solution& solution = world.game().DealSolution();
  const int first = solution.Steps[143].Slot;
  const int second = solution.Steps[142].Slot;
  // A point of the second tile where the tile under it shows another name.
  const MODE_P& b = world.board();
  const TILE_P& t = b.Tiles[std::size_t(second)];
  auto nameAt = [&](int x, int y, int skip) {
    const int slot = HitTest(b, b.Game.TileCount, x, y, skip);
    return slot < 0 ? std::string() : FaceName(b.Tiles[std::size_t(slot)].Face);
  };
  std::optional<QPoint> probe;
  for (int y = t.Top; y < t.Top + b.Game.FaceHeight && !probe; ++y)
    for (int x = t.Left; x < t.Left + b.Game.FaceWidth && !probe; ++x)
      if (HitTest(b, b.Game.TileCount, x, y) == second && nameAt(x, y, second) != nameAt(x, y, -1))
        probe = QPoint(x, y);
  ASSERT_TRUE(probe);

  QLabel* current = world.window->findChild<QLabel*>("L_CurTile");
  std::optional<QString> shown;
  world.window->Parts().Field->OnPainted = [&] {
    if (shown || world.game().SecondTile() != second) return;
    test::MouseMove(world.window->Parts().Field, *probe);
    shown = current->text();
  };
  world.Click(first);
  world.Click(second);
  world.window->Parts().Field->OnPainted = nullptr;
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown->toStdString(), nameAt(probe->x(), probe->y(), second));
  EXPECT_EQ(world.board().Game.TilesLeft, 142);
}

// Commands whose feature is not built yet stay disabled, also after the solution.
// A checked command with an icon shows a clear check: the icon itself changes, since the
// menu shows such an item's check only as a faint frame around it.
TEST(MainWindow, CheckedCommandsShowAClearCheck) {
  World world;
  ASSERT_TRUE(world.Start());
  int checkable = 0;
  for (QAction* a : world.window->findChildren<QAction*>()) {
    if (!a->isCheckable() || a->icon().isNull()) continue;
    ++checkable;
    const QIcon icon = a->icon();
    EXPECT_NE(icon.pixmap(QSize(24, 24), QIcon::Normal, QIcon::Off).toImage(),
              icon.pixmap(QSize(24, 24), QIcon::Normal, QIcon::On).toImage())
        << a->objectName().toStdString();
  }
  EXPECT_GE(checkable, 8);  // the options and the editor's tools and level modes
}

TEST(MainWindow, PauseHidesTheTilesAndAGameLeftMidwayContinuesAtTheNextStart) {
  World world;
  ASSERT_TRUE(world.Start());
  world.RunPendingStart();
  QWidget* w = world.window.get();
  const MainMenus& m = world.window->Parts().Menus;
  const fs::path kept = world.dir.path() / "game.sav";
  const Solution& solution = world.game().DealSolution();
  world.Click(solution.Steps[143].Slot);
  world.Click(solution.Steps[142].Slot);
  world.Click(solution.Steps[141].Slot);
  world.Click(solution.Steps[140].Slot);
  ASSERT_EQ(world.board().Game.TilesLeft, 140);
  EXPECT_TRUE(fs::exists(kept));  // written after each move

  // P hides the tiles and rests every game command but New, Restart and help.
  const QImage shown = world.window->Parts().Field->Image().copy();
  test::TypeKey(w, Qt::Key_P, "p");
  ASSERT_TRUE(world.game().Paused());
  EXPECT_TRUE(world.Button("B_Pause")->isChecked());
  EXPECT_NE(world.window->Parts().Field->Image(), shown);
  for (QAction* a : {m.MI_GameUndo, m.MI_GameHint, m.MI_GameReshuffle, m.MI_GameShowSol,
                     m.MI_LayoutChoose, m.MI_GameShuffle, m.MI_LayoutEdit, m.MI_Favs->menuAction()})
    EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
  for (QAction* a : {m.MI_GameNew, m.MI_GameRestart, m.MI_GamePause, m.MI_HelpPlay})
    EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
  // A click on the field goes on, with the tiles as they were.
  world.now += 1.0 / 24;
  test::MouseClick(world.window->Parts().Field, {5, 5});
  EXPECT_FALSE(world.game().Paused());
  EXPECT_EQ(world.window->Parts().Field->Image(), shown);
  EXPECT_TRUE(m.MI_GameShowSol->isEnabled());
  EXPECT_TRUE(m.MI_Favs->menuAction()->isEnabled());

  // Minimised, the game pauses; restored, it goes on.
  world.window->showMinimized();
  QApplication::processEvents();
  EXPECT_TRUE(world.game().Paused());
  world.window->showNormal();
  QApplication::processEvents();
  EXPECT_FALSE(world.game().Paused());

  world.now += 30.0 / 86400;
  test::TypeKey(w, Qt::Key_F4);
  EXPECT_TRUE(world.Button("B_Redo")->isEnabled());
  const MODE_P before = world.board();
  const double played = world.game().PlayedDays(world.now);
  EXPECT_NEAR(played * 86400, 30, 1e-3);  // the hour paused is not in it
  // The process ends without closing the window: the file of the last move (the undo)
  // stays.
  world.window.reset();
  world.now += 2.0 / 24;
  ASSERT_TRUE(world.Start());
  EXPECT_FALSE(world.window->Parts().NewGameTimer->isActive());
  for (int i = 0; i < 144; ++i) {
    EXPECT_EQ(world.board().Tiles[std::size_t(i)].Face, before.Tiles[std::size_t(i)].Face);
    EXPECT_EQ(world.board().Tiles[std::size_t(i)].Present, before.Tiles[std::size_t(i)].Present);
  }
  EXPECT_EQ(world.game().UndoCount(), 1);
  EXPECT_EQ(world.game().RedoCount(), 1);
  EXPECT_NEAR(world.game().PlayedDays(world.now), played, 1e-6);
  test::TypeKey(world.window.get(), Qt::Key_Y, "", Qt::ControlModifier);
  EXPECT_EQ(world.board().Game.TilesLeft, 140);

  // Switched off, the kept game goes at once and the choice is remembered.
  world.window->Parts().Menus.MI_OptionsResume->trigger();
  EXPECT_FALSE(fs::exists(kept));
  world.window->close();
  Settings saved;
  ASSERT_TRUE(LoadSettings((world.dir.path() / "tilvane.ini").string(), saved));
  EXPECT_FALSE(saved.ResumeGame);
  EXPECT_FALSE(fs::exists(kept));
}

}  // namespace
}  // namespace tv

namespace tv {
namespace {

// A game abandoned for a new one and a game left at exit, seen in the statistics after a
// restart: the one left at exit goes on in its own row.
TEST(MainWindow, GamesPlayedShowInTheStatisticsAfterARestart) {
  World world;
  auto start = [&] {
    world.window.reset();
    ASSERT_TRUE(world.Start());
  };
  auto removeOnePair = [&] {
    const Solution solution = world.game().DealSolution();
    const int left = world.board().Game.TilesLeft;
    world.Click(solution.Steps[std::size_t(left - 1)].Slot);
    world.Click(solution.Steps[std::size_t(left - 2)].Slot);
    ASSERT_EQ(world.board().Game.TilesLeft, left - 2);
  };
  start();
  world.RunPendingStart();
  removeOnePair();
  world.window->Parts().Menus.MI_GameNew->trigger();
  world.RunPendingStart();
  removeOnePair();
  world.window->close();
  start();  // the kept game is taken up again
  EXPECT_TRUE(world.board().Game.Counted);
  std::vector<QString> shown;
  QTimer::singleShot(0, world.window.get(), [&] {
    auto* stats = dynamic_cast<TF_Stats*>(QApplication::activeModalWidget());
    if (!stats) return ADD_FAILURE() << "no statistics window";
    auto* list = stats->findChild<QListWidget*>("LB_Layouts");
    shown.push_back(list->currentItem()->text());
    for (int k : {0, 1})
      shown.push_back(stats->findChild<QLabel*>(QString("L_Figure%1").arg(k))->text());
    stats->reject();
  });
  world.Button("B_Stats")->click();
  EXPECT_EQ(shown, (std::vector<QString>{
                       QString::fromStdString(std::string(world.board().LayoutName())), "2", "0"}));
}

}  // namespace
}  // namespace tv
