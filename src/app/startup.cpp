// Start-up order: splash, main window set-up, settings, layout with its fallbacks,
// tileset with its fallbacks, then the first deal; the splash stays at least 2 s.
#include "app/startup.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "app/art.h"
#include "app/main_field.h"
#include "app/main_window.h"
#include "content/about.h"
#include "content/settings.h"
#include "content/settings_store.h"
#include "game/files.h"
#include "game/layout_file.h"

namespace tv {
namespace {

constexpr auto kSplashMinimum = std::chrono::milliseconds(2000);

// The first layout of the folder by name, ignoring case, for the last fallback.
std::string FirstLayoutName(const std::string& layoutsDir) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(layoutsDir, error)) {
    const std::string file = entry.path().filename().string();
    if (file.size() > 4 && EqualsIgnoreCase(file.substr(file.size() - 4), ".mah"))
      names.push_back(BareLayoutName(file));
  }
  if (names.empty()) return {};
  return *std::min_element(names.begin(), names.end(),
                           [](const auto& a, const auto& b) { return LessIgnoreCase(a, b); });
}

// The remembered layout, then "Dragon", then the first layout found.
bool ReadStartLayout(TF_Main& window) {
  MODE_P& board = window.CurrentGame().PlayBoard();
  const std::string& dir = window.Paths().LayoutsDir;
  bool read = ReadLayout(dir, window.ProgramSettings().LayoutName, board).Ok() ||
              ReadLayout(dir, kDefaultLayout, board).Ok();
  if (!read) {
    const std::string first = FirstLayoutName(dir);
    read = !first.empty() && ReadLayout(dir, first, board).Ok();
  }
  if (!read) return false;
  // Nothing is shown before the first deal places the faces.
  for (TILE_P& tile : board.Tiles) tile.Present = false;
  window.CurrentGame().EditBoard().Game = board.Game;
  return true;
}

// The remembered tileset, then "standard", then the first one of the list.
const TILESET_P* ChooseStartTileset(const Tilesets& sets, const std::string& remembered) {
  if (const TILESET_P* found = sets.FindTileset(remembered)) return found;
  if (const TILESET_P* found = sets.FindTileset(kDefaultTileset)) return found;
  return sets.List().empty() ? nullptr : sets.List().front().get();
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
  std::unique_ptr<TF_About> splash;
  if (options.ShowSplash) {
    // The splash has no play button: its pictures are not drawn.
    splash = std::make_unique<TF_About>(true, AboutPictures{ArtImage("about"), {}, {}});
    splash->show();
    splash->repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  QApplication::setApplicationName(kProgramTitle);

  MainOptions mainOptions;
  mainOptions.Paths = MakeProgramPaths(options.ProgramDir);
  mainOptions.MessageBox = options.MessageBox;
  mainOptions.Pauses = options.Pauses;
  auto window = std::make_unique<TF_Main>(mainOptions);
  // Whatever ends the start-up early, nothing is written.
  window->SetSaveOnClose(false);
  auto fail = [&](const char* message) -> std::unique_ptr<TF_Main> {
    if (splash) splash->hide();
    window->Message(message, kMessageError);
    return nullptr;
  };

  const std::string settingsFile = window->Paths().SettingsFile;
  // An unreadable file leaves the defaults; the file itself is left alone.
  static_cast<void>(LoadSettings(settingsFile, window->ProgramSettings()));
  const MeasureOptions measure = ReadMeasureOptions(settingsFile);
  window->ApplySettings();

  if (window->TileSets().List().empty()) return fail(kNoTilesetsMessage);
  if (!ReadStartLayout(*window)) return fail(kNoLayoutsMessage);
  const TILESET_P* tileset =
      ChooseStartTileset(window->TileSets(), window->ProgramSettings().TilesetName);
  if (!window->LoadFittingTileSize(tileset)) return fail(kNoTilesMessage);
  // Background pictures come with their chooser; the background colour stands meanwhile.

  window->FinishStartUp();

  if (splash && options.HoldSplash && !measure.NoSplashWait) {
    const auto until = started + kSplashMinimum;
    while (std::chrono::steady_clock::now() < until)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (splash) splash->hide();
  splash.reset();
  window->SetSaveOnClose(true);

  if (measure.ReportFirstField) {
    TF_Main* w = window.get();
    auto reported = std::make_shared<int>(0);
    w->Field()->OnPainted = [w, reported] {
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
  if (measure.QuitAfterMs > 0) {
    QTimer::singleShot(measure.QuitAfterMs, window.get(), &QWidget::close);
  }
  return window;
}

int RunProgram(int argc, char** argv) {
  const auto started = std::chrono::steady_clock::now();
  QApplication app(argc, argv);
  StartOptions options;
  options.ProgramDir = QCoreApplication::applicationDirPath().toStdString() + "/";
  std::unique_ptr<TF_Main> window = StartProgram(options, started);
  if (!window) return 1;
  window->show();
  return app.exec();
}

}  // namespace tv
