// The main window: menus, toolbars, the field and the status bar, in play, solution
// and edit mode. It owns the game and the field pictures and is the game's host.
#pragma once

#include <QCursor>
#include <QMainWindow>
#include <QTimer>
#include <memory>
#include <string>

#include "app/main_menus.h"
#include "app/program.h"
#include "content/settings.h"
#include "field/field_pictures.h"
#include "field/pixel_buffer.h"
#include "field/render.h"
#include "field/tilesets.h"
#include "game/play.h"

namespace tv {

class FieldWidget;
class HelpViewer;
class MainHost;
class MainLibrary;
class StatusBars;
class TF_Shuffle;

struct MainOptions {
  ProgramPaths Paths;
  MessageBoxFn MessageBox;  // empty: the message box on screen
  bool Pauses = true;       // the animations' pauses; off makes tests fast
};

class TF_Main : public QMainWindow {
  Q_OBJECT

 public:
  // The window's set-up: paths, random seed, tileset scan, geometry, play mode, toolbars
  // and status bar, favourites items, the field picture, cursors, solution mode off.
  explicit TF_Main(const MainOptions& options);
  ~TF_Main() override;

  // Message box routine shared by everything the window owns.
  int Message(const std::string& text, int flags = kMessageOk);

  // Start-up (the steps after the windows exist).
  void ApplySettings();  // settings already loaded into Settings()
  Settings& ProgramSettings() { return settings_; }
  Tilesets& TileSets() { return tilesets_; }
  Game& CurrentGame() { return *game_; }
  const ProgramPaths& Paths() const { return paths_; }
  // Loads the size of `tileset` that fits the window; false after its message.
  bool LoadFittingTileSize(const TILESET_P* tileset);
  void FinishStartUp();  // lays out, sets the ready flag, requests a new deal
  bool Ready() const { return ready_; }

  // Closing: settings (and records) are written unless `SkipSave` was set by a failed
  // start-up.
  void SetSaveOnClose(bool save) { saveOnClose_ = save; }

  // The available area: the field panel between the toolbar and the status bar.
  QSize AvailableArea() const;

  // Mode switch: 0 play, 1 edit; `update` also switches menus, toolbar and status bar.
  void SetBoardMode(int mode, bool update);
  void SetSolutionView(bool on);

  // Commands as the menu items and buttons run them.
  void ShowHelpTopic(const std::string& topic);
  void ZoomTiles(bool zoomIn);
  void ToggleDimBlocked();
  void ToggleDrawShadows();
  void SetAnalogClock(bool analog);

  // Widgets, for tests and screenshots.
  const MainMenus& Menus() const { return menus_; }
  const MainToolbars& Toolbars() const { return bars_; }
  StatusBars& Status() const { return *status_; }
  FieldWidget* Field() const { return field_; }
  HelpViewer* Help() const { return help_; }
  TF_Shuffle* Shuffle() const { return shuffle_; }
  MainLibrary& Library() const { return *library_; }
  // Reads the layout into the play board and fits the tile size to the window;
  // false, without a message, when it cannot be read.
  bool OpenForPlay(const std::string& name);
  const PixelBuffer& FieldPicture() const { return fieldPicture_; }
  int CustomZ() const { return customZ_; }
  QTimer* NewGameTimer() { return &T_NewGame; }
  QTimer* ClockTimer() { return &T_UpdateClock; }

  // Redraws, as the game asks for them.
  FieldMarks Marks() const;
  DrawSwitches Switches() const;
  void RedrawAll();
  void LayOutAndRedraw();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  friend class MainHost;

  void BuildWindow();
  void CreateLibrary();
  void ConnectCommands();
  void Enable(Command command, bool on);
  void EnterSolutionControls(bool on);
  void SetLabel(Label label, const std::string& text);

  // Field input.
  void I_FieldMouseMove(int x, int y, Qt::MouseButtons buttons, Qt::KeyboardModifiers mods);
  void I_FieldMouseDown(int x, int y, Qt::MouseButton button);
  void I_FieldMouseUp(int x, int y, Qt::MouseButton button);
  int HitTestField(int x, int y) const;
  void ShowHover(int slot);
  void ClearHover();

  // Edit mode controls that exist before the editor's tools.
  void SelectTool(int tool);
  void SelectZMode(int mode);
  void ChangeCustomZ(int delta);

  // Handlers.
  void MI_GameShuffleClick();
  void MI_HelpPlayClick();
  void MI_HelpAboutClick();
  void MI_GameClearRecordsClick();
  void MI_LayoutEditClick(bool create);
  void MI_FileReturnClick();
  void SaveOnClose();
  // Milliseconds until just after the next whole second of the game's clock.
  int NextClockTick() const;
  static constexpr int kClockInterval = 250;

  ProgramPaths paths_;
  MessageBoxFn messageBox_;
  bool pauses_;
  std::unique_ptr<MainHost> host_;
  std::unique_ptr<Game> game_;
  Settings settings_;
  Tilesets tilesets_;
  FieldPictures pictures_;
  PixelBuffer fieldPicture_;
  std::unique_ptr<FieldRenderer> renderer_;

  MainMenus menus_{};
  MainToolbars bars_{};
  StatusBars* status_ = nullptr;
  QWidget* P_Field = nullptr;
  QWidget* P_StatusHolder = nullptr;
  FieldWidget* field_ = nullptr;
  HelpViewer* help_ = nullptr;
  TF_Shuffle* shuffle_ = nullptr;
  std::unique_ptr<MainLibrary> library_;
  QCursor dragCursor_;  // cursor 1: a field move in progress
  QCursor moveCursor_;  // cursor 2: the Move tool at rest
  QTimer T_NewGame;
  QTimer T_UpdateClock;

  bool ready_ = false;
  bool saveOnClose_ = true;
  bool solutionView_ = false;
  int editTool_ = 0;
  int zMode_ = 0;
  int customZ_ = 0;
  bool layoutModified_ = false;
  bool dragging_ = false;
  int lastMouseX_ = -1, lastMouseY_ = -1;
};

}  // namespace tv
