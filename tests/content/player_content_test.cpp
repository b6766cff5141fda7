// SPDX-License-Identifier: GPL-3.0-or-later
// The player's own tilesets, pictures and songs are read together with the shipped ones.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "content/background.h"
#include "content/music_fakes.h"
#include "field/picture_loader.h"
#include "field/tilesets.h"
#include "support/temp_dir.h"

namespace tv {
namespace {

namespace fs = std::filesystem;

void WritePicture(const fs::path& path, int width, int height) {
  PixelBuffer picture(width, height);
  FillPicture(picture, 0x336699);
  ASSERT_TRUE(SavePng(picture, path.string()).Ok());
}

TEST(PlayerContent, ThePlayersFolderIsReadAfterTheShippedOneAndWinsOnANameClash) {
  test::TempDir dir;
  const std::string shipped = dir.dir() + "share/", own = dir.dir() + "own/";
  // Each scanner's offer as "name@folder", the folder being where the file is read from.
  const auto where = [&](const std::string& name, const std::string& path) {
    return name + (path.rfind(own, 0) == 0       ? "@own"
                   : path.rfind(shipped, 0) == 0 ? "@shipped"
                                                 : "@?");
  };
  const std::vector<std::string> dirs{shipped, own};
  struct Case {
    std::vector<std::string> shippedFiles, ownFiles, expected;
    std::function<std::vector<std::string>()> scan;
  } cases[] = {
      {{"standard.tiles", "night.tiles"},
       {"Standard.tiles", "mine.tiles", "notes.txt"},
       {"mine@own", "night@shipped", "Standard@own"},
       [&] {
         Tilesets sets;
         sets.ScanTilesets(dirs);
         std::vector<std::string> offer;
         // The sheets lie beside the descriptor that won.
         for (const auto& set : sets.List())
           offer.push_back(where(set->Name, sets.SheetPath(*set, TileSize{})));
         return offer;
       }},
      {{"river.jpg", "river-thumb.jpg", "hill.jpg", "hill-thumb.jpg", "lake.jpg", "lake-thumb.jpg"},
       {"River.jpg", "River-thumb.jpg", "own.jpg", "own-thumb.jpg", "lake.jpg"},
       {"hill@shipped", "lake@own", "own@own", "River@own"},
       [&] {
         std::vector<std::string> offer;
         for (const BKGPIC_P& pic : ScanBkgPics(dirs))
           offer.push_back(where(pic.Name, pic.PicPath));
         return offer;
       }},
      {{"a.mid", "b.mid"},
       {"B.MID", "c.mid"},
       {"a@shipped", "B@own", "c@own"},
       [&] {
         FakeBackend backend;
         FakeView view;
         RandState rand{1};
         MusicPlayer player(backend, view, rand, shipped, dirs);
         player.ScanMusic();
         std::vector<std::string> offer;
         for (const MusicFile& file : player.Files()) offer.push_back(where(file.Name, file.Path));
         return offer;
       }},
  };
  for (const Case& c : cases) {
    fs::remove_all(shipped);
    fs::remove_all(own);
    fs::create_directories(shipped);
    fs::create_directories(own);
    for (const std::string& file : c.shippedFiles) std::ofstream(shipped + file) << "shipped";
    for (const std::string& file : c.ownFiles) std::ofstream(own + file) << "own";
    EXPECT_EQ(c.scan(), c.expected);
  }

  // The field shows the picture the chooser offers.
  WritePicture(shipped + "river.jpg", 4, 3);
  WritePicture(own + "River.jpg", 8, 6);
  Settings settings;
  Background background(settings, dirs);
  ASSERT_TRUE(background.LoadBkgPic("river").Ok());
  EXPECT_EQ(background.OriginalSize().width, 8);
}

}  // namespace
}  // namespace tv
