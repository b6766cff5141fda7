// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing every entry of the settings file through the text store.
#include "content/settings.h"

#include <algorithm>

#include "game/files.h"

namespace tv {

namespace {

constexpr std::string_view kPlayMode = "PlayMode";
constexpr std::string_view kMain = "Main";
constexpr std::string_view kMusic = "Music";
constexpr std::string_view kSound = "Sound";
constexpr std::string_view kWindow = "MainWindow";

std::string Numbered(std::string_view name, int k) {
  return std::string(name) + std::to_string(k);
}

// Non-empty names stored as count + one subsection per entry ("FavNum", "Fav0"...).
std::vector<std::string> ReadNameList(const SettingsStore& store, std::string_view countName,
                                      std::string_view entryName, int limit) {
  const int count = std::min(store.StoreReadInt(kMain, countName, "", 0), limit);
  std::vector<std::string> names;
  for (int k = 0; k < count; ++k) {
    std::string name = store.StoreReadString(kMain, Numbered(entryName, k), "", "");
    if (!name.empty()) names.push_back(std::move(name));
  }
  return names;
}

void WriteNameList(SettingsStore& store, std::string_view countName, std::string_view entryName,
                   const std::vector<std::string>& names) {
  store.StoreWriteInt(kMain, countName, "", static_cast<std::int32_t>(names.size()));
  for (std::size_t k = 0; k < names.size(); ++k)
    store.StoreWriteString(kMain, Numbered(entryName, static_cast<int>(k)), "", names[k]);
}

// Entries newer than the file's first layout appear only once they differ from their
// default; once present they are kept up to date, so going back to the default sticks.
void WriteUnlessDefault(SettingsStore& store, std::string_view subsection, std::int32_t value,
                        std::int32_t fallback) {
  if (value != fallback || store.StoreFind(kPlayMode, subsection, "").Subsection >= 0)
    store.StoreWriteInt(kPlayMode, subsection, "", value);
}

}  // namespace

std::string SettingsPath(std::string_view programDir) {
  return std::string(programDir) + "tilvane.ini";
}

void ReadSettings(const SettingsStore& store, Settings& s) {
  s.TilesetName = store.StoreReadString(kPlayMode, "Tileset", "", s.TilesetName);
  s.LayoutName = store.StoreReadString(kPlayMode, "Layout", "", s.LayoutName);
  s.AnalogClock = store.StoreReadBool(kPlayMode, "AnalogClock", "", s.AnalogClock);
  s.DimLockedTiles = store.StoreReadBool(kPlayMode, "DimLockedTiles", "", s.DimLockedTiles);
  s.DrawShadows = store.StoreReadBool(kPlayMode, "DrawShadows", "", s.DrawShadows);
  const std::int32_t color = store.StoreReadInt(kPlayMode, "BkgColor", "", s.BkgColor);
  if (color >= 0 && color <= kMaxColor) s.BkgColor = color;
  s.UseTexture = store.StoreReadBool(kPlayMode, "UseTexture", "", s.UseTexture);
  s.Texture = store.StoreReadString(kPlayMode, "Texture", "", s.Texture);
  s.LongerHints = store.StoreReadBool(kPlayMode, "LongerHints", "", s.LongerHints);
  s.NextLayoutRun = store.StoreReadBool(kPlayMode, "NextLayoutRun", "", s.NextLayoutRun);
  s.ZoomFaceWidth =
      std::max(0, store.StoreReadInt(kPlayMode, "ZoomFaceWidth", "", s.ZoomFaceWidth));
  s.ShowWinnable = store.StoreReadBool(kPlayMode, "ShowWinnable", "", s.ShowWinnable);

  s.Favourites = ReadNameList(store, "FavNum", "Fav", kMaxFavourites);
  s.Recent = ReadNameList(store, "RecentNum", "Recent", kMaxRecent);

  s.MusicChooseRandom = store.StoreReadBool(kMain, kMusic, "ChooseRandom", s.MusicChooseRandom);
  s.MusicPause = std::clamp(store.StoreReadInt(kMain, kMusic, "Pause", s.MusicPause),
                            kMinMusicPause, kMaxMusicPause);
  s.MusicVolume = store.StoreReadInt(kMain, kMusic, "MusicVolume2", s.MusicVolume);
  s.MusicOn = store.StoreReadBool(kMain, kMusic, "On", s.MusicOn);
  s.SoundOn = store.StoreReadBool(kMain, kSound, "On", s.SoundOn);
  s.ResumeGame = store.StoreReadBool(kMain, "ResumeGame", "", s.ResumeGame);
  const auto extent = [&](std::string_view key, std::int32_t fallback) {
    const std::int32_t v = store.StoreReadInt(kMain, kWindow, key, fallback);
    return v >= -kMaxWindowExtent && v <= kMaxWindowExtent ? v : fallback;
  };
  s.WindowLeft = extent("Left", s.WindowLeft);
  s.WindowTop = extent("Top", s.WindowTop);
  s.WindowWidth = extent("Width", s.WindowWidth);
  s.WindowHeight = extent("Height", s.WindowHeight);
  s.WindowMaximized = store.StoreReadBool(kMain, kWindow, "Maximized", s.WindowMaximized);
  // A size needs both sides; anything else fills the work area as on the first start.
  if (s.WindowWidth <= 0 || s.WindowHeight <= 0) s.WindowWidth = s.WindowHeight = 0;

  // Each entry needs a line of its own, so a count beyond the lines there is damage;
  // the entries are looked up in one pass, so even a huge count costs one read.
  const auto music = store.StoreReadKeys(kMain, kMusic);
  const int unchecked = std::min(store.StoreReadInt(kMain, kMusic, "UncheckMusicNum", 0),
                                 static_cast<int>(music.size()));
  s.UncheckedMusic.clear();
  for (int k = 0; k < unchecked; ++k) {
    const auto found = music.find(Numbered("UncheckMusic", k));
    if (found != music.end() && !found->second.empty()) s.UncheckedMusic.push_back(found->second);
  }
}

void WriteSettings(SettingsStore& store, const Settings& s) {
  store.StoreWriteString(kPlayMode, "Layout", "", s.LayoutName);
  store.StoreWriteString(kPlayMode, "Tileset", "", s.TilesetName);
  store.StoreWriteBool(kPlayMode, "AnalogClock", "", s.AnalogClock);
  store.StoreWriteBool(kPlayMode, "DimLockedTiles", "", s.DimLockedTiles);
  store.StoreWriteBool(kPlayMode, "DrawShadows", "", s.DrawShadows);
  store.StoreWriteInt(kPlayMode, "BkgColor", "", s.BkgColor);
  store.StoreWriteBool(kPlayMode, "UseTexture", "", s.UseTexture);
  store.StoreWriteString(kPlayMode, "Texture", "", s.Texture);
  const Settings defaults;
  WriteUnlessDefault(store, "LongerHints", s.LongerHints ? 1 : 0, defaults.LongerHints ? 1 : 0);
  WriteUnlessDefault(store, "NextLayoutRun", s.NextLayoutRun ? 1 : 0,
                     defaults.NextLayoutRun ? 1 : 0);
  WriteUnlessDefault(store, "ZoomFaceWidth", s.ZoomFaceWidth, defaults.ZoomFaceWidth);
  if (!s.ShowWinnable || !store.StoreReadBool(kPlayMode, "ShowWinnable", "", true))
    store.StoreWriteBool(kPlayMode, "ShowWinnable", "", s.ShowWinnable);

  WriteNameList(store, "FavNum", "Fav", s.Favourites);
  WriteNameList(store, "RecentNum", "Recent", s.Recent);

  store.StoreWriteBool(kMain, kMusic, "ChooseRandom", s.MusicChooseRandom);
  store.StoreWriteInt(kMain, kMusic, "Pause", s.MusicPause);
  store.StoreWriteInt(kMain, kMusic, "MusicVolume2", s.MusicVolume);
  store.StoreWriteBool(kMain, kMusic, "On", s.MusicOn);
  store.StoreWriteBool(kMain, kSound, "On", s.SoundOn);
  for (std::size_t k = 0; k < s.UncheckedMusic.size(); ++k)
    store.StoreWriteString(kMain, kMusic, Numbered("UncheckMusic", static_cast<int>(k)),
                           s.UncheckedMusic[k]);
  store.StoreWriteInt(kMain, kMusic, "UncheckMusicNum",
                      static_cast<std::int32_t>(s.UncheckedMusic.size()));
  if (!s.ResumeGame || store.StoreFind(kMain, "ResumeGame", "").Subsection >= 0)
    store.StoreWriteBool(kMain, "ResumeGame", "", s.ResumeGame);
  if (s.WindowWidth > 0 || store.StoreFind(kMain, kWindow, "").Subsection >= 0) {
    store.StoreWriteBool(kMain, kWindow, "Maximized", s.WindowMaximized);
    store.StoreWriteInt(kMain, kWindow, "Height", s.WindowHeight);
    store.StoreWriteInt(kMain, kWindow, "Width", s.WindowWidth);
    store.StoreWriteInt(kMain, kWindow, "Top", s.WindowTop);
    store.StoreWriteInt(kMain, kWindow, "Left", s.WindowLeft);
  }
}

Result LoadSettings(const std::string& path, Settings& settings) {
  settings = Settings{};
  const std::string resolved = ResolveCaseInsensitive(path);
  if (!FileExists(resolved))
    return Result::Fail(
        SettingsReadCode::kMissing,
        Text::Template(TV_TRANSLATE_NOOP("Messages", "no settings file; the defaults stand")));
  SettingsStore store;
  if (const Result loaded = store.StoreLoad(resolved); !loaded)
    return Result::Fail(SettingsReadCode::kIoError, loaded.Words());
  ReadSettings(store, settings);
  return {};
}

Result SaveSettings(const std::string& path, const Settings& settings) {
  const std::string resolved = ResolveCaseInsensitive(path);
  SettingsStore store;
  // Writing over a file that could not be read would lose the lines kept for others.
  if (const Result loaded = store.StoreLoad(resolved); !loaded)
    return Result::Fail(SettingsWriteCode::kCannotRead, loaded.Words());
  WriteSettings(store, settings);
  if (const Result saved = store.StoreSave(resolved); !saved)
    return Result::Fail(SettingsWriteCode::kCannotWrite, saved.Words());
  return {};
}

}  // namespace tv
