// SPDX-License-Identifier: GPL-3.0-or-later
// The layout library in a temporary program folder: catalogue, lists, records
// files, the record rule, file operations and the cleaning of typed names.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "game/files.h"
#include "game/layout_file.h"
#include "game/layout_library.h"
#include "game/names.h"
#include "test_support.h"

namespace tv {
namespace {

namespace fs = std::filesystem;

struct Folder {
  test::TempDir dir;
  LibraryPaths paths{dir.dir() + "layouts/", dir.dir() + "tilvane.won2", dir.dir() + "tilvane.won"};
  Folder() { fs::create_directories(paths.LayoutsDir); }
  // A layout of `pairs` pairs side by side: two free tiles.
  void Layout(const std::string& name, int pairs = 1) const {
    std::vector<LayoutPosition> p;
    for (int i = 0; i < 2 * pairs; ++i) p.push_back({2 * i, 0, 0});
    ASSERT_TRUE(WriteLayoutPositions(paths.LayoutsDir, name, p));
  }
  void Bytes(const std::string& path, const std::vector<std::uint8_t>& b) const {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
  }
  std::vector<std::uint8_t> Read(const std::string& path) const {
    std::vector<std::uint8_t> b;
    EXPECT_TRUE(ReadWholeFile(path, b).Ok());
    return b;
  }
  LayoutLibrary Built() const {
    LayoutLibrary lib(paths);
    EXPECT_TRUE(lib.BuildCatalogue().Ok());
    return lib;
  }
};

std::vector<std::string> Names(const Catalogue& c) {
  std::vector<std::string> out;
  for (const EntryPtr& e : c.Entries()) out.push_back(e->Name);
  return out;
}

TEST(Catalogue, BuildsInNameOrderSkipsBrokenFilesAndFindsIgnoringCase) {
  Folder f;
  f.Layout("beta", 2);
  f.Layout("Cat");
  f.Layout("alpha", 3);
  f.Bytes(f.paths.LayoutsDir + "broken.mah", {'x', 'y'});
  LayoutLibrary lib = f.Built();
  lib.Layouts().SortCatalogue(kSortTiles, true);
  ASSERT_TRUE(lib.BuildCatalogue().Ok());
  EXPECT_EQ(Names(lib.Layouts()), (std::vector<std::string>{"alpha", "beta", "Cat"}));
  EXPECT_EQ(lib.Layouts().SortColumn(), kSortName);
  EXPECT_FALSE(lib.Layouts().SortDescending());
  const LayoutInfo* alpha = lib.FindLayout("ALPHA");
  ASSERT_NE(alpha, nullptr);
  EXPECT_EQ(alpha->Tiles, 6);
  EXPECT_EQ(alpha->FreeTiles, 2);
  EXPECT_EQ(lib.FindLayout("cAT")->Name, "Cat");
  EXPECT_EQ(lib.FindLayout("dog"), nullptr);

  // An emptied folder changes nothing.
  for (const auto& e : fs::directory_iterator(f.paths.LayoutsDir)) fs::remove(e.path());
  ASSERT_TRUE(lib.BuildCatalogue().Ok());
  EXPECT_EQ(lib.Layouts().Size(), 3u);
}

TEST(Catalogue, SortTieBreaksOnNamesAndDescendingReversesThem) {
  Folder f;
  for (auto [name, pairs] : {std::pair{"b", 1}, {"a", 1}, {"c", 2}, {"d", 1}})
    f.Layout(name, pairs);
  LayoutLibrary lib = f.Built();
  Catalogue& c = lib.Layouts();
  c.SortCatalogue(kSortTiles, false);
  EXPECT_EQ(Names(c), (std::vector<std::string>{"a", "b", "d", "c"}));
  c.SortCatalogue(kSortTiles, true);
  EXPECT_EQ(Names(c), (std::vector<std::string>{"c", "d", "b", "a"}));
  c.FindLayout("a")->Stars = 2;
  c.FindLayout("c")->Stars = 2;
  c.SortCatalogue(kSortStars, true);  // no stars (-1) last
  EXPECT_EQ(Names(c), (std::vector<std::string>{"c", "a", "d", "b"}));
}

TEST(Catalogue, RecentKeepsTwentyAndMovesARepeatToTheEnd) {
  Folder f;
  for (int i = 0; i < 21; ++i) f.Layout("l" + std::to_string(100 + i));
  LayoutLibrary lib = f.Built();
  for (int i = 0; i < 21; ++i) lib.AddRecent("L" + std::to_string(100 + i));
  lib.AddRecent("l105");
  lib.AddRecent("unknown");
  const auto names = lib.Recent().Names();
  ASSERT_EQ(names.size(), 20u);
  EXPECT_EQ(names.front(), "l101");
  EXPECT_EQ(names.back(), "l105");
  EXPECT_EQ(lib.Recent().RefIndex(lib.FindLayout("l105"), true), 19);
}

TEST(Catalogue, FavouritesRefuseDuplicatesAndATwentyFirst) {
  Folder f;
  for (int i = 0; i < 21; ++i) f.Layout("f" + std::to_string(10 + i));
  LayoutLibrary lib = f.Built();
  for (int i = 0; i < 20; ++i) ASSERT_TRUE(lib.AddFavourite("f" + std::to_string(10 + i)).Ok());
  const Result again = lib.AddFavourite("F10");
  EXPECT_TRUE(again.Is(LibraryError::kAlreadyFavourite));
  EXPECT_EQ(again.Message(), "\"f10\" is already in the Favourites list!");
  const Result full = lib.AddFavourite("f30");
  EXPECT_EQ(full.Message(),
            "The Favourites list is full!$DPlease delete some layouts from the list first!");
  EXPECT_EQ(lib.Favourites().Size(), 20);
}

TEST(Catalogue, ReferencesSurviveRebuildsAndVanishedEntries) {
  Folder f;
  f.Layout("keep");
  f.Layout("gone");
  LayoutLibrary lib = f.Built();
  lib.LoadLists({"KEEP", "gone", "never"}, {"gone"});
  EXPECT_EQ(lib.Favourites().Names(), (std::vector<std::string>{"keep", "gone"}));
  fs::remove(f.paths.LayoutsDir + "gone.mah");
  ASSERT_TRUE(lib.BuildCatalogue().Ok());
  EXPECT_EQ(lib.Favourites().Refs()[1].Get(), nullptr);  // kept by name, without entry
  EXPECT_EQ(lib.Favourites().Refs()[0].Get(), lib.FindLayout("keep"));
  EXPECT_EQ(lib.Recent().Names(), (std::vector<std::string>{"gone"}));
}

// Names come from file names once: dots stay, the extension's case does not matter,
// case twins are one layout (the first in sorted order) and a control character
// never reaches a name the settings keep.
TEST(Catalogue, DotsCaseTwinsAndControlCharactersInFileNames) {
  Folder f;
  const std::string dir = f.paths.LayoutsDir;
  f.Layout("v1");
  f.Layout("v1.2", 2);
  f.Layout("Wave");
  f.Layout("wave.2");
  const std::vector<std::uint8_t> four = EncodeLayout({{0, 0, 0}, {2, 0, 0}, {4, 0, 0}, {6, 0, 0}});
  f.Bytes(dir + "Cat.mah", four);
  f.Bytes(dir + "CAT.mah", EncodeLayout({{0, 0, 0}, {2, 0, 0}}));
  f.Bytes(dir + "new\nline.mah", four);
  f.Bytes(dir + "tab\tbed.MAH", four);
  LayoutLibrary lib = f.Built();
  EXPECT_EQ(Names(lib.Layouts()),
            (std::vector<std::string>{"CAT", "newline", "tabbed", "v1", "v1.2", "Wave", "wave.2"}));
  EXPECT_EQ(lib.FindLayout("cat")->Tiles, 2);
  EXPECT_EQ(lib.FindLayout("v1.2")->Tiles, 4);
  lib.CountGame("v1.2", false, 0, 0);
  lib.CountGame("cat", false, 0, 0);
  ASSERT_TRUE(lib.AddFavourite("newline").Ok());
  lib.AddRecent("tabbed");
  EXPECT_EQ(lib.Favourites().Names(), std::vector<std::string>{"newline"});
  EXPECT_EQ(lib.Recent().Names(), std::vector<std::string>{"tabbed"});

  LayoutLibrary again = f.Built();  // the records follow the names
  EXPECT_EQ(again.FindLayout("v1.2")->Played, 1);
  EXPECT_EQ(again.FindLayout("v1")->Played, 0);
  EXPECT_EQ(again.FindLayout("CAT")->Played, 1);
  MODE_P board;
  ASSERT_TRUE(ReadLayout(dir, "newline", board).Ok());  // as the next start does
  EXPECT_EQ(board.LayoutName(), "newline");
  EXPECT_EQ(board.Game.TileCount, 4);
  EXPECT_EQ(f.Read(dir + "Cat.mah"), four);
}

// The folder is listed once, not once per file whose extension is not ".mah".
TEST(Catalogue, ThousandsOfUpperCaseExtensionsInOnePass) {
  Folder f;
  const std::string base = f.dir.dir() + "two.mah";
  f.Bytes(base, EncodeLayout({{0, 0, 0}, {2, 0, 0}}));
  constexpr int kFiles = 5000;
  for (int i = 0; i < kFiles; ++i)  // links: many files made quickly
    fs::create_hard_link(base, f.paths.LayoutsDir + "L" + std::to_string(i) + ".MAH");
  const auto start = std::chrono::steady_clock::now();
  LayoutLibrary lib = f.Built();
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(lib.Layouts().Size(), std::size_t(kFiles));
  EXPECT_LT(took.count(), 2.0);  // about 0.1 s in one pass; quadratic took over 10 s
}

TEST(Records, CurrentFormatRoundTripsByteForByte) {
  Folder f;
  f.Layout("Dragon");
  f.Layout("Pagoda");
  f.Layout("unplayed");
  LayoutLibrary lib = f.Built();
  lib.CountGame("dragon", false, 0, 0);
  const CountOutcome won = lib.CountGame("dragon", true, 0.01, 1);
  ASSERT_TRUE(won.NewRecord && won.Saved.Ok());
  ASSERT_TRUE(lib.SetBestPlayer(won.Entry, "  Ann  ").Ok());
  lib.CountGame("Pagoda", false, 0, 0);
  ASSERT_TRUE(lib.BuildCatalogue().Ok());  // as the editor's return to play does
  EXPECT_EQ(lib.FindLayout("Dragon")->Won, 1);
  const auto first = f.Read(f.paths.RecordsFile);
  ASSERT_EQ(first.size(), kRecordsHeaderSize + 2 * kRecordSize23);  // unplayed is not written

  LayoutLibrary again = f.Built();  // as after a restart, or a killed process
  const LayoutInfo& d = *again.FindLayout("Dragon");
  EXPECT_EQ(d.Played, 1);
  EXPECT_EQ(d.Won, 1);
  EXPECT_EQ(d.BestPlayer, "Ann");
  EXPECT_EQ(d.BestTime, 0.01);
  EXPECT_EQ(d.Stars, 2);
  EXPECT_EQ(again.FindLayout("Pagoda")->Stars, -1);  // played, never won
  ASSERT_TRUE(again.SaveRecords().Ok());
  EXPECT_EQ(f.Read(f.paths.RecordsFile), first);
}

std::vector<std::uint8_t> Header(const char* version) {
  std::vector<std::uint8_t> b = {'M', 'A', 'H', 'S', 'T', 'A', 'T', 0};
  std::vector<std::uint8_t> v(10, 0);
  std::copy(version, version + 3, v.begin());
  b.insert(b.end(), v.begin(), v.end());
  return b;
}
void Int(std::vector<std::uint8_t>& b, std::int32_t v) {
  for (int k = 0; k < 4; ++k) b.push_back(std::uint8_t(std::uint32_t(v) >> (8 * k)));
}
void Field(std::vector<std::uint8_t>& b, std::string_view text, std::size_t size) {
  b.insert(b.end(), text.begin(), text.end());
  b.insert(b.end(), size - text.size(), 0);
}
void Legacy(std::vector<std::uint8_t>& b, std::string_view text) {
  Int(b, std::int32_t(text.size()));
  b.insert(b.end(), text.begin(), text.end());
}
void Double(std::vector<std::uint8_t>& b, double v) {
  std::uint64_t u = 0;
  std::memcpy(&u, &v, sizeof u);
  for (int k = 0; k < 8; ++k) b.push_back(std::uint8_t(u >> (8 * k)));
}

// Distinct values at their known offsets: a reader or writer that swaps two fields in
// step with the other would still round-trip, but not this.
TEST(Records, HandBuiltFileReadsFieldByFieldAndIsWrittenBackTheSame) {
  Folder f;
  f.Layout("Dragon");
  std::vector<std::uint8_t> b = Header("2.3");
  Int(b, 1);
  Field(b, "Dragon", 256);
  Int(b, 7);  // played, at 22 + 256
  Int(b, 3);  // won
  Field(b, "Ann", 101);
  Double(b, 0.125);  // best time, at 22 + 256 + 8 + 101
  Int(b, 2);         // best reshuffles, last
  ASSERT_EQ(b.size(), kRecordsHeaderSize + kRecordSize23);
  f.Bytes(f.paths.RecordsFile, b);

  LayoutLibrary lib = f.Built();
  const LayoutInfo& d = *lib.FindLayout("Dragon");
  EXPECT_EQ(d.Played, 7);
  EXPECT_EQ(d.Won, 3);
  EXPECT_EQ(d.BestPlayer, "Ann");
  EXPECT_EQ(d.BestTime, 0.125);
  EXPECT_EQ(d.BestReshuffles, 2);
  fs::remove(f.paths.RecordsFile);
  ASSERT_TRUE(lib.SaveRecords().Ok());
  EXPECT_EQ(f.Read(f.paths.RecordsFile), b);
}

TEST(Records, OlderFormatsTruncatedFilesAndHostileLengths) {
  Folder f;
  f.Layout("a");
  f.Layout("b");
  f.Layout("c");
  // "2.0": no reshuffles, so three stars; the file ends inside its third record.
  auto v20 = Header("2.0");
  Int(v20, 3);
  for (const char* name : {"a", "B"}) {
    Field(v20, name, 256);
    Int(v20, 4);
    Int(v20, 2);
    Field(v20, "Bj\xF6rn", 101);  // Latin-1, not UTF-8
    const double t = 0.5;
    const auto* p = reinterpret_cast<const std::uint8_t*>(&t);
    v20.insert(v20.end(), p, p + 8);
  }
  Field(v20, "c", 200);
  f.Bytes(f.paths.RecordsFile, v20);
  LayoutLibrary lib = f.Built();
  EXPECT_EQ(lib.FindLayout("b")->Stars, 3);
  EXPECT_EQ(lib.FindLayout("b")->BestPlayer, "Bj\xC3\xB6rn");
  EXPECT_EQ(lib.FindLayout("c")->Played, 0);

  // "1.0", read only while no "tilvane.won2" exists.
  fs::remove(f.paths.RecordsFile);
  auto v10 = Header("1.0");
  for (auto [name, time] : {std::pair{"a", "1:02:03"}, {"b", "soon"}}) {
    Legacy(v10, name);
    Int(v10, 5);
    Int(v10, 1);
    Legacy(v10, "Cy");
    Legacy(v10, time);
  }
  Legacy(v10, std::string(300, 'c'));  // longer than a name buffer: reading stops
  Int(v10, 9);
  f.Bytes(f.paths.OldRecordsFile, v10);
  lib = f.Built();
  EXPECT_DOUBLE_EQ(lib.FindLayout("a")->BestTime, (3600 + 120 + 3) / 86400.0);
  EXPECT_EQ(lib.FindLayout("a")->Stars, 3);
  EXPECT_EQ(lib.FindLayout("b")->BestTime, -1.0);  // unreadable time: no record
  EXPECT_EQ(lib.FindLayout("b")->Stars, -1);
  EXPECT_EQ(lib.FindLayout("b")->Played, 5);
  EXPECT_EQ(lib.FindLayout("c")->Played, 0);

  // Wrong magic or version (perhaps a later program's): no records, and the file is
  // never written over in this session, however often a game is counted.
  auto bad = Header("2.1");
  Int(bad, 0);
  f.Bytes(f.paths.RecordsFile, bad);
  LayoutLibrary later(f.paths);
  EXPECT_TRUE(later.BuildCatalogue().Is(LibraryError::kRecords));
  EXPECT_EQ(later.FindLayout("a")->Played, 0);
  EXPECT_FALSE(later.CountGame("a", false, 0, 0).Saved);
  EXPECT_FALSE(later.SaveRecords());
  EXPECT_EQ(f.Read(f.paths.RecordsFile), bad);
}

// Values no game can give are dropped with the rest kept; a layout that is there but
// does not read keeps its record.
TEST(Records, SenselessValuesAreDroppedAndUnreadableLayoutsKeepTheirs) {
  Folder f;
  for (const char* name : {"a", "b", "c", "d", "e", "f"}) f.Layout(name);
  struct Row {
    const char* name;
    std::int32_t played, won;
    double time;
    std::int32_t reshuffles;
  };
  const Row rows[] = {{"a", 3, 1, 0.01, 0},    {"b", -1, 0, -1.0, 0}, {"c", 2, 3, 0.01, 0},
                      {"d", 1, 1, 2.5, 0},     {"e", 1, 1, 0.01, -2}, {"f", 1, 1, NAN, 0},
                      {"locked", 4, 2, 0.2, 1}};
  auto b = Header("2.3");
  Int(b, 7);
  for (const Row& r : rows) {
    Field(b, r.name, 256);
    Int(b, r.played);
    Int(b, r.won);
    Field(b, "Ann", 101);
    Double(b, r.time);
    Int(b, r.reshuffles);
  }
  f.Bytes(f.paths.RecordsFile, b);
  // "locked" exists but is not a layout the reader takes.
  f.Bytes(f.paths.LayoutsDir + "locked.mah", {1, 2, 3});
  LayoutLibrary lib = f.Built();
  EXPECT_EQ(lib.FindLayout("a")->Played, 3);
  for (const char* name : {"b", "c", "d", "e", "f"}) {
    EXPECT_EQ(lib.FindLayout(name)->Played, 0) << name;
    EXPECT_EQ(lib.FindLayout(name)->BestTime, -1.0) << name;
  }
  ASSERT_TRUE(lib.SaveRecords());
  const auto saved = f.Read(f.paths.RecordsFile);
  ASSERT_EQ(saved.size(), kRecordsHeaderSize + 2 * kRecordSize23);
  EXPECT_EQ(
      std::string(reinterpret_cast<const char*>(saved.data()) + kRecordsHeaderSize + kRecordSize23),
      "locked");
}

TEST(Records, RecordRuleReshufflesFirstEqualIsNoRecord) {
  LayoutInfo e;
  EXPECT_TRUE(IsNewRecord(e, 9.0, 3));
  e.BestTime = 0.5;
  e.BestReshuffles = 0;
  EXPECT_FALSE(IsNewRecord(e, 0.1, 1));
  EXPECT_FALSE(IsNewRecord(e, 0.5, 0));
  EXPECT_TRUE(IsNewRecord(e, 0.4, 0));
  e.BestReshuffles = 1;
  EXPECT_TRUE(IsNewRecord(e, 0.9, 0));
  EXPECT_EQ(StarsFor(0), 3);
  EXPECT_EQ(StarsFor(3), 0);
}

TEST(Records, CountWithoutEntryAndClearLeaveAnEmptyFile) {
  Folder f;
  f.Layout("a");
  LayoutLibrary lib = f.Built();
  EXPECT_EQ(lib.CountGame("removed-during-play", true, 0.1, 0).Entry, nullptr);
  lib.CountGame("a", false, 0, 0);
  const CountOutcome won = lib.CountGame("a", true, 0.2, 0);
  EXPECT_EQ(won.Entry->BestPlayer, "Player");  // until the dialog names the player
  ASSERT_TRUE(lib.SetBestPlayer(won.Entry, "   ").Ok());
  EXPECT_EQ(won.Entry->BestPlayer, "Player");
  EXPECT_FALSE(lib.CountGame("a", true, 0.2, 0).NewRecord);
  f.Bytes(f.paths.OldRecordsFile, Header("1.0"));
  ASSERT_TRUE(lib.ClearRecords().Ok());
  EXPECT_FALSE(fs::exists(f.paths.OldRecordsFile));
  EXPECT_EQ(f.Read(f.paths.RecordsFile).size(), kRecordsHeaderSize);
  EXPECT_EQ(f.Built().FindLayout("a")->Won, 0);

  LayoutLibrary unwritable({f.paths.LayoutsDir, f.dir.dir() + "missing/tilvane.won2", ""});
  ASSERT_TRUE(unwritable.BuildCatalogue().Ok());
  const CountOutcome failed = unwritable.CountGame("a", false, 0, 0);
  EXPECT_TRUE(failed.Saved.Is(LibraryError::kRecords));
  EXPECT_EQ(failed.Saved.Message().rfind("Could not write the records file!$D", 0), 0u);
  EXPECT_EQ(failed.Entry->Played, 1);  // the count stays in memory
}

TEST(Records, LongAndMultiByteNamesAreCutAtACharacterBoundary) {
  Folder f;
  const std::string name = std::string(249, 'x') + "\xC3\xA9";  // 251 bytes
  f.Layout(name);
  LayoutLibrary lib = f.Built();
  lib.CountGame(name, false, 0, 0);
  const CountOutcome won = lib.CountGame(name, true, 0.1, 0);
  ASSERT_NE(won.Entry, nullptr);
  std::string player(99, 'p');
  player += "\xE2\x82\xAC";  // a 3-byte character across the 100-byte limit
  ASSERT_TRUE(lib.SetBestPlayer(won.Entry, player).Ok());
  EXPECT_EQ(won.Entry->BestPlayer, std::string(99, 'p'));
  EXPECT_EQ(f.Built().FindLayout(name)->BestPlayer, std::string(99, 'p'));
}

TEST(Library, DeleteAndRenameChangeNothingWhenTheFileSystemRefuses) {
  Folder f;
  f.Layout("a", 2);
  f.Layout("b");
  f.Layout("c");
  LayoutLibrary lib = f.Built();
  ASSERT_TRUE(lib.AddFavourite("b").Ok());
  lib.AddRecent("b");
  lib.CountGame("b", false, 0, 0);
  LayoutInfo* b = lib.FindLayout("b");
  // One refusal for the chooser and the library, asked before anything else.
  EXPECT_EQ(RefuseCurrentLayout(*b, "B", LayoutChange::kDelete).Message(),
            "Layout \"b\" is currently loaded and cannot be deleted!");
  EXPECT_TRUE(RefuseCurrentLayout(*b, "a", LayoutChange::kRename).Ok());
  EXPECT_TRUE(lib.DeleteLayout(b, "B").Is(LibraryError::kCurrentLayout));
  EXPECT_EQ(lib.RenameLayout(b, "x", "b").Message(),
            "Layout \"b\" is currently loaded and cannot be renamed!");

  // Another file took the target name after the dialog checked it.
  f.Layout("x");
  const Result taken = lib.RenameLayout(b, "x", "a");
  EXPECT_TRUE(taken.Is(LibraryError::kFileSystem));
  EXPECT_NE(taken.Message().find("b.mah"), std::string::npos);
  EXPECT_EQ(b->Name, "b");
  f.Layout("Y");  // a name that differs only in case would hide that layout
  EXPECT_TRUE(lib.RenameLayout(b, "y", "a").Is(LibraryError::kFileSystem));
  EXPECT_EQ(b->Name, "b");

  fs::remove(f.paths.LayoutsDir + "c.mah");
  EXPECT_TRUE(lib.DeleteLayout(lib.FindLayout("c"), "a").Is(LibraryError::kFileSystem));
  EXPECT_EQ(lib.Layouts().Size(), 3u);

  // Sorted by tiles a new name keeps its place; by name it moves. Records follow it.
  lib.Layouts().SortCatalogue(kSortTiles, false);
  ASSERT_TRUE(lib.RenameLayout(b, "zed", "a").Ok());
  EXPECT_EQ(Names(lib.Layouts()), (std::vector<std::string>{"zed", "c", "a"}));
  lib.Layouts().SortCatalogue(kSortName, false);
  ASSERT_TRUE(lib.RenameLayout(b, "aa", "a").Ok());
  EXPECT_EQ(Names(lib.Layouts()), (std::vector<std::string>{"a", "aa", "c"}));
  EXPECT_EQ(f.Built().FindLayout("aa")->Played, 1);

  // The lists follow a new name, dots and all, and find it again after a rebuild.
  ASSERT_TRUE(lib.RenameLayout(b, "aa.v2", "a").Ok());
  EXPECT_EQ(lib.Favourites().Names(), std::vector<std::string>{"aa.v2"});
  EXPECT_EQ(lib.Recent().Names(), std::vector<std::string>{"aa.v2"});
  ASSERT_TRUE(lib.BuildCatalogue().Ok());
  b = lib.FindLayout("aa.v2");
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->Played, 1);
  EXPECT_EQ(lib.Favourites().Refs()[0].Get(), b);
  EXPECT_EQ(lib.Recent().Refs()[0].Get(), b);

  ASSERT_TRUE(lib.DeleteLayout(b, "a").Ok());
  EXPECT_FALSE(fs::exists(f.paths.LayoutsDir + "aa.v2.mah"));
  EXPECT_EQ(lib.Favourites().Size(), 0);
  EXPECT_EQ(lib.Recent().Size(), 0);
  EXPECT_EQ(Names(lib.Layouts()), (std::vector<std::string>{"a", "x", "Y"}));
}

TEST(Names, SanitizeDropsForbiddenCharactersInAnyEncoding) {
  const std::pair<std::string, std::string> cases[] = {
      {"a*?b", "ab"},
      {"**name**", "name"},
      {"x\"/:;<>\\`|y", "xy"},
      {"a b=c", "a b=c"},
      {"\xC2\xA7q\xC2\xBF", "q"},                                            // U+00A7, U+00BF
      {"\xC3\x80rger \xC3\xA9t\xC3\xA9", "\xC3\x80rger \xC3\xA9t\xC3\xA9"},  // U+00C0 up stay
      {"\xD0\x94\xE6\x9C\xA8", "\xD0\x94\xE6\x9C\xA8"},                      // Cyrillic, CJK
      {"e\xCC\x81", "e\xCC\x81"},                                            // combining mark
      {"a\xF0\x9F\x98\x80\xC3\x97"
       "b",
       "ab"},  // emoji, multiplication sign
      {"a\xFF\xC3"
       "b",
       "ab"},  // malformed bytes
  };
  for (const auto& [in, out] : cases) {
    std::string s = in;
    EXPECT_EQ(SanitizeName(s), in != out) << in;
    EXPECT_EQ(s, out) << in;
  }
  for (int code = 0; code < 128; code = code == 31 ? 127 : code + 1) {
    std::string s = "a" + std::string(1, char(code)) + "b";
    EXPECT_TRUE(SanitizeName(s)) << code;
    EXPECT_EQ(s, "ab") << code;
  }
}

TEST(Names, RenameAndFileNameChecks) {
  Folder f;
  f.Layout("Pagoda");
  f.Layout("Dragon");
  const std::string dir = f.paths.LayoutsDir;
  std::string out;
  EXPECT_TRUE(CheckRenameName(" DRAGON ", "Dragon", dir, out).Ok());
  EXPECT_EQ(out, "dragon");
  EXPECT_TRUE(CheckRenameName("PAGODA", "Dragon", dir, out).Is(NameError::kExists));
  for (const char* empty : {"   ", "*?"}) {
    EXPECT_EQ(CheckRenameName(empty, "Dragon", dir, out).Message(), "Please enter new layout name!")
        << empty;
    EXPECT_EQ(CleanFileName(empty, out).Message(), "Please enter file name!") << empty;
  }
  // A name beginning with a dot is refused with the reason, and the text stays as typed.
  const std::string hidden = "A layout name cannot begin with \".\": the file would be hidden!";
  for (const char* dotted : {"...", ".Hidden", "../x", " .x", ".mah"}) {
    EXPECT_EQ(CheckRenameName(dotted, "Dragon", dir, out).Message(), hidden) << dotted;
    EXPECT_EQ(out, dotted);
    EXPECT_EQ(CleanFileName(dotted, out).Message(), hidden) << dotted;
    EXPECT_EQ(out, dotted);
  }
  // Dots inside a name are the name's; a trailing ".mah" typed with it is not.
  const std::pair<const char*, const char*> typed[] = {
      {"v1.2", "v1.2"}, {"Dragon.v2", "Dragon.v2"}, {"wave.2.MAH", "wave.2"}, {"x.", "x."}};
  for (const auto& [in, name] : typed) {
    ASSERT_TRUE(CleanFileName(in, out).Ok()) << in;
    EXPECT_EQ(out, name);
  }
  ASSERT_TRUE(CleanFileName("My/Layout", out).Ok());
  EXPECT_EQ(out, "MyLayout");
  ASSERT_TRUE(CleanFileName(std::string(250, 'a') + "\xC3\xA9", out).Ok());
  EXPECT_EQ(out, std::string(250, 'a'));  // 251 bytes would split the character
  EXPECT_EQ(FindLayoutFile(dir, "pagoda"), "Pagoda.mah");
}

}  // namespace
}  // namespace tv
