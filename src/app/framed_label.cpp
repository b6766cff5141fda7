// SPDX-License-Identifier: GPL-3.0-or-later
// An opaque label over its own frame picture, so a new text repaints only itself.
#include "app/framed_label.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>

namespace tv {

FramedLabel::FramedLabel(FrameMaker frame, QWidget* parent)
    : QLabel(parent), makeFrame_(std::move(frame)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setTextFormat(Qt::PlainText);
}

void FramedLabel::SetOwnText(const QString& text) {
  if (ownTextSet_ && text == ownText_) return;
  ownText_ = text;
  ownTextSet_ = true;
  glyphsValid_ = false;
  // Painted at once rather than through a posted update: one pass of the event loop less
  // for the clock's every second.
  if (isVisible())
    repaint();
  else
    update();
}

void FramedLabel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) {
    rawFont_ = QRawFont();
    glyphsValid_ = false;
  }
  QLabel::changeEvent(event);
}

// The frame is drawn for one width: a panel made narrower or wider needs a new one.
void FramedLabel::resizeEvent(QResizeEvent* event) {
  frame_ = QPixmap();
  QLabel::resizeEvent(event);
}

bool FramedLabel::MakeGlyphs() {
  if (glyphsValid_) return true;
  if (!rawFont_.isValid()) rawFont_ = QRawFont::fromFont(font());
  if (!rawFont_.isValid()) return false;
  const QList<quint32> indexes = rawFont_.glyphIndexesForString(ownText_);
  // A character the font lacks needs the fallback fonts that only full text layout finds.
  if (indexes.size() != ownText_.size() || indexes.contains(0u)) return false;
  const QList<QPointF> advances = rawFont_.advancesForGlyphIndexes(indexes);
  QList<QPointF> positions;
  positions.reserve(advances.size());
  qreal x = 0;
  for (const QPointF& advance : advances) {
    positions.append(QPointF(x, 0));
    x += advance.x();
  }
  glyphs_.setRawFont(rawFont_);
  glyphs_.setGlyphIndexes(indexes);
  glyphs_.setPositions(positions);
  glyphsWidth_ = x;
  glyphsValid_ = true;
  return true;
}

void FramedLabel::paintEvent(QPaintEvent*) {
  const double ratio = devicePixelRatioF();
  if (frame_.isNull() || frame_.devicePixelRatio() != ratio) frame_ = makeFrame_(ratio);
  QPainter painter(this);
  painter.drawPixmap(0, 0, frame_);
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::WindowText));
  if (!ownTextSet_ || !MakeGlyphs()) {
    painter.drawText(rect(), static_cast<int>(alignment()), ownTextSet_ ? ownText_ : text());
    return;
  }
  // Placed as text layout would place one line.
  const QFontMetricsF metrics(font());
  const Qt::Alignment align = alignment();
  qreal x = 0;
  if (align & Qt::AlignHCenter)
    x = (width() - glyphsWidth_) / 2;
  else if (align & Qt::AlignRight)
    x = width() - glyphsWidth_;
  qreal y = 0;
  const qreal lineHeight = metrics.ascent() + metrics.descent();
  if (align & Qt::AlignVCenter)
    y = (height() - lineHeight) / 2;
  else if (align & Qt::AlignBottom)
    y = height() - lineHeight;
  painter.drawGlyphRun(QPointF(x, y + metrics.ascent()), glyphs_);
}

}  // namespace tv
