// SPDX-License-Identifier: GPL-3.0-or-later
// The layout editor's rules on the editor's board: the cursor tile that follows the
// pointer, placing and erasing with Auto Z or a chosen level, shifting the layout,
// undo and redo, the mirror helper and the verdict whether the layout can be dealt.
// Sounds and redraws go through GameHost; everything the status bar and the caption
// show is handed out as one EditorStatus after each change.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <vector>

#include "game/board.h"
#include "game/edit_controls.h"
#include "game/faces.h"
#include "game/host.h"
#include "game/result.h"

namespace tv {

constexpr int kEditorLevels = 21;
// The layout file stores each coordinate in one byte after moving the layout to 0.
constexpr int kMaxLayoutSpan = 255;

struct EditorStatus {
  int CursorZ = 0;
  int Tiles = 0;
  int FreeTiles = 0;
  bool Dealable = false;  // even, and game number 1 deals
  bool Modified = false;
  bool CanUndo = false;
  bool CanRedo = false;
};

// CellFree: no layout tile (slots below TileCount) at level z or above overlaps the cell.
bool CellFree(const MODE_P& board, int x, int y, int z);

// Slots drawn and placed in edit mode: the layout's, and the cursor tile's when it
// exists (the slot after the layout is present only while it is the cursor tile).
int EditPlacedCount(const MODE_P& board);

// Whether the positions of slots 0..count-1 can be dealt for game number 1.
bool LayoutDealable(const MODE_P& board, int count);

// What stops a layout from being saved: no tiles, or an odd number of them.
enum class LayoutSaveCheck { kNone = 0, kNoTiles, kOddTiles };
// Succeeds for a layout that may be saved; else the code with the player's message.
Result CheckLayoutToSave(const MODE_P& board);

class Editor {
 public:
  Editor(MODE_P& board, EditControls& controls, GameHost& host);

  // Called after every change with what the window shows.
  std::function<void(const EditorStatus&)> OnStatus;

  // A layout was put into the board (entering, a successful open): tiles reset, the
  // history emptied and the state taken as saved.
  void Begin();
  // An empty layout named "new" at custom level 0.
  void NewLayout();
  // The layout was written under the board's name: now the saved state.
  void MarkSaved();

  void SelectTool(EditTool tool);
  void SelectZMode(LevelMode mode);
  void ChangeCustomZ(int delta);

  // Pointer in field-picture coordinates; `mirror` is the Shift key.
  void PointerMove(int px, int py);
  void PointerDown(int px, int py, bool mirror);
  // Moves the cursor tile under the point; `recheck` decides its mark even when its
  // place stays the same (after a placement).
  void PlaceCursorTile(int px, int py, bool recheck = false);
  // False (sound "invalid") when a tile would leave the storable range. `join` makes
  // the shift part of the previous one for undo (one drag, one step).
  bool ShiftLayout(int dx, int dy, bool join = false);
  void Undo();
  void Redo();
  // The Erase tool's tile under the pointer (found by the window's hit-test), or -1.
  void HoverErase(int slot);

  // The field was laid out again: positions of the tiles and the cursor tile.
  void PlaceAll();

  bool HasCursorTile() const { return cursor_; }
  int CursorSlot() const { return cursor_ ? board_.Game.TileCount : -1; }
  int EraseCandidate() const { return candidate_; }
  // The last pointer position on the field, when there was one.
  bool PointerKnown() const { return pointerKnown_; }
  int PointerX() const { return pointerX_; }
  int PointerY() const { return pointerY_; }
  // Tiles placed on the field, with the cursor tile.
  int PlacedCount() const { return board_.Game.TileCount + (cursor_ ? 1 : 0); }
  const EditorStatus& Status() const { return status_; }

 private:
  struct Snapshot {
    int Count = 0;
    std::array<std::array<int, 3>, kMaxTiles> Positions{};
  };
  Snapshot Take() const;
  void Restore(const Snapshot& snapshot);
  void Remember();  // an undo step before a change
  bool SameLayout(const Snapshot& a, const Snapshot& b) const;

  void ResetTiles();
  void MakeCursorTile();
  void RemoveCursorTile();
  void Renumber();
  int CountFreeTiles();
  void AfterChange(bool contentChanged);
  void Report();
  void ReportLevel();  // a report only when the level shown changes
  bool Storable(int x, int y) const;
  int MirrorX(int x) const;  // across the layout's vertical centre line
  bool LevelOverlap(int x, int y, int z) const;
  // The cell under the pointer as seen at level z.
  void CellAt(int z, int px, int py, int& cx, int& cy) const;
  // Auto Z: the lowest level whose cell under the pointer is clear from there up, after
  // sinking; false when all levels are taken.
  bool AutoLevel(int px, int py, int& x, int& y, int& z) const;
  // The level the status shows: the cursor tile's, the erase candidate's, or where a
  // tile would land under the pointer; always a real level.
  int PointerLevel() const;
  bool CanPut(int x, int y, int z) const;
  void AddTile(int x, int y, int z);
  void RemoveSlot(int slot);
  void PlaceCursor();
  void EraseTile(bool mirror);
  void Recheck();
  bool Dealable();

  MODE_P& board_;
  EditControls& controls_;
  GameHost& host_;
  bool cursor_ = false;
  int candidate_ = -1;
  bool pointerKnown_ = false;
  int pointerX_ = 0, pointerY_ = 0;
  std::vector<Snapshot> undo_, redo_;
  bool lastWasShift_ = false;
  Snapshot saved_;
  EditorStatus status_;
  std::map<std::vector<int>, bool> dealCache_;
};

}  // namespace tv
