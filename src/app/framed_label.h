// SPDX-License-Identifier: GPL-3.0-or-later
// A label that paints its own frame picture under its text. Being opaque, a new text
// repaints only the label, not the panel, clock picture and strip behind it: the clock
// changes every second for as long as the game runs. The frame is made for the density
// of the screen the label is painted on, and made again when that changes.
#pragma once

#include <QGlyphRun>
#include <QLabel>
#include <QPixmap>
#include <QRawFont>
#include <functional>

namespace tv {

class FramedLabel : public QLabel {
 public:
  // Makes the frame picture for a ratio of device pixels per point.
  using FrameMaker = std::function<QPixmap(double ratio)>;

  FramedLabel(FrameMaker frame, QWidget* parent);

  // For a text that changes every second (the clock): QLabel::setText lays the text out
  // for its size hint each time, which a fixed-size label never uses. From the first
  // call on, this text is the one painted.
  void SetOwnText(const QString& text);
  const QString& OwnText() const { return ownText_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  FrameMaker makeFrame_;
  QPixmap frame_;
  QString ownText_;
  bool ownTextSet_ = false;
  // The own text's glyphs, looked up in the font's character map without shaping: the
  // clock's digits need no shaping, and shaping was the larger part of each tick.
  QRawFont rawFont_;
  QGlyphRun glyphs_;
  qreal glyphsWidth_ = 0;
  bool glyphsValid_ = false;
  bool MakeGlyphs();
};

}  // namespace tv
