// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: menus, toolbars, the field and the status bar, in play, solution
// and edit mode. It owns the game and the field pictures and wires the parts that do
// the jobs; its MainHost is the game's host.
#pragma once

#include <QMainWindow>
#include <QRect>
#include <QTimer>
#include <memory>
#include <optional>
#include <string>

#include "app/field_fit.h"
#include "app/game_clock.h"
#include "app/main_host.h"
#include "app/main_menus.h"
#include "app/main_options.h"
#include "app/program.h"
#include "content/settings.h"
#include "field/field_pictures.h"
#include "field/pixel_buffer.h"
#include "field/tilesets.h"
#include "game/edit_controls.h"
#include "game/game.h"
#include "game/game_keeper.h"

namespace tv {

class FieldInput;
class FieldView;
class FieldWidget;
class HelpViewer;
class LayoutCommands;
class MainHistory;
class MainEditor;
class SettingsKeeper;
class MainLooks;
class StatusBars;
class SoundOutput;
class TF_Music;
class TF_Shuffle;
class WinnablePanel;

// The window's parts, for start-up, tests and screenshots: one look inside instead of a
// row of accessors.
struct MainWindowParts {
  const MainMenus& Menus;
  const MainToolbars& Toolbars;
  StatusBars& Status;
  FieldWidget* Field;
  HelpViewer* Help;
  TF_Shuffle* Shuffle;
  TF_Music* Music;
  SoundOutput& Sounds;
  MainLooks& Looks;
  LayoutCommands& Library;
  WinnablePanel& Winnable;
  FieldInput& Input;
  MainEditor& Editor;
  const PixelBuffer& FieldPicture;
  int CustomZ;
  QTimer* NewGameTimer;
  QTimer* ClockTimer;
};

class TF_Main : public QMainWindow, private WindowControls {
  Q_OBJECT

 public:
  // The window's set-up: paths, random seed, tileset scan, geometry, play mode, toolbars
  // and status bar, favourites items, the field picture, cursors, solution mode off.
  explicit TF_Main(const MainOptions& options);
  ~TF_Main() override;

  // Message box routine shared by everything the window owns.
  int Message(const std::string& text, int flags = kMessageOk) override;

  // Start-up (the steps after the windows exist).
  void ApplySettings(const Settings& settings);
  // The remembered layout, else "Dragon", else the first one; false when none reads.
  bool ReadStartLayout();
  // The remembered tileset, else "standard", else the first one, at the size that fits
  // the window (or the nearest that loads, or another tileset); false after its message.
  bool LoadStartTileSize();
  // The tileset at the size that fits the window (with the same fallbacks); false after
  // its message. The caller lays out.
  bool LoadTileset(const TILESET_P* tileset) { return fit_->LoadTileset(tileset); }
  void FinishStartUp();  // lays out, sets the ready flag, requests a new deal
  bool Ready() const { return ready_; }

  // What the window shows, read-only.
  const Settings& ProgramSettings() const { return settings_; }
  const Tilesets& TileSets() const { return tilesets_; }
  const Game& CurrentGame() const { return *game_; }
  const ProgramPaths& Paths() const { return paths_; }

  // Closing writes the settings, the records and the unfinished game; a start-up that
  // has not finished turns that off. While on, changed settings are written soon.
  void SetSaveOnClose(bool save);
  // Closes as File > Exit does but asks nothing: a signal or a session's end.
  void CloseWithoutQuestions();
  // The settings as they stand: what the settings file gets.
  Settings CurrentSettings() const;

  // The available area: the field panel between the toolbar and the status bar, in the
  // field picture's device pixels (the field is laid out and drawn in those).
  QSize AvailableArea() const;

  // Mode switch; `update` also switches menus, toolbar and status bar.
  void SetBoardMode(BoardMode mode, bool update);
  void SetSolutionView(bool on) override;
  void SetPausedView(bool on) override;
  // Keeps the unfinished game on disk after every move.
  void MoveMade() override;
  const GameKeeper& Keeper() const { return *keeper_; }

  // Commands as the menu items and buttons run them.
  void ShowHelpTopic(const std::string& topic);
  void ZoomTiles(bool zoomIn) { fit_->Fit(zoomIn ? TileFit::kZoomIn : TileFit::kZoomOut); }
  void SetAnalogClock(bool analog) { toggles_->SetAnalogClock(analog); }
  // Puts the current deal's number on the clipboard (nothing before the first deal).
  void CopyGameNumber();

  // The window's parts, for start-up, tests and screenshots.
  MainWindowParts Parts();

  // Reads the layout into the play board and fits the tile size to the window;
  // false, without a message, when it cannot be read.
  bool OpenForPlay(const std::string& name);

  // The deal of a game number, started by the next T_NewGame tick.
  void PlayGameNumber(std::uint32_t number) { game_->PlayGameNumber(number); }

  // The timers' handlers.
  void T_NewGameTimer();
  void T_UpdateClockTimer();

  void RedrawAll();
  void LayOutAndRedraw() { fit_->LayOut(); }
  // The largest size of the tileset that fits the window, laid out and redrawn.
  void FitTileSize() { fit_->Fit(TileFit::kWindow); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QRect startArea_;  // the work area filled on a first start
  void BuildWindow();
  void CreateParts();  // in main_window_parts.cpp, with the two below
  void CreateLibrary();
  void CreateHistory();  // in main_history.cpp
  void PlayDailyDeal();
  void CreateEditor();
  void ConnectCommands();
  void Enable(Command command, bool on) override;
  void SetCaption(const std::string& caption) override;
  // Every path that lays the field out ends here: the editor's drag ends, the field is
  // redrawn.
  void AfterLayOut(QSize laidOut);
  void EnterSolutionControls(bool on);
  // After every change of the tiles in play: the focus ring and the winnable verdict.
  void PositionChanged();

  // Handlers.
  void MI_GamePauseClick();
  void ToggleFullScreen();
  void MI_HelpPlayClick();
  void MI_HelpAboutClick();
  void MI_LayoutEditClick(bool create);
  void SaveOnClose();

  ProgramPaths paths_;
  MessageBoxFn messageBox_;
  ClockFn clock_;
  MainHost host_;
  std::unique_ptr<Game> game_;
  Settings settings_;
  Tilesets tilesets_;
  FieldPictures pictures_;
  PixelBuffer fieldPicture_;
  EditControls edit_;
  std::unique_ptr<FieldView> view_;
  std::unique_ptr<FieldInput> input_;
  std::unique_ptr<MainLooks> looks_;
  std::unique_ptr<OptionToggles> toggles_;
  std::unique_ptr<FieldFit> fit_;

  MainMenus menus_{};
  MainToolbars bars_{};
  StatusBars* status_ = nullptr;
  QWidget* P_Field = nullptr;
  QWidget* P_StatusHolder = nullptr;
  FieldWidget* field_ = nullptr;
  HelpViewer* help_ = nullptr;
  TF_Shuffle* shuffle_ = nullptr;
  SoundOutput* sound_ = nullptr;  // the program's sound, from start-up to shutdown
  TF_Music* music_ = nullptr;
  std::unique_ptr<LayoutCommands> library_;
  std::unique_ptr<MainHistory> history_;
  std::unique_ptr<GameKeeper> keeper_;
  bool keeperReported_ = false;  // the first failed write of the unfinished game was shown
  SettingsKeeper* settingsKeeper_ = nullptr;
  std::optional<KeptGame> kept_;  // found at start-up, taken up by FinishStartUp
  bool autoPaused_ = false;       // paused by minimising, so restoring goes on
  WinnablePanel* winnable_ = nullptr;
  std::unique_ptr<MainEditor> editor_;
  QTimer T_NewGame;
  QTimer T_UpdateClock;

  bool ready_ = false;
  bool saveOnClose_ = true;
  bool askOnClose_ = true;
  bool solutionView_ = false;
};

}  // namespace tv
