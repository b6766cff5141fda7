// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry and exit: the splash, the order in which the windows and the data
// come to life, the fallbacks for layout and tileset, and the failure messages.
#pragma once

#include <QtGlobal>
#include <chrono>
#include <memory>
#include <string>

#include "app/game_clock.h"
#include "app/program.h"

namespace tv {

class TF_Main;

constexpr const char* kNoTilesetsMessage = QT_TRANSLATE_NOOP("Startup", "No tilesets found!");
constexpr const char* kNoLayoutsMessage =
    QT_TRANSLATE_NOOP("Startup", "Could not read layouts file!");
constexpr const char* kNoTilesMessage = QT_TRANSLATE_NOOP("Startup", "Could not read tiles file!");

struct StartOptions {
  std::string ProgramDir;   // the executable's directory
  MessageBoxFn MessageBox;  // empty: the message box on screen
  bool ShowSplash = true;
  bool HoldSplash = true;  // keep the splash up at least 2 s
  bool Pauses = true;      // animation pauses
  ClockFn Clock;           // empty: the local date-time
};

// Measuring aids, read from section "Measure" of the settings file; never written.
struct MeasureOptions {
  bool NoSplashWait = false;      // <NoSplashWait> 1: no 2 s minimum for the splash
  bool ReportFirstField = false;  // <ReportFirstField> 1: print when the dealt field is painted
  int QuitAfterMs = 0;            // <QuitAfter> n: close the window n ms after start-up
};
MeasureOptions ReadMeasureOptions(const std::string& settingsFile);

// Start-up after the application object exists: splash, main window, settings,
// layout, tileset, first deal. Null after a failure message, with no file written.
std::unique_ptr<TF_Main> StartProgram(const StartOptions& options,
                                      std::chrono::steady_clock::time_point started);

// The whole program: start-up, the event loop, shutdown. Returns the exit code.
int RunProgram(int argc, char** argv);

}  // namespace tv
