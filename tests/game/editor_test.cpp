// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's rules through its pointer, with a host that records sounds.
#include "game/editor.h"

#include <gtest/gtest.h>

#include <vector>

#include "test_support.h"

namespace tv {
namespace {

class SoundHost : public NullGameHost {
 public:
  void PlaySound(Sound sound) override { sounds.push_back(sound); }
  std::vector<Sound> sounds;
};

struct EditorWorld {
  explicit EditorWorld(const std::vector<LayoutPosition>& layout = {}) {
    board = test::BoardFrom(layout);
    GAME_P& g = board.Game;
    g.FaceWidth = 40;
    g.FaceHeight = 52;
    g.EdgeWidth = 5;
    g.EdgeHeight = 5;
    g.OriginX = g.OriginY = 10;
    editor.Begin();
  }
  // The pointer over the top-left quarter of cell (x, y) as seen at level z.
  void Point(int x, int y, int z = 0) {
    const GAME_P& g = board.Game;
    px = g.OriginX + z * g.EdgeWidth + x * 20 + 2;
    py = g.OriginY - z * (g.EdgeHeight - 1) + y * 26 + 2;
    editor.PointerMove(px, py);
  }
  void Click(bool mirror = false) { editor.PointerDown(px, py, mirror); }
  const TILE_P& Cursor() const { return board.Tiles[std::size_t(editor.CursorSlot())]; }
  int Count() const { return board.Game.TileCount; }

  int px = 0, py = 0;
  MODE_P board;
  EditControls controls;
  SoundHost host;
  Editor editor{board, controls, host};
};

TEST(Editor, AutoZClimbsDropsAndNeverStacksTwoOnOnePlace) {
  EditorWorld w;
  w.Point(4, 4);
  EXPECT_EQ(w.Cursor().Z, 0);
  w.Click();
  // Checked again at once: a second click without moving goes on top.
  EXPECT_EQ(w.Cursor().Z, 1);
  w.Click();
  EXPECT_EQ(w.Count(), 2);
  EXPECT_EQ(w.board.Tiles[1].Z, 1);
  w.Point(5, 4);  // one half-unit right: overlaps the stack, seen on top of it
  EXPECT_EQ(w.Cursor().Z, 2);
  w.Point(6, 4);  // two half-units right of the stack: clear down to the ground
  EXPECT_EQ(w.Cursor().Z, 0);
  w.Point(4, 4, 2);
  for (int i = 2; i < kEditorLevels; ++i) w.Click();
  EXPECT_EQ(w.Count(), kEditorLevels);
  EXPECT_EQ(w.board.Tiles[20].Z, 20);
  EXPECT_TRUE(w.Cursor().HintMark);  // all 21 levels taken
  w.Click();
  EXPECT_EQ(w.Count(), kEditorLevels);
  EXPECT_EQ(w.host.sounds.back(), Sound::kInvalid);
}

TEST(Editor, CustomZFloatsAndRefusesOverlapsOnItsLevel) {
  EditorWorld w;
  w.editor.SelectZMode(LevelMode::kCustom);
  w.editor.ChangeCustomZ(2);
  w.Point(4, 4, 2);
  EXPECT_FALSE(w.Cursor().HintMark);
  w.Click();
  EXPECT_EQ(w.board.Tiles[0].Z, 2);
  EXPECT_EQ(w.host.sounds.back(), Sound::kPut);
  w.Click();  // same place, not moved
  EXPECT_EQ(w.Count(), 1);
  EXPECT_EQ(w.host.sounds.back(), Sound::kInvalid);
  w.Point(5, 3, 2);
  EXPECT_TRUE(w.Cursor().HintMark);
  w.editor.ChangeCustomZ(-1);
  w.Point(5, 3, 1);  // under the floating tile: allowed
  EXPECT_FALSE(w.Cursor().HintMark);
}

TEST(Editor, PositionsStayStorable) {
  EditorWorld w({{0, 0, 0}});
  w.editor.SelectZMode(LevelMode::kCustom);
  w.Point(kMaxLayoutSpan + 1, 0);
  w.Click();
  EXPECT_EQ(w.Count(), 1);
  EXPECT_EQ(w.host.sounds.back(), Sound::kInvalid);
  EXPECT_FALSE(w.editor.ShiftLayout(-kMaxLayoutSpan - 1, 0));
  EXPECT_EQ(w.board.Tiles[0].X, 0);
  EXPECT_TRUE(w.editor.ShiftLayout(3, 1));
  EXPECT_FALSE(w.editor.Status().Modified);  // a shift saves to the same bytes
}

// What the status and the cursor tile show is what a click would meet: the level under
// the pointer in every tool, always a real one, and a refusal marked before the click.
TEST(Editor, ShownLevelAndMarkMatchWhatAClickMeets) {
  EditorWorld w({{4, 4, 0}, {4, 4, 1}, {4, 4, 2}});
  w.Point(4, 4, 3);
  EXPECT_EQ(w.editor.Status().CursorZ, 3);
  w.editor.SelectTool(EditTool::kErase);
  w.editor.HoverErase(1);
  EXPECT_EQ(w.editor.Status().CursorZ, 1);
  w.editor.HoverErase(-1);
  w.Point(20, 20);
  EXPECT_EQ(w.editor.Status().CursorZ, 0);
  w.editor.SelectTool(EditTool::kMove);
  w.Point(4, 4, 3);
  EXPECT_EQ(w.editor.Status().CursorZ, 3);
  for (LevelMode mode : {LevelMode::kAuto, LevelMode::kCustom}) {
    w.editor.SelectZMode(mode);  // and Draw again
    w.Point(kMaxLayoutSpan + 5, 4);
    EXPECT_TRUE(w.Cursor().HintMark) << int(mode);  // too wide to store
    w.Point(8, 4);
    EXPECT_FALSE(w.Cursor().HintMark) << int(mode);
  }
}

TEST(Editor, UndoRedoAndTheSavedMarker) {
  EditorWorld w({{0, 0, 0}, {2, 0, 0}});
  w.Point(8, 0);
  w.Click();
  w.editor.ShiftLayout(1, 0);
  w.editor.ShiftLayout(1, 0, true);  // one drag, one step
  EXPECT_TRUE(w.editor.Status().Modified);
  w.editor.Undo();
  EXPECT_EQ(w.board.Tiles[0].X, 0);
  EXPECT_EQ(w.Count(), 3);
  w.editor.Undo();
  EXPECT_EQ(w.Count(), 2);
  EXPECT_FALSE(w.editor.Status().Modified);
  EXPECT_FALSE(w.editor.Status().CanUndo);
  w.editor.Redo();
  EXPECT_EQ(w.Count(), 3);
  EXPECT_TRUE(w.editor.Status().Modified);
  w.editor.MarkSaved();
  EXPECT_FALSE(w.editor.Status().Modified);
}

TEST(Editor, ShiftMirrorsAcrossTheCentreLine) {
  EditorWorld w({{0, 0, 0}, {8, 0, 0}});
  w.Point(2, 4);
  w.Click(true);
  ASSERT_EQ(w.Count(), 4);
  EXPECT_EQ(w.board.Tiles[3].X, 6);
  w.editor.SelectTool(EditTool::kErase);
  w.editor.HoverErase(3);
  w.Click(true);
  EXPECT_EQ(w.Count(), 2);
  EXPECT_EQ(w.host.sounds.back(), Sound::kErase);
}

TEST(Editor, The144thTileTakesTheCursorTileAway) {
  std::vector<LayoutPosition> layout;
  for (int i = 0; i < kMaxTiles - 1; ++i) layout.push_back({2 * (i % 12), 2 * (i / 12), 0});
  EditorWorld w(layout);
  EXPECT_FALSE(w.editor.Status().Dealable);  // odd
  w.Point(22, 22);
  w.Click();
  EXPECT_EQ(w.Count(), kMaxTiles);
  EXPECT_FALSE(w.editor.HasCursorTile());
  EXPECT_TRUE(w.editor.Status().Dealable);
  w.editor.SelectTool(EditTool::kErase);
  w.editor.HoverErase(0);
  w.Click();
  w.editor.SelectTool(EditTool::kDraw);
  EXPECT_TRUE(w.editor.HasCursorTile());
}

TEST(Editor, OnlyAnEvenNonEmptyLayoutIsSaved) {
  EXPECT_EQ(CheckLayoutToSave(test::BoardFrom({})).Message(), "There are no tiles on the field!");
  EXPECT_TRUE(CheckLayoutToSave(test::BoardFrom({{0, 0, 0}})).Is(LayoutSaveCheck::kOddTiles));
  EXPECT_EQ(CheckLayoutToSave(test::BoardFrom({{0, 0, 0}, {2, 0, 0}, {4, 0, 0}})).Message(),
            "Number of tiles must be even (2,4,8...)!");
  EXPECT_TRUE(CheckLayoutToSave(test::BoardFrom({{0, 0, 0}, {0, 0, 1}})).Ok());
}

TEST(Editor, DealabilityOfSmallLayouts) {
  EXPECT_TRUE(LayoutDealable(test::BoardFrom({{0, 0, 0}, {2, 0, 0}}), 2));
  EXPECT_FALSE(LayoutDealable(test::BoardFrom({{0, 0, 0}, {0, 0, 1}}), 2));  // one on the other
  EXPECT_FALSE(LayoutDealable(test::BoardFrom({{0, 0, 0}, {2, 0, 0}, {4, 0, 0}}), 3));
}

}  // namespace
}  // namespace tv
