// SPDX-License-Identifier: GPL-3.0-or-later
// The status bars of the main window: framed panels with centred labels, and the game
// clock, digital (a label on a frame) or analog (a small drawn face).
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>

#include "app/framed_label.h"
#include "app/status_panel.h"
#include "field/pixel_buffer.h"
#include "game/host.h"

namespace tv {

constexpr const char* kGameNumberCopiedNote = QT_TRANSLATE_NOOP("Status", "Game number copied");

class StatusBars : public QObject {
 public:
  // Builds P_PlayStatus and P_EditStatus inside `holder` (P_StatusHolder).
  explicit StatusBars(QWidget* holder);

  QWidget* PlayStatus() const { return P_PlayStatus; }
  QWidget* EditStatus() const { return P_EditStatus; }
  StatusPanel* Panel(const char* name) const;

  void ShowEditStatus(bool edit);

  // The game's counters: tiles left, moves available, reshuffles left.
  void SetLabel(Label label, const Text& text);

  // Face name under the mouse: blue for a free tile, black otherwise; empty clears.
  void SetCurrentTile(const std::string& name, bool free);
  // A short word to the player in the tile-name panel, gone after two seconds (or at
  // the next tile named).
  void ShowNote(const std::string& text);

  // Chooses the clock kind, places the panels again and draws the clock.
  void SetClockKind(bool analog, double startTime, double clockTime);
  bool AnalogClock() const { return analog_; }
  void DrawClock(double startTime, double clockTime);
  FramedLabel* ClockLabel() const { return L_Clock; }
  QLabel* ClockImage() const { return I_Clock; }

  // A click on the clock panel (the player switches the clock kind there).
  std::function<void()> OnClockClicked;
  // A click on the game number (the player copies it there).
  std::function<void()> OnGameNumberClicked;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PlacePanels();

  bool analog_ = false;
  long long shownSecond_ = -1;
  bool forceDraw_ = true;
  PixelBuffer clockFace_;    // I_ClockA: the analog face, in device pixels
  double faceRatio_ = 0;     // the density it was drawn for
  PixelBuffer analogClock_;  // the face with its hands
  QWidget* P_PlayStatus;
  QWidget* P_EditStatus;
  QWidget* P_Clock = nullptr;
  QWidget* P_GameNumber = nullptr;
  QTimer noteTimer_;
  QLabel* I_Clock = nullptr;
  FramedLabel* L_Clock = nullptr;
};

}  // namespace tv
