// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing helpers shared by the face pictures: a painter bound to one face with
// coordinates relative to the face's inner area, so every design scales with
// the tile size.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

#include "tile_style.h"

namespace tv::tilegen {

// Accent colours that read well on light and dark faces alike.
inline const QColor kOrange(236, 140, 24);
inline const QColor kYellow(242, 198, 40);
inline const QColor kPink(232, 112, 150);
inline const QColor kPurple(146, 84, 188);
inline const QColor kBrown(168, 84, 28);

class FaceCanvas {
 public:
  FaceCanvas(QPainter& painter, const TileStyle& style, int width, int height);

  QPainter& painter() { return painter_; }
  const TileStyle& style() const { return style_; }

  // (u, v) in 0..1 across the inner area.
  QPointF At(double u, double v) const;
  QRectF Box(double u0, double v0, double u1, double v1) const;
  double InnerWidth() const { return inner_.width(); }
  double InnerHeight() const { return inner_.height(); }
  // A length relative to the inner width, never below a third of a pixel.
  double Len(double fraction) const;

  // Outline, gradient and bevel of a face.
  void Background(const QColor& top, const QColor& bottom);

  enum class Fit { kEmSquare, kOutline };
  // Text fitted into box: EmSquare keeps every character of a series the same
  // scale; Outline fills the box with the character's own outline.
  void Glyph(const QString& text, const QRectF& box, const QColor& colour, Fit fit,
             bool bold = false);
  // The small Latin index in the top-left corner, when the style wants one.
  void CornerIndex(const QString& text, const QColor& colour);

  void Disc(QPointF centre, double radius, const QColor& colour);
  void Ellipse(QPointF centre, double rx, double ry, double degrees, const QColor& colour);
  void Line(QPointF a, QPointF b, double width, const QColor& colour);

  // Suit elements.
  void Coin(QPointF centre, double radius, const QColor& colour);
  void Stick(QPointF centre, double length, double width, const QColor& colour);

 private:
  QPainter& painter_;
  const TileStyle& style_;
  int width_, height_;
  QRectF inner_;
};

// The pictures of each group of faces; n counts from 1.
void DrawDots(FaceCanvas& c, int n);
void DrawBamboos(FaceCanvas& c, int n);
void DrawCharacters(FaceCanvas& c, int n);
void DrawWind(FaceCanvas& c, int index);    // North, South, East, West
void DrawDragon(FaceCanvas& c, int index);  // Green, White, Red
void DrawSeason(FaceCanvas& c, int index);  // Winter, Spring, Summer, Autumn
void DrawFlower(FaceCanvas& c, int index);  // plum, orchid, chrysanthemum, bamboo

}  // namespace tv::tilegen
