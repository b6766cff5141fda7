// SPDX-License-Identifier: GPL-3.0-or-later
// The settings text store and the settings file: matching, reading, insertion,
// the layout of a new file, round trips and whole-or-nothing writes.
#include "content/settings.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "content/settings_store.h"

namespace tv {
namespace {

namespace fs = std::filesystem;

// Lines joined with CR LF, as the store writes them.
std::string Crlf(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) (text += line) += "\r\n";
  return text;
}

SettingsStore StoreOf(std::string_view text) {
  SettingsStore store;
  store.SetText(text);
  return store;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const fs::path& path, std::string_view text) {
  std::ofstream(path, std::ios::binary) << text;
}

class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("tilvane-settings-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    path_ = SettingsPath(dir_.string() + "/");
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path dir_;
  std::string path_;
};

// A store with several sections, lines the program does not know and the
// pitfalls of prefix matching.
constexpr std::string_view kSample =
    "; comment\n"             // 0
    "[PlayMode]\n"            // 1
    "   <Layout> Dragon\n"    // 2
    "   <Tileset>big\n"       // 3
    "\t<BkgColor>  255  \n"   // 4
    "   <Fav1> one\n"         // 5
    "   <Fav10> ten\n"        // 6
    "[MainExtra]\n"           // 7
    "[Main]\n"                // 8
    "   <FavNum> 2\n"         // 9
    "   <Music>\n"            // 10
    "      Pause=20\n"        // 11
    "      On=0\n"            // 12
    "   <Other>\n"            // 13
    "      ChooseRandom=0\n"  // 14
    "   <Sound>\n"            // 15
    "      On=1\n"            // 16
    "[Main]\n"                // 17
    "   <RecentNum> 4\n"      // 18
    "   <Volume>\n";          // 19

TEST(SettingsStoreTest, FindMatchesByPrefixWithinLimits) {
  const SettingsStore store = StoreOf(kSample);
  struct Case {
    std::string_view section, subsection, key;
    StoreLocation expected;
  };
  const Case cases[] = {
      {"PlayMode", "Layout", "", {1, 2, -1}},
      {" PlayMode ", " Tileset", "", {1, 3, -1}},  // names are trimmed
      {"playmode", "Layout", "", {-1, -1, -1}},    // case-sensitive
      {"PlayMode", "BkgColor", "", {1, 4, -1}},    // leading tab is a blank
      {"PlayMode", "Fav1", "", {1, 5, -1}},        // "<Fav1>" is not a prefix of "<Fav10>"
      {"PlayMode", "Fav10", "", {1, 6, -1}},
      {"PlayMode", "FavNum", "", {1, -1, -1}},   // the search stops at "[MainExtra]"
      {"MainExtra", "FavNum", "", {7, -1, -1}},  // ...and here at "[Main]"
      {"Main", "FavNum", "", {8, 9, -1}},        // "[Main]" does not match "[MainExtra]"
      {"Main", "RecentNum", "", {8, -1, -1}},    // only the first "[Main]" is searched
      {"Main", "Music", "Pause", {8, 10, 11}},
      {"Main", "Music", "On", {8, 10, 12}},
      {"Main", "Music", "ChooseRandom", {8, 10, -1}},  // "<Other>" lies between
      {"Main", "Sound", "On", {8, 15, 16}},
      {"Main", "Sound", "Pause", {8, 15, -1}},  // stops at the next "[Main]"
      {"Main", "Music", "", {8, 10, -1}},       // empty key: no key search
      {"Nowhere", "Music", "Pause", {-1, -1, -1}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(store.StoreFind(c.section, c.subsection, c.key), c.expected)
        << c.section << "/" << c.subsection << "/" << c.key;
}

TEST(SettingsStoreTest, ReadsTrimmedValuesAndFallsBack) {
  const SettingsStore store = StoreOf(kSample);
  EXPECT_EQ(store.StoreReadString("PlayMode", "Layout", "", "x"), "Dragon");
  EXPECT_EQ(store.StoreReadString("PlayMode", "Tileset", "", "x"), "big");  // no blank after ">"
  EXPECT_EQ(store.StoreReadInt("PlayMode", "BkgColor", "", 7), 255);
  EXPECT_EQ(store.StoreReadString("Main", "Music", "", "x"), "");  // present, empty value
  EXPECT_EQ(store.StoreReadString("Main", "Volume", "", "x"), "x");
  EXPECT_EQ(store.StoreReadString("Main", "Music", "ChooseRandom", "dflt"), "dflt");
  EXPECT_EQ(store.StoreReadInt("Main", "Music", "Pause", 10), 20);
  EXPECT_FALSE(store.StoreReadBool("Main", "Music", "On", true));
  EXPECT_TRUE(store.StoreReadBool("Main", "Sound", "On", false));
  EXPECT_EQ(store.StoreReadInt("Main", "Music", "Missing", -3), -3);
  // Only the token's first occurrence ends the key: the rest is the value.
  EXPECT_EQ(StoreOf("[S]\n<A>\nK=a=b\n").StoreReadString("S", "A", "K", ""), "a=b");
}

TEST(SettingsStoreTest, IntegersAndBooleansMustBeValid) {
  struct Case {
    std::string_view text;
    std::int32_t asInt;  // fallback 77
    bool asBool;         // fallback true
  };
  const Case cases[] = {
      {"0", 0, false},
      {"1", 1, true},
      {"01", 1, true},
      {"+1", 1, true},
      {"-0", 0, false},
      {"2", 2, true},
      {"-1", -1, true},
      {"", 77, true},
      {"1x", 77, true},
      {"x1", 77, true},
      {"1 2", 77, true},
      {"1.0", 77, true},
      {"+-1", 77, true},
      {"-", 77, true},
      {"2147483647", 2147483647, true},
      {"-2147483648", -2147483648LL, true},
      {"2147483648", 77, true},
      {"99999999999999999999", 77, true},
  };
  for (const Case& c : cases) {
    const SettingsStore store = StoreOf("[S]\n   <A> " + std::string(c.text) + "\n");
    EXPECT_EQ(store.StoreReadInt("S", "A", "", 77), c.asInt) << "\"" << c.text << "\"";
    EXPECT_EQ(store.StoreReadBool("S", "A", "", true), c.asBool) << "\"" << c.text << "\"";
  }
  // A boolean that is not valid keeps a false fallback too.
  EXPECT_FALSE(StoreOf("[S]\n<A> 2\n").StoreReadBool("S", "A", "", false));
}

TEST(SettingsStoreTest, WritesIntoAnEmptyStoreAndAddsSections) {
  SettingsStore store;
  store.StoreWriteString("A", "Sub", "", "v");
  store.StoreWriteString("B", "Sub", "Key", "w");
  store.StoreWriteInt("A", "Num", "", -5);
  store.StoreWriteBool("B", "Sub", "Flag", true);
  store.StoreWriteBool("B", "Other", "", false);
  EXPECT_EQ(store.Text(), Crlf({"[A]", "   <Num> -5", "   <Sub> v", "", "", "[B]", "   <Other> 0",
                                "   <Sub>", "      Flag=1", "      Key=w"}));
}

TEST(SettingsStoreTest, WritesReplaceInPlaceAndInsertBelowTheirParent) {
  SettingsStore store = StoreOf(kSample);
  std::vector<std::string> expected = store.Lines();
  store.StoreWriteString("PlayMode", "Tileset", "", "small");
  expected[3] = "   <Tileset> small";
  store.StoreWriteInt("Main", "Music", "Pause", 30);
  expected[11] = "      Pause=30";
  store.StoreWriteBool("Main", "Music", "ChooseRandom", true);  // key hidden by "<Other>"
  expected.insert(expected.begin() + 11, "      ChooseRandom=1");
  store.StoreWriteInt("Main", "RecentNum", "", 1);  // goes into the first "[Main]"
  expected.insert(expected.begin() + 9, "   <RecentNum> 1");
  store.StoreWriteString("Main", "Fav0", "", "a\r\nb");  // a value cannot break its line
  expected.insert(expected.begin() + 9, "   <Fav0> a  b");
  EXPECT_EQ(store.Lines(), expected);
  EXPECT_EQ(store.StoreReadString("Main", "Music", "Pause", ""), "30");
  EXPECT_EQ(store.StoreReadInt("Main", "FavNum", "", 0), 2);
}

TEST(SettingsStoreTest, AcceptsAnyLineEnding) {
  const std::vector<std::string> lines = {"[S]", "   <A> 1", "", "x"};
  for (std::string_view text : {"[S]\r\n   <A> 1\r\n\r\nx\r\n", "[S]\n   <A> 1\n\nx\n",
                                "[S]\r   <A> 1\r\rx", "\xEF\xBB\xBF[S]\r\n   <A> 1\n\r\nx"}) {
    const SettingsStore store = StoreOf(text);
    EXPECT_EQ(store.Lines(), lines) << text;
    EXPECT_EQ(store.StoreReadInt("S", "A", "", 0), 1);
  }
  EXPECT_TRUE(StoreOf("").Lines().empty());
}

TEST_F(SettingsFileTest, NewFileMatchesTheDocumentedLayout) {
  Settings settings;
  settings.Favourites = {"Fortress"};
  ASSERT_TRUE(SaveSettings(path_, settings));
  EXPECT_EQ(ReadFile(path_), Crlf({"[PlayMode]",
                                   "   <Texture> li-river",
                                   "   <UseTexture> 1",
                                   "   <BkgColor> 32768",
                                   "   <DrawShadows> 1",
                                   "   <DimLockedTiles> 1",
                                   "   <AnalogClock> 0",
                                   "   <Tileset> standard",
                                   "   <Layout> Dragon",
                                   "",
                                   "",
                                   "[Main]",
                                   "   <Sound>",
                                   "      On=1",
                                   "   <Music>",
                                   "      UncheckMusicNum=0",
                                   "      On=1",
                                   "      MusicVolume2=128",
                                   "      Pause=10",
                                   "      ChooseRandom=1",
                                   "   <RecentNum> 0",
                                   "   <Fav0> Fortress",
                                   "   <FavNum> 1"}));
}

Settings Unusual() {
  Settings s;
  s.LayoutName = "My Layout";
  s.TilesetName = "classic";
  s.AnalogClock = true;
  s.DimLockedTiles = false;
  s.DrawShadows = false;
  s.BkgColor = 0x123456;
  s.UseTexture = false;
  s.Texture = "";
  s.LongerHints = true;
  s.ZoomFaceWidth = 58;
  s.Favourites = {"Fortress", "Turtle", "a=b <c>"};
  s.Recent = {"Turtle", "Dragon"};
  s.MusicChooseRandom = false;
  s.MusicPause = 300;
  s.MusicVolume = 0;
  s.MusicOn = false;
  s.SoundOn = false;
  s.ResumeGame = false;  // written only when off; the defaults then write it back on
  s.UncheckedMusic = {"Song One", "two"};
  s.WindowLeft = -20;  // a second screen to the left
  s.WindowTop = 40;
  s.WindowWidth = 1000;
  s.WindowHeight = 700;
  s.WindowMaximized = true;
  return s;
}

TEST_F(SettingsFileTest, EveryEntrySurvivesARoundTrip) {
  Settings loaded;
  EXPECT_TRUE(LoadSettings(path_, loaded).Is(SettingsReadCode::kMissing));
  EXPECT_EQ(loaded, Settings{});

  const Settings saved = Unusual();
  ASSERT_TRUE(SaveSettings(path_, saved));
  loaded.Favourites = {"stale"};
  ASSERT_TRUE(LoadSettings(path_, loaded));
  EXPECT_EQ(loaded, saved);

  // Saving again over the file changes nothing.
  const std::string first = ReadFile(path_);
  ASSERT_TRUE(SaveSettings(path_, loaded));
  EXPECT_EQ(ReadFile(path_), first);

  // Back to the defaults, in place.
  ASSERT_TRUE(SaveSettings(path_, Settings{}));
  ASSERT_TRUE(LoadSettings(path_, loaded));
  EXPECT_EQ(loaded, Settings{});
}

TEST_F(SettingsFileTest, UpdatesKeepForeignAndStaleLines) {
  WriteFile(path_,
            "; mine\n[Main]\n   <FavNum> 5\n   <Fav0> a\n   <Fav1> b\n   <Fav2> c\n   <Fav3> d\n"
            "   <Fav4> e\n   <Window> 10 20\n[Extra]\nkeep=me\n");
  Settings settings;
  ASSERT_TRUE(LoadSettings(path_, settings));
  EXPECT_EQ(settings.Favourites, (std::vector<std::string>{"a", "b", "c", "d", "e"}));
  settings.Favourites = {"x", "y", "z"};
  ASSERT_TRUE(SaveSettings(path_, settings));
  const std::string text = ReadFile(path_);
  const std::string mainPart = Crlf({"; mine",
                                     "[Main]",
                                     "   <Sound>",
                                     "      On=1",
                                     "   <Music>",
                                     "      UncheckMusicNum=0",
                                     "      On=1",
                                     "      MusicVolume2=128",
                                     "      Pause=10",
                                     "      ChooseRandom=1",
                                     "   <RecentNum> 0",
                                     "   <FavNum> 3",
                                     "   <Fav0> x",
                                     "   <Fav1> y",
                                     "   <Fav2> z",
                                     "   <Fav3> d",
                                     "   <Fav4> e",
                                     "   <Window> 10 20",
                                     "[Extra]",
                                     "keep=me",
                                     "",
                                     "",
                                     "[PlayMode]"});
  EXPECT_EQ(text.substr(0, mainPart.size()), mainPart);
  ASSERT_TRUE(LoadSettings(path_, settings));
  EXPECT_EQ(settings.Favourites, (std::vector<std::string>{"x", "y", "z"}));
}

TEST_F(SettingsFileTest, InvalidValuesGiveDefaultsAndCountsAreBounded) {
  std::string text =
      "[PlayMode]\n<DrawShadows> 2\n<DimLockedTiles> yes\n<BkgColor> 16777216\n"
      "<UseTexture> 0\n<Layout>\n[Main]\n<FavNum> 25\n<RecentNum> -3\n<Recent0> r\n";
  for (int k = 0; k < 25; ++k)
    text += "<Fav" + std::to_string(k) + "> f" + std::to_string(k) + "\n";
  text += "<Fav5>\n";  // shadowed by the first "<Fav5>"
  text +=
      "<Music>\nPause=3\nMusicVolume2=999\nUncheckMusicNum=2147483647\nUncheckMusic1=b\n"
      "UncheckMusic0=\n<Sound>\nOn=x\n<MainWindow>\nLeft=999999\nWidth=0\nHeight=500\n";
  WriteFile(path_, text);

  Settings s;
  ASSERT_TRUE(LoadSettings(path_, s));
  EXPECT_TRUE(s.DrawShadows);
  EXPECT_TRUE(s.DimLockedTiles);
  EXPECT_EQ(s.BkgColor, 32768);
  EXPECT_FALSE(s.UseTexture);
  EXPECT_EQ(s.LayoutName, "");
  ASSERT_EQ(s.Favourites.size(), 20u);
  EXPECT_EQ(s.Favourites.front(), "f0");
  EXPECT_EQ(s.Favourites.back(), "f19");
  EXPECT_TRUE(s.Recent.empty());
  EXPECT_EQ(s.MusicPause, 5);
  EXPECT_EQ(s.MusicVolume, 999);                               // the player clamps it when applied
  EXPECT_EQ(s.UncheckedMusic, std::vector<std::string>{"b"});  // empty names are dropped
  EXPECT_TRUE(s.SoundOn);
  EXPECT_EQ(s.WindowLeft, 0);  // no window anywhere near; a size needs both sides
  EXPECT_EQ(s.WindowWidth, 0);
  EXPECT_EQ(s.WindowHeight, 0);

  // A long list with a huge count is read in one pass, every name in its place.
  std::string many = "[Main]\n<Music>\nUncheckMusicNum=100000\n";
  for (int k = 0; k < 3000; ++k)
    many += "UncheckMusic" + std::to_string(k) + "=s" + std::to_string(k) + "\n\n";
  WriteFile(path_, many);
  ASSERT_TRUE(LoadSettings(path_, s));
  ASSERT_EQ(s.UncheckedMusic.size(), 3000u);
  EXPECT_EQ(s.UncheckedMusic[1234], "s1234");

  struct PauseCase {
    std::string_view stored;
    std::int32_t read;
  };
  for (const PauseCase c : {PauseCase{"1000", 300}, {"abc", 10}, {"-7", 5}, {"42", 42}}) {
    WriteFile(path_, "[Main]\n   <Music>\n      Pause=" + std::string(c.stored) + "\n");
    ASSERT_TRUE(LoadSettings(path_, s));
    EXPECT_EQ(s.MusicPause, c.read) << c.stored;
  }
}

TEST_F(SettingsFileTest, ReadsWindowsAndUnixLineEnds) {
  const std::string lines[] = {"[PlayMode]", "   <Layout> Turtle", "   <Texture> sea",
                               "[Main]",     "   <RecentNum> 1",   "   <Recent0> Fortress",
                               "   <Music>", "      Pause=60"};
  for (std::string_view end : {"\r\n", "\n"}) {
    std::string text;
    for (const std::string& line : lines) (text += line) += end;
    WriteFile(path_, text);
    Settings s;
    ASSERT_TRUE(LoadSettings(path_, s));
    EXPECT_EQ(s.LayoutName, "Turtle");
    EXPECT_EQ(s.Texture, "sea");
    EXPECT_EQ(s.Recent, std::vector<std::string>{"Fortress"});
    EXPECT_EQ(s.MusicPause, 60);
    // Whatever came in, the file goes out with CR LF only.
    ASSERT_TRUE(SaveSettings(path_, s));
    const std::string written = ReadFile(path_);
    EXPECT_EQ(written.substr(0, 12), "[PlayMode]\r\n");
    EXPECT_NE(written.find("\r\n   <Recent0> Fortress\r\n"), std::string::npos);
    std::size_t bareLf = 0;
    for (std::size_t i = 0; i < written.size(); ++i)
      if (written[i] == '\n' && (i == 0 || written[i - 1] != '\r')) ++bareLf;
    EXPECT_EQ(bareLf, 0u);
  }
}

// Lets the test make every write past `bytes` fail, even with full privileges.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = signal(SIGXFSZ, SIG_IGN);
    rlimit limited = old_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = nullptr;
};

TEST_F(SettingsFileTest, FailedWriteLeavesTheOldFile) {
  const std::string old = "[PlayMode]\r\n   <Layout> Old\r\n";
  WriteFile(path_, old);
  Result saved;
  {
    FileSizeLimit limit(old.size() + 10);
    saved = SaveSettings(path_, Unusual());
  }
  EXPECT_TRUE(saved.Is(SettingsWriteCode::kCannotWrite));
  EXPECT_FALSE(saved.Message().empty());
  EXPECT_EQ(ReadFile(path_), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);

  // A target that cannot be replaced at all.
  const std::string blocked = (dir_ / "blocked").string();
  fs::create_directories(fs::path(blocked) / "tilvane.ini" / "inside");
  EXPECT_FALSE(SaveSettings(SettingsPath(blocked + "/"), Settings{}));
  EXPECT_TRUE(fs::exists(fs::path(blocked) / "tilvane.ini" / "inside"));
}

TEST_F(SettingsFileTest, FindsTheFileWhateverTheCaseOfItsName) {
  WriteFile(dir_ / "Tilvane.INI", "[PlayMode]\n<Tileset> big\n");
  Settings s;
  ASSERT_TRUE(LoadSettings(path_, s));
  EXPECT_EQ(s.TilesetName, "big");
  ASSERT_TRUE(SaveSettings(path_, s));
  EXPECT_FALSE(fs::exists(path_));  // updated under its own name, not duplicated
  EXPECT_NE(ReadFile(dir_ / "Tilvane.INI").find("<Tileset> big"), std::string::npos);
}

}  // namespace
}  // namespace tv
