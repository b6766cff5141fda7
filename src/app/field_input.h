// SPDX-License-Identifier: GPL-3.0-or-later
// Mouse and keyboard on the field: selection clicks, the face name and hand cursor under
// the mouse, the see-through view of a tile while Ctrl is held, the solution's stepping
// keys and the editor's mouse buttons and keys.
#pragma once

#include <QCursor>
#include <QPoint>
#include <Qt>
#include <functional>

#include "app/key_play.h"
#include "game/edit_controls.h"

namespace tv {

class Editor;
class FieldView;
class FieldWidget;
class Game;
class StatusBars;
struct MainMenus;

class FieldInput {
 public:
  // Takes the field's mouse events.
  FieldInput(Game& game, FieldView& view, FieldWidget& field, StatusBars& status,
             const MainMenus& menus, const EditControls& edit);

  // Until start-up has finished, field input is ignored.
  void SetReady(bool ready) { ready_ = ready; }
  // The editor's rules, which edit mode's pointer and keys drive.
  void SetEditor(Editor* editor) { editor_ = editor; }

  // The window checks the items and buttons of the tool or level mode chosen here.
  std::function<void(EditTool)> OnSelectTool;
  std::function<void(LevelMode)> OnSelectZMode;

  // Field-picture coordinates.
  void MouseMove(int x, int y, Qt::KeyboardModifiers mods, Qt::MouseButtons buttons = {});
  // Shift held: the editor's mirror helper.
  void MouseDown(int x, int y, Qt::MouseButton button, Qt::KeyboardModifiers mods = {});
  void MouseUp(int x, int y, Qt::MouseButton button);
  // True when the key was used here.
  bool KeyPress(int key, Qt::KeyboardModifiers mods = Qt::NoModifier);
  void KeyRelease(bool autoRepeat);

  // The tile shown see-through goes back to normal.
  void ClearHover();
  void EndDrag() { dragging_ = false; }
  // The Erase tool was chosen: the tile under the pointer is the candidate at once.
  void EraseUnderPointer();
  // The field moved to a screen of another density: an editor cursor on view is drawn again.
  void RatioChanged();
  KeyPlay& Keys() { return keys_; }
  // The tiles changed under the pointer: the tile-name panel names what is there now,
  // never a tile that has gone.
  void AfterPositionChange();

 private:
  int HitTestField(int x, int y) const;
  void EditMouseMove(int x, int y, Qt::MouseButtons buttons);
  bool EditKeyPress(int key, Qt::KeyboardModifiers mods);
  void ShowHover(int slot);
  void NameTile(int slot);

  Game& game_;
  FieldView& view_;
  FieldWidget& field_;
  StatusBars& status_;
  const MainMenus& menus_;
  const EditControls& edit_;
  Editor* editor_ = nullptr;
  // Cursor 1 while a field move is in progress, else cursor 2 (the Move tool at rest),
  // drawn for the field's present density.
  const QCursor& EditCursor(bool drag);
  QCursor dragCursor_;
  QCursor moveCursor_;
  double cursorRatio_ = 0;
  KeyPlay keys_;
  bool ready_ = false;
  bool dragging_ = false;
  QPoint lastMouse_{-1, -1};   // a move event at the same point is no move of the player's
  int namedSlot_ = -1;         // the tile the tile-name panel names
  bool dragShifted_ = false;   // the drag has moved the layout (one undo step)
  int dragX_ = 0, dragY_ = 0;  // the drag's last cell, in whole tiles
};

}  // namespace tv
