// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up order: splash, main window set-up, settings, layout with its fallbacks,
// tileset with its fallbacks, then the first deal; the splash stays at least 2 s.
#include "app/startup.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "app/art.h"
#include "app/command_line.h"
#include "app/field_widget.h"
#include "app/main_looks.h"
#include "app/main_window.h"
#include "app/program_looks.h"
#include "app/signal_close.h"
#include "app/single_instance.h"
#include "app/user_folders.h"
#include "content/about.h"
#include "content/settings.h"
#include "content/settings_store.h"
#include "content/sound_output.h"
#include "content/translate.h"
#include "game/files.h"

namespace tv {
namespace {

constexpr auto kSplashMinimum = std::chrono::milliseconds(2000);
// Should the field not be painted (a window started minimised), the sound starts anyway.
constexpr int kSoundStartLatestMs = 1500;

// Opening the output and loading the synthesiser would hold back the first picture and
// the first deal's animation (the deal timer waits behind them); the first song is ten
// seconds away, so they wait until a painted field has no deal pending.
void StartSoundAfterFirstPaint(TF_Main& window) {
  SoundOutput* sound = &window.Parts().Sounds;
  const QTimer* dealPending = window.Parts().NewGameTimer;
  auto start = [sound] { QTimer::singleShot(0, sound, [sound] { sound->StartSound(); }); };
  auto previous = std::move(window.Parts().Field->OnPainted);
  auto asked = std::make_shared<bool>(false);
  window.Parts().Field->OnPainted = [previous, asked, start, dealPending] {
    if (previous) previous();
    // The deal's own paints come with its timer stopped: the start waits until it is done.
    if (*asked || dealPending->isActive()) return;
    start();
    *asked = true;
  };
  QTimer::singleShot(kSoundStartLatestMs, sound, [sound] { sound->StartSound(); });
}

void ExitWithoutDisplay(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type != QtFatalMsg) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
    return;
  }
  const char* display = std::getenv("DISPLAY");
  std::fprintf(stderr,
               "Tilvane needs a graphical display, and none could be opened (DISPLAY=%s).\n"
               "Start it from a desktop session.\n",
               display && display[0] ? display : "unset");
  std::_Exit(1);
}

double SinceEpochMs() {
  return std::chrono::duration<double, std::milli>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

}  // namespace

MeasureOptions ReadMeasureOptions(const std::string& settingsFile) {
  MeasureOptions options;
  SettingsStore store;
  if (!store.StoreLoad(settingsFile)) return options;
  options.NoSplashWait = store.StoreReadBool("Measure", "NoSplashWait", "", false);
  options.ReportFirstField = store.StoreReadBool("Measure", "ReportFirstField", "", false);
  options.QuitAfterMs = std::max(0, store.StoreReadInt("Measure", "QuitAfter", "", 0));
  return options;
}

std::unique_ptr<TF_Main> StartProgram(const StartOptions& options,
                                      std::chrono::steady_clock::time_point started) {
  // Before the first window: X11 takes its class (the desktop entry's StartupWMClass) from it.
  QApplication::setApplicationName(kProgramTitle);
  ApplyProgramLooks();
  std::unique_ptr<TF_About> splash;
  if (options.ShowSplash) {
    // The splash has no play button: its pictures are not drawn.
    splash = std::make_unique<TF_About>(true, AboutArt(false));
    splash->show();
    splash->repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }

  MainOptions mainOptions;
  mainOptions.Paths = MakeProgramPaths(options.ProgramDir);
  mainOptions.MessageBox = options.MessageBox;
  mainOptions.Pauses = options.Pauses;
  mainOptions.Clock = options.Clock;
  // What a killed write left; this game holds the files' lock, so none is under way.
  for (const std::string& file : {mainOptions.Paths.SettingsFile, mainOptions.Paths.RecordsFile,
                                  mainOptions.Paths.GameFile, mainOptions.Paths.LayoutsDir + "."})
    RemoveLeftoverTemporaries(std::filesystem::path(file).parent_path().string());
  // Installed runs fill the player's layouts folder before the catalogue reads it.
  const Result prepared = PrepareUserFolders(mainOptions.Paths);
  // With nothing playable in the player's folder the shipped layouts serve this run;
  // the next start fills the folder again.
  ProgramPaths& paths = mainOptions.Paths;
  if (paths.Installed && !HasReadableLayout(paths.LayoutsDir) &&
      HasReadableLayout(paths.ShippedLayoutsDir))
    paths.LayoutsDir = paths.ShippedLayoutsDir;
  auto window = std::make_unique<TF_Main>(mainOptions);
  if (!prepared) window->Message(MessageOf(prepared), kMessageWarning);
  for (const std::string& name : window->TileSets().Refused())
    window->Message(
        TranslatedUtf8(Text::Lines(
            {Text::Template(TV_TRANSLATE_NOOP("Messages", "Tileset \"%1\" was not loaded:"),
                            {name}),
             Text::Template(TV_TRANSLATE_NOOP(
                 "Messages", "its descriptor names a tile size no field can show."))})),
        kMessageWarning);
  // Whatever ends the start-up early, nothing is written.
  window->SetSaveOnClose(false);
  auto fail = [&](const char* message) -> std::unique_ptr<TF_Main> {
    if (splash) splash->hide();
    window->Message(QCoreApplication::translate("Startup", message).toStdString(), kMessageError);
    return nullptr;
  };

  const std::string settingsFile = window->Paths().SettingsFile;
  Settings settings;
  // An unreadable file leaves the defaults; the file itself is left alone.
  static_cast<void>(LoadSettings(settingsFile, settings));
  const MeasureOptions measure = ReadMeasureOptions(settingsFile);
  window->ApplySettings(settings);

  if (window->TileSets().List().empty()) return fail(kNoTilesetsMessage);
  if (!window->ReadStartLayout()) return fail(kNoLayoutsMessage);
  if (!window->LoadStartTileSize()) return fail(kNoTilesMessage);
  window->Parts().Looks.LoadStart();

  window->FinishStartUp();

  if (splash && options.HoldSplash && !measure.NoSplashWait) {
    const auto until = started + kSplashMinimum;
    while (std::chrono::steady_clock::now() < until)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (splash) splash->hide();
  splash.reset();
  window->SetSaveOnClose(true);
  // The first song one pause after the start-up has ended.
  window->Parts().Sounds.Player().RestartPause();

  if (measure.ReportFirstField) {
    TF_Main* w = window.get();
    auto reported = std::make_shared<int>(0);
    w->Parts().Field->OnPainted = [w, reported] {
      const GAME_P& game = w->CurrentGame().PlayBoard().Game;
      if (*reported == 0) {
        std::printf("first-field-paint-ms-since-epoch %.1f\n", SinceEpochMs());
        *reported = 1;
      }
      const auto& tiles = w->CurrentGame().PlayBoard().Tiles;
      const auto present =
          std::count_if(tiles.begin(), tiles.end(), [](const TILE_P& t) { return t.Present; });
      if (*reported == 1 && game.TileCount > 0 && present == game.TileCount) {
        std::printf("dealt-field-paint-ms-since-epoch %.1f\n", SinceEpochMs());
        std::fflush(stdout);
        *reported = 2;
      }
    };
  }
  StartSoundAfterFirstPaint(*window);
  if (measure.QuitAfterMs > 0) {
    QTimer::singleShot(measure.QuitAfterMs, window.get(), &QWidget::close);
  }
  return window;
}

int RunProgram(int argc, char** argv) {
  const auto started = std::chrono::steady_clock::now();
  const CommandLine command =
      ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), kProgramVersion);
  if (command.Action == CommandAction::kHelp || command.Action == CommandAction::kVersion) {
    std::fputs(command.Text.c_str(), stdout);
    return 0;
  }
  if (command.Action == CommandAction::kUsageError) {
    std::fputs(command.Text.c_str(), stderr);
    return kUsageExitCode;
  }
  // Qt sees only the program name, so no toolkit option slips past the check above.
  int toolkitArgc = 1;
  // Without a display the toolkit would abort with advice about reinstalling.
  const QtMessageHandler previous = qInstallMessageHandler(ExitWithoutDisplay);
  QApplication app(toolkitArgc, argv);
  qInstallMessageHandler(previous);
  // Docks find the launcher by this name and show the window's own icon (_NET_WM_ICON).
  QGuiApplication::setDesktopFileName("org.tilvane.tilvane");
  QApplication::setWindowIcon(ProgramIcon());
  StartOptions options;
  options.ProgramDir = QCoreApplication::applicationDirPath().toStdString() + "/";
  // A second start hands over to the running game before any window appears: one
  // game per settings folder and per data folder (the records).
  const ProgramPaths paths = MakeProgramPaths(options.ProgramDir);
  // Every window, the splash among them, is made in the player's language.
  InstallTranslations(paths.ContentDir + "translations/");
  SingleInstance instance({std::filesystem::path(paths.SettingsFile).parent_path().string(),
                           std::filesystem::path(paths.RecordsFile).parent_path().string()});
  if (!instance.Claim()) return 0;
  std::unique_ptr<TF_Main> window = StartProgram(options, started);
  if (!window) return 1;
  instance.OnRaise = [w = window.get()] {
    w->setWindowState((w->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    w->show();
    w->raise();
    w->activateWindow();
  };
  SignalClose closeOnSignal([w = window.get()] {
    w->CloseWithoutQuestions();
    // Ends a modal dialog's loop too.
    QCoreApplication::quit();
  });
  window->show();
  return app.exec();
}

}  // namespace tv
