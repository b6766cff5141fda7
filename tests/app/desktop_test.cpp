// SPDX-License-Identifier: GPL-3.0-or-later
// Running as a desktop program: the command line, where the files lie in the two ways
// to run, the shipped layouts offered to the player once, and one game at a time.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

#include "app/command_line.h"
#include "app/settings_keeper.h"
#include "app/single_instance.h"
#include "app/user_folders.h"
#include "app/widget_events.h"
#include "content/settings.h"
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
  const ProgramPaths paths =
      InstalledPaths(dir.dir() + "bin", dir.dir() + "share/tilvane",
                     {dir.dir() + "cfg/", dir.dir() + "data/", dir.dir() + "state/"});
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
  const ProgramPaths blocked =
      InstalledPaths(dir.dir() + "bin", dir.dir() + "share/tilvane",
                     {dir.dir() + "cfg/", dir.dir() + "cfg/tilvane.ini/", ""});
  WriteText(dir.path() / "cfg/tilvane.ini", "a file where the folder belongs");
  const Result result = PrepareUserFolders(blocked);
  EXPECT_TRUE(result.Is(UserFoldersError::kCreate));
  EXPECT_NE(result.Message().find("tilvane.ini/layouts"), std::string::npos) << result.Message();
}

// A disk that fills up during the first start: whatever could not be copied whole is
// absent, not offered, and arrives at a later start; an emptied folder is filled again.
TEST(UserFolders, AFailedCopyLeavesNothingAndIsTriedAgainAtTheNextStart) {
  test::TempDir dir;
  const fs::path shipped = dir.path() / "share/tilvane/layouts";
  WriteText(shipped / "Arena.mah", "arena");
  WriteText(shipped / "Bridge.mah", std::string(5000, 'b'));
  const ProgramPaths paths =
      InstalledPaths(dir.dir() + "bin", dir.dir() + "share/tilvane",
                     {dir.dir() + "cfg/", dir.dir() + "data/", dir.dir() + "state/"});
  EXPECT_EQ(paths.GameFile, dir.dir() + "state/game.sav");
  WriteText(dir.path() / "cfg/game.sav", "kept");  // where an older version kept it

  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  const auto previous = signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 100;  // no file of more than 100 bytes fits
  setrlimit(RLIMIT_FSIZE, &small);
  const Result full = PrepareUserFolders(paths);
  setrlimit(RLIMIT_FSIZE, &old);
  signal(SIGXFSZ, previous);
  EXPECT_TRUE(full.Is(UserFoldersError::kCopy));
  EXPECT_NE(full.Message().find("\"Bridge\""), std::string::npos) << full.Message();
  EXPECT_NE(full.Message().find(std::strerror(EFBIG)), std::string::npos) << full.Message();
  std::vector<std::string> files;
  for (const auto& entry : fs::directory_iterator(dir.path() / "data/layouts"))
    files.push_back(entry.path().filename().string());
  EXPECT_EQ(files, std::vector<std::string>{"Arena.mah"});
  EXPECT_EQ(ReadText(paths.OfferedLayoutsFile), "Arena\n");
  EXPECT_EQ(ReadText(paths.GameFile), "kept");
  EXPECT_FALSE(fs::exists(dir.path() / "cfg/game.sav"));
  EXPECT_FALSE(HasReadableLayout(paths.LayoutsDir));

  ASSERT_TRUE(PrepareUserFolders(paths).Ok());
  EXPECT_EQ(ReadText(dir.path() / "data/layouts/Bridge.mah"), std::string(5000, 'b'));
  fs::remove_all(dir.path() / "data/layouts");
  ASSERT_TRUE(PrepareUserFolders(paths).Ok());
  EXPECT_EQ(ReadText(dir.path() / "data/layouts/Arena.mah"), "arena");
  EXPECT_TRUE(fs::exists(dir.path() / "data/layouts/Bridge.mah"));
}

TEST(SingleInstance, TheSecondClaimFailsAndAsksTheFirstToComeForward) {
  test::App();
  test::TempDir dir;
  const QString sockets = QString::fromStdString(dir.dir());
  const std::string cfg = dir.dir() + "cfg", data = dir.dir() + "data";
  auto first = std::make_unique<SingleInstance>(std::vector{cfg, data}, sockets);
  ASSERT_TRUE(first->Claim());
  EXPECT_TRUE(fs::exists(data + "/tilvane.lock"));  // beside the records it guards
  int raised = 0;
  first->OnRaise = [&] { ++raised; };
  // Other player files run alongside.
  SingleInstance other({dir.dir() + "cfg2", dir.dir() + "data2"}, sockets);
  EXPECT_TRUE(other.Claim());

  // The same settings, the same records with other settings, or the same files seen
  // from another runtime folder: each hands over.
  struct Case {
    std::vector<std::string> folders;
    QString socketFolder;
    int raisedAfter;
  };
  const Case cases[] = {{{cfg, data}, sockets, 1},
                        {{dir.dir() + "cfg3", data}, sockets, 2},
                        {{cfg + "/", data}, QString::fromStdString(dir.dir() + "elsewhere"), 2}};
  for (const Case& c : cases) {
    SingleInstance second(c.folders, c.socketFolder);
    EXPECT_FALSE(second.Claim());
    QElapsedTimer timer;
    timer.start();
    while (raised < c.raisedAfter && timer.elapsed() < 5000) QCoreApplication::processEvents();
    EXPECT_EQ(raised, c.raisedAfter);
  }
  // A refused start leaves no lock of its own behind.
  EXPECT_TRUE(SingleInstance({dir.dir() + "cfg3"}, sockets).Claim());

  first.reset();
  EXPECT_TRUE(SingleInstance({cfg, data}, sockets).Claim());
}

// The settings written soon after a change are the file an exit would write; a failing
// disk is told once, and an unchanged state is never written.
TEST(SettingsKeeper, AChangeIsWrittenOnceAsAtExitAndTheFirstFailureIsTold) {
  test::TempDir dir;
  const std::string path = dir.dir() + "tilvane.ini";
  Settings current;
  std::vector<std::string> told;
  SettingsKeeper keeper(
      path, [&] { return current; }, [&](const std::string& text) { told.push_back(text); });
  keeper.Written(current);
  keeper.Check();
  EXPECT_FALSE(fs::exists(path));

  current.Favourites = {"Dragon", "v1.2"};
  current.Recent = {"Pagoda"};
  current.DrawShadows = false;
  keeper.Check();
  ASSERT_TRUE(SaveSettings(dir.dir() + "exit.ini", current));
  EXPECT_EQ(ReadText(path), ReadText(dir.path() / "exit.ini"));
  fs::remove(path);
  keeper.Check();
  EXPECT_FALSE(fs::exists(path));

  // A folder in the file's place: told once, with the file's name, however often it fails.
  fs::create_directories(path);
  for (const char* layout : {"Arena", "Bridge"}) {
    current.LayoutName = layout;
    keeper.Check();
  }
  ASSERT_EQ(told.size(), 1u);
  EXPECT_NE(told[0].find(path), std::string::npos) << told[0];
}

// Real processes of the program, run from a folder of their own.
struct ProgramFolder {
  test::TempDir dir;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();

  ProgramFolder() {
    fs::copy_file(TILVANE_BIN_DIR "/tilvane", dir.path() / "tilvane");
    for (const char* folder : {"layouts", "tiles"})
      fs::create_directory_symlink(fs::path(TILVANE_BIN_DIR) / folder, dir.path() / folder);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(dir.dir()));
  }
  // The program says when its field is painted and closes itself after `quitMs`.
  bool Start(QProcess& process, int quitMs) {
    WriteText(dir.path() / "tilvane.ini",
              "[Measure]\r\n   <NoSplashWait> 1\r\n   <ReportFirstField> 1\r\n   <QuitAfter> " +
                  std::to_string(quitMs) + "\r\n");
    process.setProcessEnvironment(env);
    process.start(QString::fromStdString((dir.path() / "tilvane").string()), {});
    return process.waitForStarted(10000);
  }
  static bool FieldShown(QProcess& process) {
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
};

TEST(SingleInstance, ASecondProcessLeavesAtOnceAndAKilledFirstBlocksNothing) {
  ProgramFolder program;
  QProcess first, second, third;
  ASSERT_TRUE(program.Start(first, 60000));
  ASSERT_TRUE(program.FieldShown(first));
  // Another runtime folder does not make the files another game's.
  program.env.insert("XDG_RUNTIME_DIR", QString::fromStdString(program.dir.dir() + "run2"));
  ASSERT_TRUE(program.Start(second, 60000));
  ASSERT_TRUE(second.waitForFinished(15000));
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_FALSE(second.readAllStandardOutput().contains("first-field-paint"));
  EXPECT_EQ(first.state(), QProcess::Running);

  first.kill();  // its lock stays behind, held by no process
  ASSERT_TRUE(first.waitForFinished(15000));
  ASSERT_TRUE(program.Start(third, 500));
  EXPECT_TRUE(program.FieldShown(third));
  EXPECT_TRUE(third.waitForFinished(30000));
}

// A kill, Ctrl+C or a logout closes as File > Exit does, also once the sound has started;
// without a display the program says so instead of aborting.
TEST(Signals, EachClosingSignalWritesTheSettingsAndEndsTheGame) {
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    ProgramFolder program;
    QProcess game;
    ASSERT_TRUE(program.Start(game, 0));
    ASSERT_TRUE(program.FieldShown(game));
    QThread::msleep(2000);  // the sound output starts at the latest 1.5 s after the field
    // Gone, so only the closing can bring it back (the change made by the first deal,
    // a recent layout, has been written by now).
    fs::remove(program.dir.path() / "tilvane.ini");
    ::kill(static_cast<pid_t>(game.processId()), signal);
    ASSERT_TRUE(game.waitForFinished(5000)) << signal;
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit) << signal;
    EXPECT_EQ(game.exitCode(), 0) << signal;
    EXPECT_NE(ReadText(program.dir.path() / "tilvane.ini").find("<Layout>"), std::string::npos)
        << signal;
  }
  ProgramFolder program;
  program.env.insert("QT_QPA_PLATFORM", "xcb");
  program.env.remove("DISPLAY");
  program.env.remove("WAYLAND_DISPLAY");
  QProcess game;
  ASSERT_TRUE(program.Start(game, 0));
  ASSERT_TRUE(game.waitForFinished(15000));
  EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(game.exitCode(), 1);
  EXPECT_TRUE(game.readAllStandardError().contains("needs a graphical display"));
}

}  // namespace
}  // namespace tv
