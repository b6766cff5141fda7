// The status bars of the main window: framed panels with centred labels, and the game
// clock, digital (a label on a frame) or analog (a small drawn face).
#pragma once

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <string>

#include "field/pixel_buffer.h"

namespace tv {

// Copies between our 24-bit pictures and Qt images.
PixelBuffer PixelBufferFromImage(const QImage& image);
QImage ImageFromPixelBuffer(const PixelBuffer& buffer);

// A label that paints its own frame picture under its text. Being opaque, a new
// text repaints only the label, not the panel, clock picture and strip behind it:
// the clock changes every second for as long as the game runs.
class FramedLabel : public QLabel {
 public:
  FramedLabel(const QPixmap& frame, QWidget* parent);
  void SetFrame(const QPixmap& frame) { frame_ = frame; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap frame_;
};

// A framed panel, 34 high, with a label centred over its frame picture.
class StatusPanel : public QWidget {
 public:
  StatusPanel(const char* panelName, const char* labelName, int width, const PixelBuffer& frame,
              QWidget* parent);
  QLabel* Label() const { return label_; }
  void SetText(const QString& text);

 private:
  QPixmap frame_;
  QLabel* label_;
};

// The strip under the field: a dark lacquer gradient with a thin gold line on top.
class StatusHolder : public QWidget {
 public:
  explicit StatusHolder(QWidget* parent) : QWidget(parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
};

class StatusBars : public QObject {
 public:
  // Builds P_PlayStatus and P_EditStatus inside `holder` (P_StatusHolder).
  explicit StatusBars(QWidget* holder);

  QWidget* PlayStatus() const { return P_PlayStatus; }
  QWidget* EditStatus() const { return P_EditStatus; }
  StatusPanel* Panel(const char* name) const;

  void ShowEditStatus(bool edit);

  // Face name under the mouse: blue for a free tile, black otherwise; empty clears.
  void SetCurrentTile(const std::string& name, bool free);

  // Chooses the clock kind, places the panels again and draws the clock.
  void SetClockKind(bool analog, double startTime, double clockTime);
  bool AnalogClock() const { return analog_; }
  void DrawClock(double startTime, double clockTime);
  QLabel* ClockLabel() const { return L_Clock; }
  QLabel* ClockImage() const { return I_Clock; }

  // A click on the clock panel (the player switches the clock kind there).
  std::function<void()> OnClockClicked;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PlacePanels();

  bool analog_ = false;
  long long shownSecond_ = -1;
  bool forceDraw_ = true;
  PixelBuffer clockFace_;    // I_ClockA: the analog face
  PixelBuffer analogClock_;  // the face with its hands
  QPixmap digitalFrame_;     // I_ClockD
  QWidget* P_PlayStatus;
  QWidget* P_EditStatus;
  QWidget* P_Clock = nullptr;
  QLabel* I_Clock = nullptr;
  QLabel* L_Clock = nullptr;
};

}  // namespace tv
