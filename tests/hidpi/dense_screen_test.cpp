// SPDX-License-Identifier: GPL-3.0-or-later
// The main window at 1.5 device pixels per point (a program of its own: the ratio is
// fixed when the application object is made).
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <cmath>
#include <filesystem>

#include "app/art.h"
#include "app/field_widget.h"
#include "app/layout_commands.h"
#include "app/main_looks.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "app/status_bars.h"
#include "content/about.h"
#include "content/tiles_dialog.h"
#include "field/geometry.h"
#include "field/tilesets.h"
#include "library/layouts.h"
#include "support/temp_dir.h"

namespace tv {
namespace {

namespace fs = std::filesystem;

constexpr double kRatio = 1.5;
const struct DenseScreen {
  DenseScreen() { setenv("QT_SCALE_FACTOR", "1.5", 1); }
} denseScreen;

class DenseWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "test_hidpi";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
    const fs::path data = fs::path(TILVANE_SOURCE_DIR) / "data";
    fs::copy(data / "tiles", dir.path() / "tiles");
    fs::copy(data / "layouts", dir.path() / "layouts");
    StartOptions options;
    options.ProgramDir = dir.dir();
    options.MessageBox = [](const std::string& text, int) { return ADD_FAILURE() << text, 0; };
    options.ShowSplash = options.HoldSplash = options.Pauses = false;
    window = StartProgram(options, std::chrono::steady_clock::now());
    ASSERT_TRUE(window);
    window->SetSaveOnClose(false);
    window->show();
    QApplication::processEvents();
    window->Parts().NewGameTimer->stop();
    window->T_NewGameTimer();
    QApplication::processEvents();
  }

  // Clicks the logical point over the middle of `slot`'s face.
  void ClickCentre(int slot) {
    const MODE_P& b = window->CurrentGame().Board();
    const TILE_P& t = b.Tiles[std::size_t(slot)];
    const int x = t.Left + b.Game.EdgeWidth + b.Game.FaceWidth / 2;
    const int y = t.Top + b.Game.FaceHeight / 2;
    ASSERT_EQ(HitTest(b, b.Game.TileCount, x, y), slot);
    const QPointF p((x + 0.5) / kRatio, (y + 0.5) / kRatio);
    for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QMouseEvent event(type, p, window->Parts().Field->mapToGlobal(p), Qt::LeftButton,
                        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                        Qt::NoModifier);
      QApplication::sendEvent(window->Parts().Field, &event);
    }
  }

  test::TempDir dir;
  std::unique_ptr<TF_Main> window;
};

TEST_F(DenseWindow, FieldIsLaidOutAndShownInDevicePixels) {
  ASSERT_DOUBLE_EQ(window->Parts().Field->Ratio(), kRatio);
  const QSize panel = window->Parts().Field->parentWidget()->size();
  const QSize area = window->AvailableArea();
  EXPECT_EQ(area,
            QSize(int(std::ceil(panel.width() * kRatio)), int(std::ceil(panel.height() * kRatio))));

  // The largest size that fits the device pixels, larger than one fitting the points.
  const MODE_P& board = window->CurrentGame().PlayBoard();
  const TILESET_P* tileset = window->TileSets().CurTileset;
  const int chosen = ChooseTileSize(board, tileset, area.width(), area.height());
  EXPECT_EQ(board.Game.FaceWidth, tileset->Sizes[std::size_t(chosen)].W);
  EXPECT_GT(chosen, ChooseTileSize(board, tileset, panel.width(), panel.height()));

  // What the widget shows is the picture itself: no scaling blur, no shift, no gap.
  const QImage shown = window->Parts().Field->grab(QRect(QPoint(), panel)).toImage();
  ASSERT_GE(shown.width(), area.width());
  ASSERT_GE(shown.height(), area.height());
  const QImage& picture = window->Parts().Field->Image();
  int differing = 0;
  for (int y = 0; y < area.height(); ++y)
    for (int x = 0; x < area.width(); ++x)
      differing += (shown.pixel(x, y) ^ picture.pixel(x, y)) & 0xFFFFFF ? 1 : 0;
  EXPECT_EQ(differing, 0);

  // The analog clock is drawn at the screen's density too.
  window->SetAnalogClock(true);
  const QPixmap clock = window->Parts().Status.ClockImage()->pixmap();
  EXPECT_EQ(clock.devicePixelRatio(), kRatio);
  EXPECT_EQ(clock.width(), 51);
}

TEST_F(DenseWindow, ClicksAtLogicalCentresSelectAndRemoveTiles) {
  const Game& game = window->CurrentGame();
  const Solution solution = game.DealSolution();
  const int left = game.PlayBoard().Game.TilesLeft;
  const int first = solution.Steps[std::size_t(left - 1)].Slot;
  const int second = solution.Steps[std::size_t(left - 2)].Slot;
  ClickCentre(first);
  EXPECT_EQ(game.SelectedTile(), first);
  ClickCentre(second);
  EXPECT_EQ(game.PlayBoard().Game.TilesLeft, left - 2);
  EXPECT_FALSE(game.PlayBoard().Tiles[std::size_t(first)].Present);
}

TEST_F(DenseWindow, PreviewThumbnailAndAboutBoxAreDrawnInDevicePixels) {
  TF_Layouts* chooser = window->Parts().Library.Chooser();
  chooser->show();
  QApplication::processEvents();
  const QImage& preview = chooser->Preview();
  EXPECT_EQ(preview.size(), QSize(405, 303));
  int face = 0;  // the preview tiles' face colour: the layout was drawn, not just the frame
  for (int y = 0; y < preview.height(); ++y)
    for (int x = 0; x < preview.width(); ++x) face += preview.pixel(x, y) == qRgb(246, 236, 210);
  EXPECT_GT(face, 1000);
  EXPECT_EQ(chooser->findChild<QLabel*>("I_PreviewField")->pixmap().devicePixelRatio(), kRatio);
  chooser->hide();

  TF_Tiles* tiles = window->Parts().Looks.Tiles();
  tiles->show();
  QApplication::processEvents();
  while (tiles->T_AddItemTimer()) {
  }
  const QImage& thumb = tiles->Image(tiles->ImageIndex(0));
  EXPECT_EQ(thumb.size(), QSize(482, 362));
  EXPECT_EQ(thumb.devicePixelRatio(), kRatio);
  tiles->hide();

  TF_About about(false, AboutArt());
  about.show();
  QApplication::processEvents();
  EXPECT_EQ(about.size(), QSize(370, 300));
  EXPECT_EQ(about.findChild<QLabel*>("I_Bkg")->pixmap().size(), QSize(555, 450));
  EXPECT_EQ(about.findChild<QLabel*>("I_Play")->pixmap().size(), QSize(180, 54));

  const QCursor move = ArtCursor("move", kRatio);
  EXPECT_EQ(move.pixmap().size(), QSize(48, 48));
  EXPECT_EQ(move.hotSpot(), QPoint(16, 16));  // in points
}

}  // namespace
}  // namespace tv
