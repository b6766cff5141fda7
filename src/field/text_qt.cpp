// SPDX-License-Identifier: GPL-3.0-or-later
// The only Qt code of the field library: text drawn with QPainter straight into a
// PixelBuffer's memory, and the program's compiled-in resources.
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "field/text.h"

namespace tv {

namespace {

QFont FontFor(const TextStyle& style) {
  QFont font = QGuiApplication::font();
  if (!style.family.empty()) font.setFamily(QString::fromStdString(style.family));
  font.setPixelSize(std::max(1, style.pixel_size));
  font.setBold(style.bold);
  return font;
}

}  // namespace

void DrawTextInRect(PixelBuffer& canvas, const std::string& text, const SpanRect& rect,
                    int alignment, const TextStyle& style) {
  // Fonts need the application object; without it (command-line tools) there is no text.
  if (canvas.IsEmpty() || QGuiApplication::instance() == nullptr) return;
  if (alignment != kTextAlignLeft && alignment != kTextAlignRight) return;
  if (rect.width <= 0 || rect.height <= 0) return;
  QImage image(canvas.data(), canvas.width(), canvas.height(), canvas.stride(),
               QImage::Format_BGR888);
  QPainter painter(&image);
  const QFont font = FontFor(style);
  painter.setFont(font);
  const RgbBytes c = SplitColor(style.color);
  painter.setPen(QColor(c.red, c.green, c.blue));
  const QRect box(rect.left, rect.top, rect.width, rect.height);
  painter.setClipRect(box);
  const QString elided =
      QFontMetrics(font).elidedText(QString::fromUtf8(text.c_str()), Qt::ElideRight, box.width());
  const Qt::Alignment align =
      Qt::AlignVCenter | (alignment == kTextAlignLeft ? Qt::AlignLeft : Qt::AlignRight);
  painter.drawText(box, static_cast<int>(align) | Qt::TextSingleLine, elided);
}

int TextWidth(const std::string& text, const TextStyle& style) {
  if (QGuiApplication::instance() == nullptr) return 0;
  return QFontMetrics(FontFor(style)).horizontalAdvance(QString::fromUtf8(text.c_str()));
}

bool ReadProgramResource(const std::string& name, std::vector<std::uint8_t>* out) {
  QFile file(QString::fromStdString(":/" + name));
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = file.readAll();
  out->assign(bytes.begin(), bytes.end());
  return true;
}

}  // namespace tv
