// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the layout editor: entering it, the File commands (New,
// Open, Save, Play, Return to Game), the save question, the editor's tile size, and
// the status texts and caption the editor's rules report.
#pragma once

#include <QObject>
#include <QSize>
#include <functional>
#include <memory>
#include <string>

#include "game/editor.h"
#include "game/game.h"

namespace tv {

class LayoutCommands;
class StatusBars;
class Tilesets;
struct FieldPictures;
struct MainMenus;
struct MainToolbars;

// What the editor needs of the main window, and nothing more.
struct MainEditorCalls {
  std::function<int(const std::string& text, int flags)> Message;
  std::function<QSize()> AvailableArea;
  std::function<void(BoardMode mode)> SetBoardMode;  // with menus, toolbar and status bar
  // A new tile size was loaded: zoom commands set, field laid out and redrawn.
  std::function<void()> AfterTileLoad;
  std::function<void(const std::string& caption)> SetCaption;
  // Reads the layout into the play board and fits the tile size; false when it cannot.
  std::function<bool(const std::string& name)> OpenForPlay;
  std::function<void()> StartNewGame;
  // Whether the window has started (before that the controls only remember a choice).
  std::function<bool()> Ready;
  // The pointer follows the tool in force: a drag ends, the cursor shows the tool.
  std::function<void(EditTool tool)> PointerTool;
  std::function<void()> EraseUnderPointer;
  std::function<void(const std::string& topic)> ShowHelp;
};

class MainEditor {
 public:
  MainEditor(Game& game, GameHost& gameHost, EditControls& controls, Tilesets& tilesets,
             FieldPictures& pictures, LayoutCommands& library, const MainMenus& menus,
             const MainToolbars& bars, StatusBars& status, MainEditorCalls host);

  Editor& Logic() { return editor_; }
  const Editor& Logic() const { return editor_; }

  // The File and Edit items and the editor's own buttons run their commands while
  // `context` lives.
  void Connect(QObject* context);

  // Layout > Create (a new layout) and Layout > Edit (the current one).
  void Enter(bool create);

  // The editor's controls, before and in edit mode: the tool, the level mode and the
  // custom level. The menu items, buttons and mouse cursor follow the tool in force.
  void SelectTool(EditTool tool);
  void ShowTool(EditTool tool, bool always = false);
  void SelectZMode(LevelMode mode);
  void ChangeCustomZ(int delta);

  void FileNew();
  void FileOpen();
  void FilePlay();
  void FileReturn();
  // Whether the edited layout may be dropped (after saving it when asked to).
  bool SavePrompt();
  bool SaveLayout();
  bool OpenLayout(const std::string& name);

 private:
  bool Editing() const;  // started and in edit mode
  void EditorZoom(bool existing);
  void ShowStatus(const EditorStatus& status);
  void ShowCaption(bool modified);

  Game& game_;
  EditControls& controls_;
  Tilesets& tilesets_;
  FieldPictures& pictures_;
  LayoutCommands& library_;
  const MainMenus& menus_;
  const MainToolbars& bars_;
  StatusBars& status_;
  MainEditorCalls host_;
  Editor editor_;
};

}  // namespace tv
