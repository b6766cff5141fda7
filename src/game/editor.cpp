// SPDX-License-Identifier: GPL-3.0-or-later
// The layout editor's rules: cursor tile, placing and erasing, shifting, undo and checks.
#include "game/editor.h"

#include <algorithm>
#include <cstdlib>

#include "game/deal.h"

namespace tv {
namespace {

// Enough for an afternoon's drawing; the oldest steps go first.
constexpr std::size_t kUndoLimit = 1000;
// Remembered verdicts, so undo and redo never deal twice for one layout.
constexpr std::size_t kDealCacheLimit = 256;

}  // namespace

bool CellFree(const MODE_P& board, int x, int y, int z) {
  const int n = std::clamp(board.Game.TileCount, 0, kMaxTiles);
  for (int i = 0; i < n; ++i) {
    const TILE_P& t = board.Tiles[i];
    if (t.Z >= z && std::abs(t.X - x) <= 1 && std::abs(t.Y - y) <= 1) return false;
  }
  return true;
}

int EditPlacedCount(const MODE_P& board) {
  const int n = std::clamp(board.Game.TileCount, 0, kMaxTiles);
  return n < kMaxTiles && board.Tiles[n].Present ? n + 1 : n;
}

Result CheckLayoutToSave(const MODE_P& board) {
  const int count = board.Game.TileCount;
  if (count == 0)
    return Result::Fail(
        LayoutSaveCheck::kNoTiles,
        Text::Template(TV_TRANSLATE_NOOP("Messages", "There are no tiles on the field!")));
  if (count % 2 != 0)
    return Result::Fail(
        LayoutSaveCheck::kOddTiles,
        Text::Template(TV_TRANSLATE_NOOP("Messages", "Number of tiles must be even (2,4,8...)!")));
  return {};
}

bool LayoutDealable(const MODE_P& board, int count) {
  if (count <= 0 || count % 2 != 0 || count > kMaxTiles) return false;
  MODE_P scratch = board;
  scratch.Game.TileCount = count;
  for (int i = 0; i < count; ++i) scratch.Tiles[i].Present = true;
  RandState rand{1};
  Solution solution;
  return Deal(scratch, kDealNew, rand, solution).ok;
}

Editor::Editor(MODE_P& board, EditControls& controls, GameHost& host)
    : board_(board), controls_(controls), host_(host) {}

Editor::Snapshot Editor::Take() const {
  Snapshot s;
  s.Count = board_.Game.TileCount;
  for (int i = 0; i < s.Count; ++i) {
    const TILE_P& t = board_.Tiles[i];
    s.Positions[i] = {t.X, t.Y, t.Z};
  }
  return s;
}

bool Editor::SameLayout(const Snapshot& a, const Snapshot& b) const {
  // The file stores the layout moved to start at 0, so a shift changes nothing saved.
  if (a.Count != b.Count) return false;
  if (a.Count == 0) return true;
  const auto low = [](const Snapshot& s, int axis) {
    int m = s.Positions[0][axis];
    for (int i = 1; i < s.Count; ++i) m = std::min(m, s.Positions[i][axis]);
    return m;
  };
  const int ax = low(a, 0), ay = low(a, 1), bx = low(b, 0), by = low(b, 1);
  for (int i = 0; i < a.Count; ++i) {
    const auto& p = a.Positions[i];
    const auto& q = b.Positions[i];
    if (p[0] - ax != q[0] - bx || p[1] - ay != q[1] - by || p[2] != q[2]) return false;
  }
  return true;
}

void Editor::Remember() {
  undo_.push_back(Take());
  if (undo_.size() > kUndoLimit) undo_.erase(undo_.begin());
  redo_.clear();
}

void Editor::Restore(const Snapshot& snapshot) {
  const bool hadCursor = cursor_;
  const TILE_P cursorTile = cursor_ ? board_.Tiles[board_.Game.TileCount] : TILE_P{};
  if (cursor_) board_.Tiles[board_.Game.TileCount].Present = false;
  cursor_ = false;
  candidate_ = -1;
  board_.Game.TileCount = snapshot.Count;
  for (int i = 0; i < snapshot.Count; ++i) {
    TILE_P& t = board_.Tiles[i];
    t.X = snapshot.Positions[i][0];
    t.Y = snapshot.Positions[i][1];
    t.Z = snapshot.Positions[i][2];
  }
  for (int i = snapshot.Count; i < kMaxTiles; ++i) board_.Tiles[i].Present = false;
  ResetTiles();
  if (controls_.Tool == EditTool::kDraw) {
    MakeCursorTile();
    if (hadCursor && cursor_) {
      TILE_P& c = board_.Tiles[board_.Game.TileCount];
      c.X = cursorTile.X;
      c.Y = cursorTile.Y;
      c.Z = cursorTile.Z;
    }
  }
  AfterChange(true);
  Recheck();
}

void Editor::ResetTiles() {
  for (int i = 0; i < board_.Game.TileCount; ++i) {
    TILE_P& t = board_.Tiles[i];
    t.SheetCol = kEditorTileCol;
    t.SheetRow = kEditorTileRow;
    t.Present = true;
    t.HintMark = false;
  }
}

void Editor::MakeCursorTile() {
  candidate_ = -1;
  ResetTiles();
  const int n = board_.Game.TileCount;
  if (n >= kMaxTiles) {
    cursor_ = false;
    return;
  }
  TILE_P& c = board_.Tiles[n];
  c.X = 0;
  c.Y = 0;
  c.Z = controls_.ZMode == LevelMode::kCustom ? controls_.CustomZ : 0;
  c.Present = true;
  c.SheetCol = kEditorCursorCol;
  c.SheetRow = kEditorTileRow;
  c.HintMark = false;
  c.Free = true;
  cursor_ = true;
}

void Editor::RemoveCursorTile() {
  candidate_ = -1;
  ResetTiles();
  if (!cursor_) return;
  board_.Tiles[board_.Game.TileCount].Present = false;
  cursor_ = false;
  Renumber();
}

void Editor::Renumber() {
  const int n = board_.Game.TileCount;
  for (int i = 0; i < n; ++i) board_.Tiles[i].Index = i;
  if (cursor_) board_.Tiles[n].Index = n;
  // The cursor tile joins the stacking order as the last slot; the count stays the layout's.
  board_.Game.TileCount = PlacedCount();
  BuildStackingOrder(board_);
  board_.Game.TileCount = n;
}

int Editor::CountFreeTiles() {
  board_.Game.FreeCount = MarkFreeTiles(board_);
  return board_.Game.FreeCount;
}

void Editor::PlaceAll() {
  host_.PlaceTiles();
}

bool Editor::Dealable() {
  const int n = board_.Game.TileCount;
  if (n == 0 || n % 2 != 0) return false;
  const Snapshot s = Take();
  std::vector<int> key;
  key.reserve(std::size_t(n) * 3);
  int minX = s.Positions[0][0], minY = s.Positions[0][1];
  for (int i = 1; i < n; ++i) {
    minX = std::min(minX, s.Positions[i][0]);
    minY = std::min(minY, s.Positions[i][1]);
  }
  for (int i = 0; i < n; ++i)
    key.insert(key.end(), {s.Positions[i][0] - minX, s.Positions[i][1] - minY, s.Positions[i][2]});
  if (const auto it = dealCache_.find(key); it != dealCache_.end()) return it->second;
  const bool ok = LayoutDealable(board_, n);
  if (dealCache_.size() >= kDealCacheLimit) dealCache_.clear();
  dealCache_.emplace(std::move(key), ok);
  return ok;
}

void Editor::AfterChange(bool contentChanged) {
  const int free = CountFreeTiles();
  Renumber();
  PlaceAll();
  if (contentChanged) {
    status_.Tiles = board_.Game.TileCount;
    status_.FreeTiles = free;
    status_.Dealable = Dealable();
  }
  host_.RedrawAll();
  Report();
}

void Editor::Report() {
  status_.CursorZ = PointerLevel();
  status_.Modified = !SameLayout(Take(), saved_);
  status_.CanUndo = !undo_.empty();
  status_.CanRedo = !redo_.empty();
  controls_.LayoutModified = status_.Modified;
  if (OnStatus) OnStatus(status_);
}

void Editor::Begin() {
  if (board_.Game.TileCount > kMaxTiles) board_.Game.TileCount = kMaxTiles;
  cursor_ = false;
  for (int i = board_.Game.TileCount; i < kMaxTiles; ++i) board_.Tiles[i].Present = false;
  undo_.clear();
  redo_.clear();
  lastWasShift_ = false;
  saved_ = Take();
  candidate_ = -1;
  ResetTiles();
  if (controls_.Tool == EditTool::kDraw) MakeCursorTile();
  AfterChange(true);
  Recheck();
}

void Editor::NewLayout() {
  for (int i = 0; i < kMaxTiles; ++i) board_.Tiles[i].Present = false;
  board_.Game.TileCount = 0;
  board_.SetLayoutName("new");
  controls_.CustomZ = 0;
  controls_.Tool = EditTool::kDraw;
  Begin();
}

void Editor::MarkSaved() {
  saved_ = Take();
  Report();
}

void Editor::SelectTool(EditTool tool) {
  controls_.Tool = tool;
  lastWasShift_ = false;
  if (tool == EditTool::kDraw) {
    if (!cursor_) MakeCursorTile();
    Renumber();
    PlaceAll();
    if (pointerKnown_) PlaceCursorTile(pointerX_, pointerY_, true);
  } else {
    RemoveCursorTile();
    PlaceAll();
  }
  host_.RedrawAll();
  Report();
}

void Editor::SelectZMode(LevelMode mode) {
  controls_.ZMode = mode;
  if (mode == LevelMode::kCustom && cursor_)
    board_.Tiles[board_.Game.TileCount].Z = controls_.CustomZ;
  if (controls_.Tool != EditTool::kDraw)
    SelectTool(EditTool::kDraw);
  else
    Recheck();
}

void Editor::ChangeCustomZ(int delta) {
  controls_.ChangeCustomZ(delta);
  if (controls_.ZMode == LevelMode::kCustom && cursor_) {
    board_.Tiles[board_.Game.TileCount].Z = controls_.CustomZ;
    Recheck();
  }
}

void Editor::Recheck() {
  if (cursor_ && pointerKnown_) PlaceCursorTile(pointerX_, pointerY_, true);
  Report();
}

bool Editor::LevelOverlap(int x, int y, int z) const {
  for (int i = 0; i < board_.Game.TileCount; ++i) {
    const TILE_P& t = board_.Tiles[i];
    if (t.Z == z && std::abs(t.X - x) <= 1 && std::abs(t.Y - y) <= 1) return true;
  }
  return false;
}

void Editor::CellAt(int z, int px, int py, int& cx, int& cy) const {
  const GAME_P& g = board_.Game;
  const int halfW = std::max(1, g.FaceWidth / 2), halfH = std::max(1, g.FaceHeight / 2);
  int ox = g.OriginX + z * g.EdgeWidth;
  int oy = g.OriginY - z * (g.EdgeHeight - 1);
  if (g.OriginX >= px) ox += g.FaceWidth / 2;
  if (g.OriginY >= py) oy += g.FaceHeight / 2;
  cx = (px - ox) / halfW;
  cy = (py - oy) / halfH;
}

bool Editor::AutoLevel(int px, int py, int& x, int& y, int& z) const {
  for (int level = 0; level < kEditorLevels; ++level) {
    int cx = 0, cy = 0;
    CellAt(level, px, py, cx, cy);
    if (!CellFree(board_, cx, cy, level)) continue;
    x = cx;
    y = cy;
    z = level;
    while (z > 0 && CellFree(board_, x, y, z - 1)) --z;
    return true;
  }
  return false;
}

int Editor::PointerLevel() const {
  int z = 0;
  if (cursor_) {
    z = board_.Tiles[board_.Game.TileCount].Z;
  } else if (candidate_ >= 0 && candidate_ < board_.Game.TileCount) {
    z = board_.Tiles[candidate_].Z;
  } else if (pointerKnown_) {
    int x = 0, y = 0;
    if (!AutoLevel(pointerX_, pointerY_, x, y, z)) z = kEditorLevels - 1;
  }
  return std::clamp(z, 0, kEditorLevels - 1);
}

void Editor::PlaceCursorTile(int px, int py, bool recheck) {
  pointerKnown_ = true;
  pointerX_ = px;
  pointerY_ = py;
  if (!cursor_) {
    if (board_.Game.TileCount >= kMaxTiles) host_.RedrawAll();
    ReportLevel();
    return;
  }
  const int slot = board_.Game.TileCount;
  TILE_P& c = board_.Tiles[slot];
  const int oldX = c.X, oldY = c.Y, oldZ = c.Z;
  const bool oldMark = c.HintMark;
  int x = c.X, y = c.Y, z = c.Z;
  bool mark = false;
  if (controls_.ZMode == LevelMode::kAuto) {
    mark = !AutoLevel(px, py, x, y, z);  // with no level free the tile keeps its place
  } else {
    CellAt(z, px, py, x, y);
    if (x == oldX && y == oldY && !recheck) return;
    mark = LevelOverlap(x, y, z);
  }
  // Too far from the rest to be stored: refused, and shown so before the click.
  mark = mark || !Storable(x, y);
  const bool moved = x != oldX || y != oldY || z != oldZ;
  if (!moved && mark == oldMark && !recheck) return;
  if (moved) {
    // The picture without the tile at its old place, then with it at the new one.
    c.Present = false;
    host_.RedrawAround(slot, true, Repaint::kDeferred);
    c.X = x;
    c.Y = y;
    c.Z = z;
    c.Present = true;
    Renumber();
    PlaceAll();
    host_.RedrawAround(slot, true, Repaint::kDeferred);
  }
  c.HintMark = mark;
  host_.RedrawTile(slot, Repaint::kTileNow);
  Report();
}

bool Editor::Storable(int x, int y) const {
  int minX = x, maxX = x, minY = y, maxY = y;
  for (int i = 0; i < board_.Game.TileCount; ++i) {
    const TILE_P& t = board_.Tiles[i];
    minX = std::min(minX, t.X);
    maxX = std::max(maxX, t.X);
    minY = std::min(minY, t.Y);
    maxY = std::max(maxY, t.Y);
  }
  return maxX - minX <= kMaxLayoutSpan && maxY - minY <= kMaxLayoutSpan;
}

int Editor::MirrorX(int x) const {
  // The centre line is the layout's as it stands, so drawing one half keeps it in place.
  if (board_.Game.TileCount == 0) return x;
  int minX = board_.Tiles[0].X, maxX = minX;
  for (int i = 1; i < board_.Game.TileCount; ++i) {
    minX = std::min(minX, board_.Tiles[i].X);
    maxX = std::max(maxX, board_.Tiles[i].X);
  }
  return minX + maxX - x;
}

bool Editor::CanPut(int x, int y, int z) const {
  if (board_.Game.TileCount >= kMaxTiles || !Storable(x, y)) return false;
  // A layout tile is never put on top of another at its own level, in either mode;
  // Auto Z also keeps the tile from lying under anything.
  if (controls_.ZMode == LevelMode::kAuto) return CellFree(board_, x, y, z);
  return !LevelOverlap(x, y, z);
}

void Editor::AddTile(int x, int y, int z) {
  TILE_P& t = board_.Tiles[board_.Game.TileCount];
  t = TILE_P{};
  t.X = x;
  t.Y = y;
  t.Z = z;
  t.Present = true;
  t.SheetCol = kEditorTileCol;
  t.SheetRow = kEditorTileRow;
  ++board_.Game.TileCount;
}

void Editor::RemoveSlot(int slot) {
  const int n = board_.Game.TileCount;
  for (int i = slot; i + 1 < n; ++i) board_.Tiles[i] = board_.Tiles[i + 1];
  board_.Tiles[n - 1].Present = false;
  --board_.Game.TileCount;
}

void Editor::PointerMove(int px, int py) {
  pointerKnown_ = true;
  pointerX_ = px;
  pointerY_ = py;
  if (controls_.Tool == EditTool::kDraw)
    PlaceCursorTile(px, py);
  else
    ReportLevel();
}

void Editor::ReportLevel() {
  if (PointerLevel() != status_.CursorZ) Report();
}

void Editor::PointerDown(int px, int py, bool mirror) {
  pointerKnown_ = true;
  pointerX_ = px;
  pointerY_ = py;
  lastWasShift_ = false;
  if (controls_.Tool == EditTool::kDraw) {
    if (!cursor_ || board_.Game.TileCount >= kMaxTiles) return;
    if (board_.Tiles[board_.Game.TileCount].HintMark) {
      host_.PlaySound(Sound::kInvalid);
      return;
    }
    const TILE_P placed = board_.Tiles[board_.Game.TileCount];
    if (!Storable(placed.X, placed.Y)) {
      host_.PlaySound(Sound::kInvalid);
      return;
    }
    const int mirrorX = MirrorX(placed.X);
    const bool withMirror = mirror && board_.Game.TileCount > 0 && mirrorX != placed.X;
    Remember();
    cursor_ = false;
    board_.Tiles[board_.Game.TileCount].SheetCol = kEditorTileCol;
    ++board_.Game.TileCount;
    if (withMirror && CanPut(mirrorX, placed.Y, placed.Z)) AddTile(mirrorX, placed.Y, placed.Z);
    if (board_.Game.TileCount < kMaxTiles) {
      TILE_P& c = board_.Tiles[board_.Game.TileCount];
      c = placed;
      c.SheetCol = kEditorCursorCol;
      c.Present = true;
      c.HintMark = false;
      cursor_ = true;
    }
    AfterChange(true);
    host_.PlaySound(Sound::kPut);
    // The new cursor tile stands where the last was put: decide again whether it may.
    Recheck();
  } else if (controls_.Tool == EditTool::kErase) {
    EraseTile(mirror);
  }
}

void Editor::EraseTile(bool mirror) {
  const int slot = candidate_;
  if (slot < 0 || slot >= board_.Game.TileCount) return;
  const TILE_P t = board_.Tiles[slot];
  int other = -1;
  if (mirror) {
    const int mirrorX = MirrorX(t.X);
    for (int i = 0; i < board_.Game.TileCount && mirrorX != t.X; ++i) {
      const TILE_P& o = board_.Tiles[i];
      if (o.X == mirrorX && o.Y == t.Y && o.Z == t.Z) other = i;
    }
  }
  Remember();
  // The higher slot first, so the lower one keeps its number.
  if (other > slot) RemoveSlot(other);
  RemoveSlot(slot);
  if (other >= 0 && other < slot) RemoveSlot(other);
  candidate_ = -1;
  AfterChange(true);
  host_.PlaySound(Sound::kErase);
}

bool Editor::ShiftLayout(int dx, int dy, bool join) {
  const int n = board_.Game.TileCount;
  for (int i = 0; i < n; ++i) {
    const TILE_P& t = board_.Tiles[i];
    if (std::abs(t.X + dx) > kMaxLayoutSpan || std::abs(t.Y + dy) > kMaxLayoutSpan) {
      host_.PlaySound(Sound::kInvalid);
      return false;
    }
  }
  if ((dx != 0 || dy != 0) && n > 0) {
    if (!(join && lastWasShift_)) Remember();
    lastWasShift_ = true;
    for (int i = 0; i < n; ++i) {
      board_.Tiles[i].X += dx;
      board_.Tiles[i].Y += dy;
    }
  }
  AfterChange(false);
  Recheck();
  return true;
}

void Editor::HoverErase(int slot) {
  if (controls_.Tool != EditTool::kErase || slot == candidate_) return;
  const int old = candidate_;
  candidate_ = slot >= 0 && slot < board_.Game.TileCount ? slot : -1;
  if (old >= 0) host_.RedrawTile(old, Repaint::kTileNow);
  if (candidate_ >= 0) host_.RedrawTile(candidate_, Repaint::kTileNow);
  ReportLevel();
}

void Editor::Undo() {
  if (undo_.empty()) return;
  redo_.push_back(Take());
  const Snapshot s = undo_.back();
  undo_.pop_back();
  lastWasShift_ = false;
  Restore(s);
}

void Editor::Redo() {
  if (redo_.empty()) return;
  undo_.push_back(Take());
  const Snapshot s = redo_.back();
  redo_.pop_back();
  lastWasShift_ = false;
  Restore(s);
}

}  // namespace tv
