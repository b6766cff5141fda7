// SPDX-License-Identifier: GPL-3.0-or-later
// The player's choices kept from one run to the next in "tilvane.ini", and their
// reading at start-up and writing at shutdown.
//
// Loading only fills `Settings`; applying the values (menu check marks, the
// clock, the volume and music state, resolving names in the catalogue and the
// music list) belongs to the windows that own them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "content/settings_store.h"

namespace tv {

constexpr int kMaxFavourites = 20;
constexpr int kMaxRecent = 20;
constexpr std::int32_t kMinMusicPause = 5;
constexpr std::int32_t kMaxMusicPause = 300;
constexpr std::int32_t kMaxColor = 0xFFFFFF;
// Far beyond any screen, so a damaged size never makes a window no desktop can hold.
constexpr std::int32_t kMaxWindowExtent = 100000;

struct Settings {
  // Section "PlayMode".
  std::string LayoutName = "Dragon";
  std::string TilesetName = "standard";
  bool AnalogClock = false;
  bool DimLockedTiles = true;
  bool DrawShadows = true;
  std::int32_t BkgColor = 32768;  // red + green * 256 + blue * 65536
  bool UseTexture = true;
  std::string Texture = "li-river";
  // Written only when not at their defaults, so a file of defaults stays as it was.
  bool LongerHints = false;        // the hint shows for 1.5 s and blinks
  bool NextLayoutRun = false;      // a win offers the next layout in the chooser's order
  std::int32_t ZoomFaceWidth = 0;  // face width the player zoomed to; 0: fit the window
  // Written only when off (or when the file holds it off), so a default file stays as it was.
  bool ShowWinnable = true;

  // Section "Main". The lists hold stored names; names the catalogue or the
  // music list no longer knows are dropped by their owners, not here.
  std::vector<std::string> Favourites;
  std::vector<std::string> Recent;  // oldest first
  bool MusicChooseRandom = true;
  std::int32_t MusicPause = 10;    // seconds
  std::int32_t MusicVolume = 128;  // clamped to 0..256 by the player
  bool MusicOn = true;
  bool SoundOn = true;
  std::vector<std::string> UncheckedMusic;  // bare file names, in list order
  // Written only once it differs from the default, so a default file stays as it was.
  bool ResumeGame = true;  // an unfinished game continues at the next start
  // Subsection "MainWindow": where the player left the main window (its inner area, in
  // logical pixels). Width 0 fills the work area; written only once it is not 0.
  std::int32_t WindowLeft = 0;
  std::int32_t WindowTop = 0;
  std::int32_t WindowWidth = 0;
  std::int32_t WindowHeight = 0;
  bool WindowMaximized = false;

  bool operator==(const Settings&) const = default;
};

enum class SettingsReadCode {
  kRead = 0,
  kMissing = 1,  // no file: the defaults stand
  kIoError = 2,  // the file exists but cannot be read: the defaults stand
};

enum class SettingsWriteCode {
  kWritten = 0,
  kCannotRead = 1,  // the old file could not be read, so it is left alone
  kCannotWrite = 2,
};

// programDir + "tilvane.ini"; programDir ends with '/' or is empty.
std::string SettingsPath(std::string_view programDir);

// Every entry from a filled store; a missing or invalid entry keeps the value
// already in `settings` (the pause is clamped instead). The lists are replaced.
// The clock kind is read back too, so it survives a restart.
void ReadSettings(const SettingsStore& store, Settings& settings);

// Every entry into the store, in the order that lays out a new file.
void WriteSettings(SettingsStore& store, const Settings& settings);

// Sets the defaults, then reads the file when it exists (SettingsReadCode).
Result LoadSettings(const std::string& path, Settings& settings);

// Updates the existing file in place, keeping lines it does not know, and writes
// it whole or not at all (SettingsWriteCode); on failure the old file is unchanged.
Result SaveSettings(const std::string& path, const Settings& settings);

}  // namespace tv
