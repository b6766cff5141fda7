// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the layout library: owns the library (catalogue,
// lists, records) and its dialogs, runs the Favorites menu, the chooser command,
// the counting of games and Clear Players Records.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "game/layout_library.h"
#include "library/library_pictures.h"

class QWidget;

namespace tv {

struct MainMenus;
struct Settings;
class TF_Congrat;
class TF_Layouts;
class TF_OpenSave;
class TF_Rename;

// What the library needs of the main window, and nothing more.
struct LayoutCommandsCalls {
  QWidget* Owner = nullptr;
  std::function<int(const std::string& text, int flags)> Message;
  std::function<void(const std::string& topic)> ShowHelp;
  std::function<std::string()> CurrentLayout;
  // Loads the layout into the play board and fits the tile size; false when it
  // cannot be read.
  std::function<bool(const std::string& name)> OpenForPlay;
  std::function<void()> StartNewGame;
  // The game just counted: its duration in days and the reshuffles used.
  std::function<double()> GameDuration;
  std::function<int()> GameReshuffles;
  // The run through the layouts: a win offers the next one in the chooser's order.
  std::function<bool()> NextLayoutRun;
};

// The library's pictures from the program's art.
LibraryPictures LoadLibraryPictures();

class LayoutCommands {
 public:
  LayoutCommands(const LibraryPaths& paths, LayoutCommandsCalls host, const MainMenus& menus);
  ~LayoutCommands();

  LayoutLibrary& Library() { return library_; }
  TF_Layouts* Chooser();
  TF_Congrat* Congrat() const { return congrat_; }
  TF_Rename* Rename() const { return rename_; }
  TF_OpenSave* OpenSave() const { return openSave_; }

  // Start-up: the lists from the settings file; shutdown: back into them, and
  // the records written.
  void ApplyLists(const Settings& settings);
  void StoreLists(Settings& settings) const;
  void SaveRecords();

  // Back from the editor: the catalogue read again, the lists re-found.
  void Rebuild();

  bool ShowChooser();
  void AddFavourite();
  void OpenFavourite(int k);
  void RebuildFavouritesMenu();
  void CountGame(bool won);
  void AddRecent(const std::string& layoutName);
  void ClearRecords();

 private:
  // Shows a failure; a failed records write only the first time in a session.
  void Report(const Result& result);
  // The layout after the current one in the chooser's order, opened for play.
  bool OpenNextLayout();
  void Connect();

  LayoutLibrary library_;
  LayoutCommandsCalls host_;
  const MainMenus& menus_;
  LibraryPictures pictures_;
  std::function<TF_Layouts*()> makeChooser_;
  TF_Layouts* chooser_ = nullptr;
  TF_Congrat* congrat_ = nullptr;
  TF_Rename* rename_ = nullptr;
  TF_OpenSave* openSave_ = nullptr;
  bool recordsReported_ = false;
  bool nextLayout_ = false;  // the congratulation's "Next layout" was taken
};

}  // namespace tv
