// SPDX-License-Identifier: GPL-3.0-or-later
// Status panels are composed once from the frame pictures; only label texts and the
// clock change while playing.
#include "app/status_bars.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <algorithm>
#include <initializer_list>
#include <vector>

#include "app/framed_label.h"
#include "app/main_menus.h"
#include "app/qt_pictures.h"
#include "content/translate.h"
#include "field/render.h"
#include "game/faces.h"
#include "game/game.h"

namespace tv {
namespace {

constexpr int kPanelTop = 3;
constexpr int kPanelGap = 16;
constexpr int kShortGap = 6;  // between short panels in a narrow window
constexpr int kRowGap = 3;
constexpr int kFirstPanelX = 8;
constexpr int kDigitalClockWidth = 110;
constexpr int kClockFaceSize = 34;
constexpr QColor kStatusText(0x2a, 0x1d, 0x10);
constexpr int kTextMargin = 14;  // each side of a panel's longest text

constexpr int kShortMargin = 8;

// Wide enough for the longest text the panel can show, so seven panels fit a 1280 screen.
int FittedWidth(std::initializer_list<QString> texts, int margin = kTextMargin) {
  const QFontMetrics metrics(StatusPanelFont());
  int widest = 0;
  for (const QString& text : texts) widest = std::max(widest, metrics.horizontalAdvance(text));
  return (widest + 2 * margin + 1) / 2 * 2;
}

// A counter's shorter form for a narrow window ("144 Tiles" for "144 Tiles Left").
QString ShortCounterText(const Text& text) {
  static const std::pair<const char*, const char*> kShort[] = {
      {kTilesLeftText, QT_TRANSLATE_N_NOOP("Messages", "%n Tiles")},
      {kMovesAvailableText, QT_TRANSLATE_N_NOOP("Messages", "%n Moves")},
      {kReshufflesLeftText, QT_TRANSLATE_N_NOOP("Messages", "%n Reshuffles")}};
  for (const auto& [whole, shortForm] : kShort)
    if (text.HasCount() && text.Source() == whole)
      return QCoreApplication::translate(kCoreTextContext, shortForm, nullptr, int(text.Count()));
  return Translated(text);
}

int ShortWidth(const Text& text) {
  return FittedWidth({ShortCounterText(text)}, kShortMargin);
}

int LongestFaceNameWidth() {
  const QFontMetrics metrics(StatusPanelFont());
  int widest = 0;
  for (int face = 0; face < kFaceCount; ++face)
    widest = std::max(widest, metrics.horizontalAdvance(Translated(FaceText(face))));
  // The panel also carries the note that the game number was copied.
  widest = std::max(widest, metrics.horizontalAdvance(
                                QCoreApplication::translate("Status", kGameNumberCopiedNote)));
  return (widest + 2 * kTextMargin + 1) / 2 * 2;
}

}  // namespace

StatusBars::StatusBars(QWidget* holder) : QObject(holder) {
  const StatusFrameArt light{"frame-light"};
  const StatusFrameArt dark{"frame-dark"};
  P_PlayStatus = new QWidget(holder);
  P_PlayStatus->setObjectName("P_PlayStatus");
  P_EditStatus = new QWidget(holder);
  P_EditStatus->setObjectName("P_EditStatus");

  new StatusPanel("P_TilesLeft", "L_TilesLeft",
                  FittedWidth({Translated(Text::Counted(kTilesLeftText, 144))}), light,
                  P_PlayStatus, ShortWidth(Text::Counted(kTilesLeftText, 144)));
  new StatusPanel("P_MovesLeft", "L_MovesLeft",
                  FittedWidth({Translated(Text::Counted(kMovesAvailableText, 888))}), light,
                  P_PlayStatus, ShortWidth(Text::Counted(kMovesAvailableText, 888)));
  P_Clock = new QWidget(P_PlayStatus);
  P_Clock->setObjectName("P_Clock");
  P_Clock->setCursor(Qt::PointingHandCursor);
  P_Clock->installEventFilter(this);
  I_Clock = new QLabel(P_Clock);
  I_Clock->setObjectName("I_Clock");
  L_Clock = new FramedLabel(
      [light](double ratio) { return StatusFramePixmap(light, kDigitalClockWidth, ratio); },
      P_Clock);
  L_Clock->setObjectName("L_Clock");
  L_Clock->setFont(StatusPanelFont());
  L_Clock->setAlignment(Qt::AlignCenter);
  QPalette palette = L_Clock->palette();
  palette.setColor(QPalette::WindowText, kStatusText);
  L_Clock->setPalette(palette);
  new StatusPanel("P_ReshufLeft", "L_ReshufLeft",
                  FittedWidth({Translated(ReshuffleLabel(3)), Translated(ReshuffleLabel(1))}),
                  light, P_PlayStatus, ShortWidth(ReshuffleLabel(3)));
  auto* winnable =
      new StatusPanel("P_Winnable", "L_Winnable",
                      FittedWidth({QCoreApplication::translate("Status", "Winnable"),
                                   QCoreApplication::translate("Status", "Not winnable")}),
                      light, P_PlayStatus,
                      FittedWidth({QCoreApplication::translate("Status", "Winnable"),
                                   QCoreApplication::translate("Status", "Not winnable")},
                                  kShortMargin));
  winnable->installEventFilter(this);
  auto* current =
      new StatusPanel("P_CurTile", "L_CurTile", LongestFaceNameWidth(), dark, P_PlayStatus);
  palette = current->Label()->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  current->Label()->setPalette(palette);
  // The deal's number, so a game can be shared and played again.
  P_GameNumber = new StatusPanel(
      "P_GameNumber", "L_GameNumber", FittedWidth({Translated(GameNumberLabel(4294967295u))}),
      light, P_PlayStatus, FittedWidth({Translated(GameNumberLabel(4294967295u))}, kShortMargin));
  P_GameNumber->setCursor(Qt::PointingHandCursor);
  P_GameNumber->setToolTip(QCoreApplication::translate("Status", "Click to copy the game number"));
  P_GameNumber->installEventFilter(this);

  new StatusPanel(
      "P_EditZ", "L_EditZ",
      std::max(100, FittedWidth({QCoreApplication::translate("Editor", "Z: %1").arg(99)})), light,
      P_EditStatus);
  new StatusPanel(
      "P_EditTiles", "L_EditTiles",
      std::max(130, FittedWidth({QCoreApplication::translate("Editor", "Tiles: %1").arg(1000)})),
      light, P_EditStatus);
  new StatusPanel(
      "P_EditFree", "L_EditFree",
      std::max(170,
               FittedWidth({QCoreApplication::translate("Editor", "Free Tiles: %1").arg(1000)})),
      light, P_EditStatus);
  P_EditStatus->hide();
  P_PlayStatus->installEventFilter(this);
  noteTimer_.setSingleShot(true);
  noteTimer_.setInterval(2000);
  connect(&noteTimer_, &QTimer::timeout, this, [this] { SetCurrentTile("", false); });
  SetClockKind(false, 0, 0);
}

StatusPanel* StatusBars::Panel(const char* name) const {
  auto* panel = P_PlayStatus->findChild<StatusPanel*>(name);
  return panel ? panel : P_EditStatus->findChild<StatusPanel*>(name);
}

void StatusBars::SetLabel(Label label, const Text& text) {
  const char* panel = label == Label::kTilesLeft    ? "P_TilesLeft"
                      : label == Label::kMovesLeft  ? "P_MovesLeft"
                      : label == Label::kGameNumber ? "P_GameNumber"
                                                    : "P_ReshufLeft";
  Panel(panel)->SetTexts(Translated(text), ShortCounterText(text));
}

void StatusBars::ShowEditStatus(bool edit) {
  P_PlayStatus->setVisible(!edit);
  P_EditStatus->setVisible(edit);
  // The editor's panels take one row.
  if (edit) {
    if (auto* holder = qobject_cast<QWidget*>(parent())) holder->setFixedHeight(kStatusHeight);
  } else {
    PlacePanels();
  }
}

void StatusBars::SetCurrentTile(const std::string& name, bool free) {
  StatusPanel* panel = Panel("P_CurTile");
  QLabel* label = panel->Label();
  QPalette palette = label->palette();
  // Packed FF0000 is blue.
  palette.setColor(QPalette::WindowText, free ? QColor(0, 0, 255) : QColor(Qt::black));
  label->setPalette(palette);
  panel->SetText(QString::fromStdString(name));
  noteTimer_.stop();
}

void StatusBars::ShowNote(const std::string& text) {
  SetCurrentTile(text, false);
  noteTimer_.start();
}

// Whole texts in one row while they fit; a narrower window first wraps them into two rows,
// then shortens the counters and closes the gaps, wrapping into as many rows as it takes.
// A panel is never cut or pushed out of sight (a hidden panel is the player's choice and
// takes no room).
void StatusBars::PlacePanels() {
  std::vector<QWidget*> panels;
  for (const char* name : {"P_TilesLeft", "P_MovesLeft", "P_Clock", "P_ReshufLeft", "P_CurTile",
                           "P_Winnable", "P_GameNumber"}) {
    QWidget* panel = P_PlayStatus->findChild<QWidget*>(name);
    if (!panel->isHidden()) panels.push_back(panel);
  }
  const int room = P_PlayStatus->width();
  auto rowsNeeded = [&](bool isShort, int gap) {
    int rows = 1, x = kFirstPanelX;
    for (QWidget* panel : panels) {
      auto* status = dynamic_cast<StatusPanel*>(panel);
      const int width = status ? status->WidthFor(isShort) : panel->width();
      if (x > kFirstPanelX && x + width > room) {
        ++rows;
        x = kFirstPanelX;
      }
      x += width + gap;
    }
    return rows;
  };
  bool isShort = false;
  int gap = kPanelGap;
  if (rowsNeeded(false, kPanelGap) > 2) {
    isShort = true;
    gap = kShortGap;
  }
  int row = 0, x = kFirstPanelX;
  for (QWidget* panel : panels) {
    if (auto* status = dynamic_cast<StatusPanel*>(panel)) status->SetShort(isShort);
    if (x > kFirstPanelX && x + panel->width() > room) {
      ++row;
      x = kFirstPanelX;
    }
    panel->move(x, kPanelTop + row * (kPanelHeight + kRowGap));
    x += panel->width() + gap;
  }
  if (P_PlayStatus->isVisible() || !P_EditStatus->isVisible()) {
    auto* holder = qobject_cast<QWidget*>(parent());
    const int height = kStatusHeight + row * (kPanelHeight + kRowGap);
    if (holder && holder->height() != height) holder->setFixedHeight(height);
  }
  x = kFirstPanelX;
  for (const char* name : {"P_EditZ", "P_EditTiles", "P_EditFree"}) {
    QWidget* panel = P_EditStatus->findChild<QWidget*>(name);
    panel->move(x, kPanelTop);
    x += panel->width() + kPanelGap;
  }
}

void StatusBars::SetClockKind(bool analog, double startTime, double clockTime) {
  analog_ = analog;
  const QSize size =
      analog ? QSize(kClockFaceSize, kClockFaceSize) : QSize(kDigitalClockWidth, kPanelHeight);
  if (!analog)
    I_Clock->setPixmap(
        StatusFramePixmap({"frame-light"}, kDigitalClockWidth, I_Clock->devicePixelRatioF()));
  I_Clock->setGeometry(0, 0, size.width(), size.height());
  I_Clock->setToolTip(QString());
  L_Clock->setGeometry(0, 0, size.width(), size.height());
  L_Clock->setVisible(!analog);
  P_Clock->resize(size);
  PlacePanels();
  forceDraw_ = true;
  DrawClock(startTime, clockTime);
}

void StatusBars::DrawClock(double startTime, double clockTime) {
  // The shown time changes once a second; the timer ticks four times as often.
  const auto second = static_cast<long long>((clockTime - startTime) * 86400.0);
  if (second == shownSecond_ && !forceDraw_) return;
  shownSecond_ = second;
  forceDraw_ = false;
  const QString text = LocalTime(ClockText(startTime, clockTime));
  if (!analog_) {
    L_Clock->SetOwnText(text);
    return;
  }
  // Face and hands in device pixels, made again if the screen's density has changed.
  const double ratio = I_Clock->devicePixelRatioF();
  if (clockFace_.IsEmpty() || faceRatio_ != ratio) {
    clockFace_ = ClockFacePicture(ratio);
    faceRatio_ = ratio;
  }
  DrawAnalogClock(analogClock_, clockFace_, startTime, clockTime, ratio);
  QPixmap picture = QPixmap::fromImage(ImageFromPixelBuffer(analogClock_));
  picture.setDevicePixelRatio(ratio);
  I_Clock->setPixmap(picture);
  I_Clock->show();
  I_Clock->setToolTip(text);
}

bool StatusBars::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((watched == P_PlayStatus && type == QEvent::Resize) ||
      (watched != P_PlayStatus && watched != P_Clock &&
       (type == QEvent::ShowToParent || type == QEvent::HideToParent)))
    PlacePanels();
  if (watched == P_Clock && event->type() == QEvent::MouseButtonPress && OnClockClicked) {
    OnClockClicked();
    return true;
  }
  if (watched == P_GameNumber && event->type() == QEvent::MouseButtonPress && OnGameNumberClicked) {
    OnGameNumberClicked();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tv
