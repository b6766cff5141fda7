// SPDX-License-Identifier: GPL-3.0-or-later
// A framed status panel, 34 high, with a label centred over its frame picture.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include "field/pixel_buffer.h"

namespace tv {

constexpr int kPanelHeight = 34;

// The status bar's text: 19-pixel Arial.
QFont StatusPanelFont();

// The frame picture (30 by 34 points) a panel's frame is composed from, named by its art:
// it is drawn at the density of the screen the panel shows on.
struct StatusFrameArt {
  QString name;
};

// A panel frame `width` points wide, for `ratio` device pixels per point.
QPixmap StatusFramePixmap(const StatusFrameArt& art, int width, double ratio);

// The analog clock's face (34 by 34 points) in device pixels for `ratio`.
PixelBuffer ClockFacePicture(double ratio);

// A counter's shorter form for a narrow window: "144 Tiles Left" becomes "144 Tiles",
// "888 Moves Available" becomes "888 Moves"; other texts stay whole.
QString ShortStatusText(const QString& text);

class StatusPanel : public QWidget {
 public:
  // `width` holds the panel's longest text, `shortWidth` its longest shorter form.
  StatusPanel(const char* panelName, const char* labelName, int width, const StatusFrameArt& frame,
              QWidget* parent, int shortWidth = 0);
  QLabel* Label() const { return label_; }
  // The whole text; the label shows its shorter form while the panel is short.
  void SetText(const QString& text);
  // The whole text and its shorter form, both in the player's language.
  void SetTexts(const QString& text, const QString& shortText);
  const QString& Text() const { return text_; }
  void SetShort(bool isShort);
  int WidthFor(bool isShort) const { return isShort ? shortWidth_ : fullWidth_; }

 private:
  void ShowText();
  QLabel* label_;
  QString text_;
  QString shortText_;  // empty: made from text_
  bool short_ = false;
  int fullWidth_;
  int shortWidth_;
};

}  // namespace tv
