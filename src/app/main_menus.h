// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands: every menu item and toolbar button with its caption,
// hint, shortcut and picture. The window connects them to its handlers.
#pragma once

#include <QAction>
#include <QMenu>
#include <QToolButton>
#include <QWidget>
#include <array>

#include "game/host.h"

class QMainWindow;
class QLabel;

namespace tv {

constexpr int kFavouriteItems = 20;

struct MainMenus {
  // Top-level menus.
  QMenu* MI_Game = nullptr;
  QMenu* MI_Favs = nullptr;
  QMenu* MI_Layout = nullptr;
  QMenu* MI_Sol = nullptr;
  QMenu* MI_File = nullptr;
  QMenu* MI_Edit = nullptr;
  QMenu* MI_Options = nullptr;
  QMenu* Help1 = nullptr;

  QAction *MI_LayoutChoose, *MI_GameNew, *MI_GameRestart, *MI_GameReshuffle, *MI_GameShuffle,
      *MI_GameUndo, *MI_GameRedo, *MI_GameHint, *MI_GameShowSol, *MI_GamePause, *MI_GameExit;
  QAction *MI_GameDaily, *MI_GameStats, *MI_OptionsNextLayout;
  QAction *MI_FavsAdd, *MI_FavsSep;
  std::array<QAction*, kFavouriteItems> Favourites{};
  QAction *MI_LayoutCreate, *MI_LayoutEdit;
  QAction *MI_SolFirst, *MI_SolPrev, *MI_SolNext, *MI_SolLast, *MI_SolStop;
  QAction *MI_FileNew, *MI_FileOpen, *MI_FileSave, *MI_FilePlay, *MI_FileReturn, *MI_FileExit;
  QAction *MI_EditUndo, *MI_EditRedo;
  QAction *MI_EditDraw, *MI_EditErase, *MI_EditMove, *MI_EditAutoZ, *MI_EditCustomZ;
  QAction *MI_OptionsBkgPic, *MI_OptionsBkgCol, *MI_OptionsTileset, *MI_OptionsZoomIn,
      *MI_OptionsZoomOut, *MI_OptionsDimBlockedTiles, *MI_OptionsDrawShadows,
      *MI_OptionsLongerHints, *MI_OptionsResume, *MI_OptionsMusic, *MI_GameClearRecords;
  QAction* MI_OptionsShowWinnable = nullptr;
  QAction* MI_OptionsFullScreen = nullptr;
  QAction *MI_HelpContents, *MI_HelpPlay, *MI_HelpCompHome, *MI_HelpProdHome, *MI_HelpAbout;
};

struct MainToolbars {
  QWidget* P_ToolbarHolder = nullptr;
  QWidget* P_PlayToolbar = nullptr;
  QWidget* P_EditToolbar = nullptr;
  QWidget* P_SolToolbar = nullptr;
  QWidget* P_SolButtons = nullptr;
  QWidget* P_CustomZ = nullptr;
  QLabel* L_CustomZ = nullptr;

  QToolButton *B_ChooseLayout, *B_New, *B_Restart, *B_Undo, *B_Redo, *B_Hint, *B_Pause, *B_BkgCol,
      *B_BkgPic, *B_Tiles, *B_ZoomIn, *B_ZoomOut, *B_DimBlocked, *B_Stats, *B_Music, *B_PlayHelp;
  QToolButton *B_EditUndo, *B_EditRedo;
  QToolButton *B_FileNew, *B_FileOpen, *B_FileSave, *B_FilePlay, *B_EditDraw, *B_EditErase,
      *B_EditMove, *B_EditAutoZ, *B_EditCustomZ, *B_CustomZDown, *B_CustomZUp, *B_EditHelp;
  QToolButton *B_SolFirst, *B_SolPrev, *B_SolNext, *B_SolLast, *B_SolStop, *B_SolHelp;
};

constexpr int kToolbarHeight = 46;
constexpr int kStatusHeight = 40;

// Fills the window's menu bar.
MainMenus BuildMenus(QMainWindow* window);

// Builds the three toolbars inside a new P_ToolbarHolder under `parent`.
MainToolbars BuildToolbars(QWidget* parent);

// The window's modes and which menus and toolbar each shows (the table in main_menus.cpp).
enum class WindowMode { kPlay, kEdit, kSolution };
void ShowModeControls(const MainMenus& menus, const MainToolbars& bars, WindowMode mode);

// The menu items a command of the game enables (one or two; the second may be null).
std::array<QAction*, 2> CommandItems(const MainMenus& menus, Command command);

// Binds each toolbar button to its menu item: enabling, checking, tooltip and running
// are the item's.
void BindButtons(const MainMenus& menus, const MainToolbars& bars);

// Centres P_SolButtons in the solution toolbar.
void CentreSolutionButtons(MainToolbars& bars);

// The publisher's name on the first home-page item.
constexpr const char* kPublisherName = "Tilvane Games";
// There is no web site: both home-page items show this help page.
constexpr const char* kAboutTopic = "about.htm";

}  // namespace tv
