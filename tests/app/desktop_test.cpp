// SPDX-License-Identifier: GPL-3.0-or-later
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

// Sets environment variables for one test and puts the old values back.
struct ScopedEnv {
  std::vector<std::pair<std::string, std::optional<std::string>>> saved;
  void Set(const char* name, const std::string& value) {
    const char* old = std::getenv(name);
    saved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
    setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    for (auto it = saved.rbegin(); it != saved.rend(); ++it)
      it->second ? setenv(it->first.c_str(), it->second->c_str(), 1) : unsetenv(it->first.c_str());
  }
};

TEST(CommandLine, OnlyHelpAndVersionAnswerAndOtherOptionsAreRefused) {
  for (const auto& args : std::vector<std::vector<std::string>>{{}, {"a.mah"}, {"--", "-x"}})
    EXPECT_EQ(ParseCommandLine(args, "1.2").Action, CommandAction::kRun);
  EXPECT_EQ(ParseCommandLine({"--version"}, "1.2").Text, "tilvane 1.2\n");
  EXPECT_EQ(ParseCommandLine({"-", "-h"}, "1.2").Action, CommandAction::kHelp);
  // The toolkit's own options would change the game, so they are refused too.
  const CommandLine bad = ParseCommandLine({"-platform", "--help"}, "1.2");
  EXPECT_EQ(bad.Action, CommandAction::kUsageError);
  EXPECT_EQ(std::count(bad.Text.begin(), bad.Text.end(), '\n'), 1) << bad.Text;
}

TEST(ProgramPaths, PortableBesideTheProgramInstalledInShareAndTheXdgFolders) {
  test::TempDir dir;
  fs::create_directories(dir.path() / "share/tilvane/tiles");
  fs::create_directories(dir.path() / "bin");
  ScopedEnv env;
  env.Set("XDG_CONFIG_HOME", dir.dir() + "cfg");
  env.Set("XDG_DATA_HOME", dir.dir() + "data");
  const ProgramPaths installed = MakeProgramPaths(dir.dir() + "bin");
  ASSERT_TRUE(installed.Installed);
  const std::string share = dir.dir() + "share/tilvane/";
  EXPECT_EQ(installed.TilesDir + installed.SoundsDir + installed.ContentDir,
            share + "tiles/" + share + "sounds/" + share);
  EXPECT_EQ(installed.SettingsFile, dir.dir() + "cfg/tilvane/tilvane.ini");
  EXPECT_EQ(installed.RecordsFile, dir.dir() + "data/tilvane/tilvane.won2");
  EXPECT_EQ(installed.LayoutsDir, dir.dir() + "data/tilvane/layouts/");

  // Relative or empty base folders are not trusted: the home defaults apply.
  env.Set("HOME", dir.dir() + "home");
  env.Set("XDG_CONFIG_HOME", "cfg");
  env.Set("XDG_DATA_HOME", "");
  EXPECT_EQ(UserFoldersFromEnvironment().ConfigDir, dir.dir() + "home/.config/tilvane/");
  EXPECT_EQ(UserFoldersFromEnvironment().DataDir, dir.dir() + "home/.local/share/tilvane/");

  // Content in the writable program folder wins over the installed tree.
  fs::create_directories(dir.path() / "bin/layouts");
  const ProgramPaths portable = MakeProgramPaths(dir.dir() + "bin");
  const std::string bin = dir.dir() + "bin/";
  EXPECT_FALSE(portable.Installed);
  EXPECT_EQ(portable.SettingsFile + portable.RecordsFile + portable.SoundsDir + portable.TilesDir,
            bin + "tilvane.ini" + bin + "tilvane.won2" + bin + bin + "tiles/");
  EXPECT_TRUE(PrepareUserFolders(portable).Ok());
}

TEST(UserFolders, ShippedLayoutsAreOfferedOnceAndNeverOverwriteThePlayers) {
  test::TempDir dir;
  const fs::path shipped = dir.path() / "share/tilvane/layouts";
  WriteText(shipped / "Arena.mah", "arena");
  WriteText(shipped / "Bridge.mah", "bridge");
  WriteText(shipped / "notes.txt", "not a layout");
  const ProgramPaths paths = InstalledPaths(dir.dir() + "bin", dir.dir() + "share/tilvane",
                                            {dir.dir() + "cfg/", dir.dir() + "data/"});
  WriteText(dir.path() / "data/layouts/BRIDGE.MAH", "mine");  // the player's own Bridge

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

  // A folder that cannot be made is reported, naming it.
  const ProgramPaths blocked = InstalledPaths(dir.dir() + "bin", dir.dir() + "share/tilvane",
                                              {dir.dir() + "cfg/", dir.dir() + "cfg/tilvane.ini/"});
  WriteText(dir.path() / "cfg/tilvane.ini", "a file where the folder belongs");
  const Result result = PrepareUserFolders(blocked);
  EXPECT_TRUE(result.Is(UserFoldersError::kCreate));
  EXPECT_NE(result.Message().find("tilvane.ini/layouts"), std::string::npos) << result.Message();
}

TEST(SingleInstance, TheSecondClaimFailsAndAsksTheFirstToComeForward) {
  test::App();
  test::TempDir dir;
  const QString folder = QString::fromStdString(dir.dir());
  auto first = std::make_unique<SingleInstance>("/files/a", folder);
  ASSERT_TRUE(first->Claim());
  int raised = 0;
  first->OnRaise = [&] { ++raised; };
  SingleInstance other("/files/b", folder);  // other player files run alongside
  EXPECT_TRUE(other.Claim());

  SingleInstance second("/files/a", folder);
  EXPECT_FALSE(second.Claim());
  QElapsedTimer timer;
  timer.start();
  while (raised == 0 && timer.elapsed() < 5000) QCoreApplication::processEvents();
  EXPECT_EQ(raised, 1);

  first.reset();
  EXPECT_TRUE(SingleInstance("/files/a", folder).Claim());
}

// Two real processes of the program, run from a folder of their own.
TEST(SingleInstance, ASecondProcessLeavesAtOnceAndAKilledFirstBlocksNothing) {
  test::TempDir dir;
  fs::copy_file(TILVANE_BIN_DIR "/tilvane", dir.path() / "tilvane");
  for (const char* folder : {"layouts", "tiles"})
    fs::create_directory_symlink(fs::path(TILVANE_BIN_DIR) / folder, dir.path() / folder);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("XDG_RUNTIME_DIR", QString::fromStdString(dir.dir()));
  // The program says when its field is painted and closes itself after `quitMs`.
  auto start = [&](QProcess& process, int quitMs) {
    WriteText(dir.path() / "tilvane.ini",
              "[Measure]\r\n   <NoSplashWait> 1\r\n   <ReportFirstField> 1\r\n   <QuitAfter> " +
                  std::to_string(quitMs) + "\r\n");
    process.setProcessEnvironment(env);
    process.start(QString::fromStdString((dir.path() / "tilvane").string()), {});
    return process.waitForStarted(10000);
  };
  auto fieldShown = [](QProcess& process) {
    QByteArray out;
    QElapsedTimer timer;
    timer.start();
    while (!out.contains("first-field-paint") && timer.elapsed() < 60000 &&
           process.state() == QProcess::Running) {
      process.waitForReadyRead(200);
      out += process.readAllStandardOutput();
    }
    return out.contains("first-field-paint");
  };

  QProcess first, second, third;
  ASSERT_TRUE(start(first, 60000));
  ASSERT_TRUE(fieldShown(first));
  ASSERT_TRUE(start(second, 60000));
  ASSERT_TRUE(second.waitForFinished(15000));
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_FALSE(second.readAllStandardOutput().contains("first-field-paint"));
  EXPECT_EQ(first.state(), QProcess::Running);

  first.kill();  // its lock stays behind, held by no process
  ASSERT_TRUE(first.waitForFinished(15000));
  ASSERT_TRUE(start(third, 500));
  EXPECT_TRUE(fieldShown(third));
  EXPECT_TRUE(third.waitForFinished(30000));
}

}  // namespace
}  // namespace tv
