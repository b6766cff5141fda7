// Running as a desktop program: the command line, where the files lie in the two ways
// to run, the shipped layouts offered to the player once, and one game at a time.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "app/command_line.h"
#include "app/single_instance.h"
#include "app/user_folders.h"
#include "app/widget_events.h"
#include "support/temp_dir.h"

namespace tv {
namespace {

namespace fs = std::filesystem;

void WriteText(const fs::path& file, const std::string& text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}
std::string ReadText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(CommandLine, OnlyHelpAndVersionAnswerAndOtherOptionsAreRefused) {
  EXPECT_EQ(ParseCommandLine({}, "1.2").Action, CommandAction::kRun);
  EXPECT_EQ(ParseCommandLine({"Dragon.mah"}, "1.2").Action, CommandAction::kRun);
  EXPECT_EQ(ParseCommandLine({"--", "--help"}, "1.2").Action, CommandAction::kRun);
  EXPECT_EQ(ParseCommandLine({"--version"}, "1.2").Text, "tilvane 1.2\n");
  EXPECT_EQ(ParseCommandLine({"x", "-h"}, "1.2").Action, CommandAction::kHelp);
  EXPECT_EQ(ParseCommandLine({"-", "-h"}, "1.2").Action, CommandAction::kHelp);
  // Qt's own options would change the game, so they are refused like any other.
  for (const char* option : {"-platform", "--bogus"}) {
    const CommandLine bad = ParseCommandLine({option, "--help"}, "1.2");
    EXPECT_EQ(bad.Action, CommandAction::kUsageError) << option;
    EXPECT_EQ(std::count(bad.Text.begin(), bad.Text.end(), '\n'), 1) << bad.Text;
  }
}

TEST(ProgramPaths, AWritableFolderWithContentKeepsEverythingBesideTheProgram) {
  test::TempDir dir;
  fs::create_directories(dir.path() / "bin/tiles");
  // Even with an installed tree next to it, the folder's own content wins.
  fs::create_directories(dir.path() / "share/tilvane/tiles");
  const ProgramPaths paths = MakeProgramPaths((dir.path() / "bin").string());
  const std::string bin = dir.dir() + "bin/";
  EXPECT_FALSE(paths.Installed);
  EXPECT_EQ(paths.SettingsFile, bin + "tilvane.ini");
  EXPECT_EQ(paths.RecordsFile, bin + "tilvane.won2");
  EXPECT_EQ(paths.LayoutsDir, bin + "layouts/");
  EXPECT_EQ(paths.SoundsDir, bin);
  EXPECT_EQ(paths.ContentDir, bin);
  EXPECT_TRUE(PrepareUserFolders(paths).Ok());
  EXPECT_FALSE(fs::exists(bin + "layouts"));  // nothing made for a portable run
}

TEST(ProgramPaths, InstalledReadsContentFromShareAndKeepsPlayerFilesInXdgFolders) {
  test::TempDir dir;
  fs::create_directories(dir.path() / "bin");
  fs::create_directories(dir.path() / "share/tilvane/tiles");
  ScopedEnv config("XDG_CONFIG_HOME", dir.dir() + "cfg");
  ScopedEnv data("XDG_DATA_HOME", dir.dir() + "data");
  const ProgramPaths paths = MakeProgramPaths(dir.dir() + "bin");
  ASSERT_TRUE(paths.Installed);
  const std::string share = dir.dir() + "share/tilvane/";
  EXPECT_EQ(paths.TilesDir, share + "tiles/");
  EXPECT_EQ(paths.SoundsDir, share + "sounds/");
  EXPECT_EQ(paths.ContentDir, share);
  EXPECT_EQ(paths.ShippedLayoutsDir, share + "layouts/");
  EXPECT_EQ(paths.SettingsFile, dir.dir() + "cfg/tilvane/tilvane.ini");
  EXPECT_EQ(paths.RecordsFile, dir.dir() + "data/tilvane/tilvane.won2");
  EXPECT_EQ(paths.OldRecordsFile, dir.dir() + "data/tilvane/tilvane.won");
  EXPECT_EQ(paths.LayoutsDir, dir.dir() + "data/tilvane/layouts/");

  // Relative or empty base folders are not to be trusted: the home defaults apply.
  ScopedEnv home("HOME", dir.dir() + "home");
  ScopedEnv relative("XDG_CONFIG_HOME", "cfg");
  ScopedEnv empty("XDG_DATA_HOME", "");
  const UserFolders folders = UserFoldersFromEnvironment();
  EXPECT_EQ(folders.ConfigDir, dir.dir() + "home/.config/tilvane/");
  EXPECT_EQ(folders.DataDir, dir.dir() + "home/.local/share/tilvane/");
}

TEST(ProgramPaths, WithoutContentAnywhereTheProgramFolderStays) {
  test::TempDir dir;
  const ProgramPaths paths = MakeProgramPaths(dir.dir());
  EXPECT_FALSE(paths.Installed);  // the start-up then reports the missing content
  EXPECT_EQ(paths.TilesDir, dir.dir() + "tiles/");
}

TEST(UserFolders, ShippedLayoutsAreOfferedOnceAndNeverOverwriteThePlayers) {
  test::TempDir dir;
  const fs::path shipped = dir.path() / "share/tilvane/layouts";
  WriteText(shipped / "Arena.mah", "arena");
  WriteText(shipped / "Bridge.mah", "bridge");
  WriteText(shipped / "notes.txt", "not a layout");
  const ProgramPaths paths = InstalledPaths(dir.dir() + "bin", dir.dir() + "share/tilvane",
                                            {dir.dir() + "cfg/", dir.dir() + "data/"});
  // The player already has a Bridge of their own, spelled differently.
  WriteText(dir.path() / "data/layouts/BRIDGE.MAH", "mine");

  ASSERT_TRUE(PrepareUserFolders(paths).Ok());
  EXPECT_TRUE(fs::is_directory(dir.path() / "cfg"));
  EXPECT_EQ(ReadText(dir.path() / "data/layouts/Arena.mah"), "arena");
  EXPECT_EQ(ReadText(dir.path() / "data/layouts/BRIDGE.MAH"), "mine");
  EXPECT_FALSE(fs::exists(dir.path() / "data/layouts/Bridge.mah"));
  EXPECT_FALSE(fs::exists(dir.path() / "data/layouts/notes.txt"));

  // The player deletes Arena; a later version ships Cross: only Cross arrives.
  fs::remove(dir.path() / "data/layouts/Arena.mah");
  WriteText(shipped / "Cross.mah", "cross");
  ASSERT_TRUE(PrepareUserFolders(paths).Ok());
  EXPECT_FALSE(fs::exists(dir.path() / "data/layouts/Arena.mah"));
  EXPECT_EQ(ReadText(dir.path() / "data/layouts/Cross.mah"), "cross");
  EXPECT_EQ(ReadText(paths.OfferedLayoutsFile), "Arena\nBridge\nCross\n");
}

TEST(UserFolders, AFolderThatCannotBeMadeIsReported) {
  test::TempDir dir;
  WriteText(dir.path() / "share/tilvane/layouts/Arena.mah", "arena");
  WriteText(dir.path() / "data", "a file where the folder belongs");
  const ProgramPaths paths = InstalledPaths(dir.dir() + "bin", dir.dir() + "share/tilvane",
                                            {dir.dir() + "cfg/", dir.dir() + "data/"});
  const Result result = PrepareUserFolders(paths);
  EXPECT_TRUE(result.Is(UserFoldersError::kCreate));
  EXPECT_NE(result.Message().find("data/layouts"), std::string::npos) << result.Message();
}

TEST(SingleInstance, TheSecondClaimFailsAndAsksTheFirstToComeForward) {
  test::App();
  test::TempDir dir;
  auto first = std::make_unique<SingleInstance>("/files/a", QString::fromStdString(dir.dir()));
  ASSERT_TRUE(first->Claim());
  int raised = 0;
  first->OnRaise = [&] { ++raised; };
  // Another set of player files runs alongside.
  SingleInstance other("/files/b", QString::fromStdString(dir.dir()));
  EXPECT_TRUE(other.Claim());

  SingleInstance second("/files/a", QString::fromStdString(dir.dir()));
  EXPECT_FALSE(second.Claim());
  QElapsedTimer timer;
  timer.start();
  while (raised == 0 && timer.elapsed() < 5000) QCoreApplication::processEvents();
  EXPECT_EQ(raised, 1);

  first.reset();
  SingleInstance third("/files/a", QString::fromStdString(dir.dir()));
  EXPECT_TRUE(third.Claim());
}

// Two real processes of the program, run from a folder of their own.
class TwoStarts : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::copy_file(TILVANE_BIN_DIR "/tilvane", dir_.path() / "tilvane");
    for (const char* folder : {"layouts", "tiles"})
      fs::create_directory_symlink(fs::path(TILVANE_BIN_DIR) / folder, dir_.path() / folder);
    env_ = QProcessEnvironment::systemEnvironment();
    env_.insert("QT_QPA_PLATFORM", "offscreen");
    env_.insert("SDL_AUDIODRIVER", "dummy");
    env_.insert("XDG_RUNTIME_DIR", QString::fromStdString(dir_.dir()));
  }
  // The program paints its field, says so and closes itself after `quitMs`.
  void MeasureSettings(int quitMs) {
    WriteText(dir_.path() / "tilvane.ini",
              "[Measure]\r\n   <NoSplashWait> 1\r\n   <ReportFirstField> 1\r\n   <QuitAfter> " +
                  std::to_string(quitMs) + "\r\n");
  }
  void Start(QProcess& process) {
    process.setProcessEnvironment(env_);
    process.start(QString::fromStdString((dir_.path() / "tilvane").string()), {});
    ASSERT_TRUE(process.waitForStarted(10000));
  }
  static bool WaitForField(QProcess& process) {
    QByteArray out;
    QElapsedTimer timer;
    timer.start();
    while (!out.contains("first-field-paint") && timer.elapsed() < 60000 &&
           process.state() == QProcess::Running) {
      process.waitForReadyRead(200);
      out += process.readAllStandardOutput();
    }
    return out.contains("first-field-paint");
  }

  test::TempDir dir_;
  QProcessEnvironment env_;
};

TEST_F(TwoStarts, TheSecondStartLeavesAtOnceAndTheFirstKeepsRunning) {
  MeasureSettings(60000);
  QProcess first;
  Start(first);
  ASSERT_TRUE(WaitForField(first));

  QProcess second;
  Start(second);
  ASSERT_TRUE(second.waitForFinished(15000));
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_FALSE(second.readAllStandardOutput().contains("first-field-paint"));
  EXPECT_EQ(first.state(), QProcess::Running);

  // Once the first has gone, the next start runs again.
  first.terminate();
  ASSERT_TRUE(first.waitForFinished(15000));
  MeasureSettings(500);
  QProcess third;
  Start(third);
  EXPECT_TRUE(WaitForField(third));
  EXPECT_TRUE(third.waitForFinished(30000));
}

}  // namespace
}  // namespace tv
