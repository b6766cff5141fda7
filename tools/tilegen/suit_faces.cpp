// SPDX-License-Identifier: GPL-3.0-or-later
// Dots, bamboos and characters: the three numbered suits.
#include <QPainterPath>
#include <QString>
#include <array>
#include <vector>

#include "face_canvas.h"

namespace tv::tilegen {

namespace {

enum Ink { kR, kG, kB, kK };

QColor InkColour(const TileStyle& s, Ink ink) {
  switch (ink) {
    case kR:
      return s.red;
    case kG:
      return s.green;
    case kB:
      return s.blue;
    default:
      return s.ink;
  }
}

struct Spot {
  double u, v;
  Ink ink;
};

struct Arrangement {
  double size;  // coin radius or stick length, relative to the inner area
  std::vector<Spot> spots;
};

// Coin radius relative to the inner width; positions in the inner area.
const std::array<Arrangement, 9>& DotArrangements() {
  static const std::array<Arrangement, 9> table = {{
      {0.46, {{0.5, 0.5, kB}}},
      {0.25, {{0.5, 0.26, kG}, {0.5, 0.74, kB}}},
      {0.2, {{0.22, 0.17, kB}, {0.5, 0.5, kR}, {0.78, 0.83, kG}}},
      {0.2, {{0.27, 0.24, kB}, {0.73, 0.24, kG}, {0.27, 0.76, kG}, {0.73, 0.76, kB}}},
      {0.185, {{0.24, 0.2, kB}, {0.76, 0.2, kG}, {0.5, 0.5, kR}, {0.24, 0.8, kG}, {0.76, 0.8, kB}}},
      {0.175,
       {{0.27, 0.16, kG},
        {0.73, 0.16, kG},
        {0.27, 0.52, kR},
        {0.73, 0.52, kR},
        {0.27, 0.84, kR},
        {0.73, 0.84, kR}}},
      {0.145,
       {{0.2, 0.1, kG},
        {0.5, 0.22, kG},
        {0.8, 0.34, kG},
        {0.3, 0.6, kR},
        {0.7, 0.6, kR},
        {0.3, 0.88, kR},
        {0.7, 0.88, kR}}},
      {0.145,
       {{0.28, 0.11, kB},
        {0.72, 0.11, kB},
        {0.28, 0.37, kB},
        {0.72, 0.37, kB},
        {0.28, 0.63, kB},
        {0.72, 0.63, kB},
        {0.28, 0.89, kB},
        {0.72, 0.89, kB}}},
      {0.15,
       {{0.19, 0.16, kB},
        {0.5, 0.16, kB},
        {0.81, 0.16, kB},
        {0.19, 0.5, kR},
        {0.5, 0.5, kR},
        {0.81, 0.5, kR},
        {0.19, 0.84, kG},
        {0.5, 0.84, kG},
        {0.81, 0.84, kG}}},
  }};
  return table;
}

// Stick length relative to the inner height; Bamboos 1 is the bird instead.
const std::array<Arrangement, 9>& StickArrangements() {
  static const std::array<Arrangement, 9> table = {{
      {0, {}},
      {0.4, {{0.5, 0.26, kG}, {0.5, 0.74, kB}}},
      {0.4, {{0.5, 0.26, kG}, {0.28, 0.74, kB}, {0.72, 0.74, kB}}},
      {0.4, {{0.28, 0.26, kB}, {0.72, 0.26, kG}, {0.28, 0.74, kG}, {0.72, 0.74, kB}}},
      {0.4, {{0.2, 0.26, kG}, {0.8, 0.26, kB}, {0.5, 0.5, kR}, {0.2, 0.74, kB}, {0.8, 0.74, kG}}},
      {0.4,
       {{0.2, 0.26, kG},
        {0.5, 0.26, kG},
        {0.8, 0.26, kG},
        {0.2, 0.74, kB},
        {0.5, 0.74, kB},
        {0.8, 0.74, kB}}},
      {0.27,
       {{0.5, 0.15, kR},
        {0.2, 0.5, kG},
        {0.5, 0.5, kG},
        {0.8, 0.5, kG},
        {0.2, 0.85, kB},
        {0.5, 0.85, kB},
        {0.8, 0.85, kB}}},
      {0.4,
       {{0.14, 0.26, kG},
        {0.38, 0.26, kG},
        {0.62, 0.26, kG},
        {0.86, 0.26, kG},
        {0.14, 0.74, kB},
        {0.38, 0.74, kB},
        {0.62, 0.74, kB},
        {0.86, 0.74, kB}}},
      {0.27,
       {{0.2, 0.15, kG},
        {0.5, 0.15, kR},
        {0.8, 0.15, kB},
        {0.2, 0.5, kG},
        {0.5, 0.5, kR},
        {0.8, 0.5, kB},
        {0.2, 0.85, kG},
        {0.5, 0.85, kR},
        {0.8, 0.85, kB}}},
  }};
  return table;
}

// A coin with an ornamented rim, worth a tile on its own.
void GrandCoin(FaceCanvas& c) {
  const TileStyle& s = c.style();
  const QPointF centre = c.At(0.5, 0.5);
  const double r = c.Len(0.46);
  c.Disc(centre, r, s.blue);
  if (r < 5) return;
  c.Disc(centre, r * 0.86, s.face_top);
  for (int i = 0; i < 12; ++i) {
    QTransform t;
    t.rotate(i * 30.0);
    c.Disc(centre + t.map(QPointF(0, -r * 0.68)), r * 0.11, s.red);
  }
  c.Disc(centre, r * 0.5, s.green);
  c.Disc(centre, r * 0.36, s.face_top);
  c.Disc(centre, r * 0.22, s.red);
  if (r >= 10) c.Disc(centre, r * 0.08, s.face_top);
}

// The bird that stands for the one of bamboos.
void Bird(FaceCanvas& c) {
  const TileStyle& s = c.style();
  const double w = c.InnerWidth();
  // Tail feathers fan out behind the body.
  c.Ellipse(c.At(0.26, 0.72), w * 0.3, w * 0.08, 120, s.blue);
  c.Ellipse(c.At(0.2, 0.64), w * 0.3, w * 0.08, 145, s.red);
  c.Ellipse(c.At(0.18, 0.53), w * 0.28, w * 0.075, 170, s.green);
  // Legs.
  const double leg = std::max(0.8, w * 0.035);
  c.Line(c.At(0.48, 0.66), c.At(0.44, 0.86), leg, kOrange);
  c.Line(c.At(0.58, 0.64), c.At(0.6, 0.86), leg, kOrange);
  c.Line(c.At(0.36, 0.86), c.At(0.5, 0.86), leg, kOrange);
  c.Line(c.At(0.54, 0.86), c.At(0.68, 0.86), leg, kOrange);
  // Body, wing, neck and head.
  c.Ellipse(c.At(0.5, 0.54), w * 0.27, w * 0.19, -25, s.green);
  c.Ellipse(c.At(0.47, 0.52), w * 0.17, w * 0.09, -30, s.green.darker(140));
  c.Ellipse(c.At(0.66, 0.38), w * 0.08, w * 0.16, 20, s.green);
  const QPointF head = c.At(0.72, 0.25);
  c.Disc(head, w * 0.12, s.red);
  QPainterPath beak;
  beak.moveTo(head + QPointF(w * 0.1, -w * 0.04));
  beak.lineTo(head + QPointF(w * 0.26, w * 0.02));
  beak.lineTo(head + QPointF(w * 0.1, w * 0.06));
  beak.closeSubpath();
  c.painter().fillPath(beak, kOrange);
  // A crest of three feathers.
  for (int i = 0; i < 3; ++i)
    c.Ellipse(head + QPointF(-w * (0.02 + 0.05 * i), -w * 0.13), w * 0.025, w * 0.07,
              -20.0 - 20.0 * i, s.blue);
  if (w >= 24) {
    c.Disc(head + QPointF(w * 0.04, -w * 0.02), w * 0.035, s.face_top);
    c.Disc(head + QPointF(w * 0.045, -w * 0.02), w * 0.018, s.ink);
  }
}

const char* const kNumerals[9] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};

}  // namespace

void DrawDots(FaceCanvas& c, int n) {
  if (n == 1) return GrandCoin(c);
  const Arrangement& a = DotArrangements()[n - 1];
  for (const Spot& spot : a.spots)
    c.Coin(c.At(spot.u, spot.v), c.Len(a.size), InkColour(c.style(), spot.ink));
}

void DrawBamboos(FaceCanvas& c, int n) {
  if (n == 1) return Bird(c);
  const Arrangement& a = StickArrangements()[n - 1];
  const double length = a.size * c.InnerHeight();
  // Eight sticks stand closer together and so are narrower.
  const double width = c.Len(n == 8 ? 0.13 : 0.17);
  for (const Spot& spot : a.spots)
    c.Stick(c.At(spot.u, spot.v), length, width, InkColour(c.style(), spot.ink));
}

void DrawCharacters(FaceCanvas& c, int n) {
  const TileStyle& s = c.style();
  if (s.latin_faces) {
    c.Glyph(QString::number(n), c.Box(0.15, 0.03, 0.85, 0.5), s.ink, FaceCanvas::Fit::kOutline,
            true);
    c.Glyph(QString::fromUtf8("萬"), c.Box(0.16, 0.56, 0.84, 1.0), s.red,
            FaceCanvas::Fit::kEmSquare, true);
    return;
  }
  c.CornerIndex(QString::number(n), s.ink);
  c.Glyph(QString::fromUtf8(kNumerals[n - 1]), c.Box(0.24, 0.02, 0.9, 0.42), s.ink,
          FaceCanvas::Fit::kEmSquare, true);
  c.Glyph(QString::fromUtf8("萬"), c.Box(0.04, 0.44, 0.96, 1.0), s.red, FaceCanvas::Fit::kEmSquare,
          true);
}

}  // namespace tv::tilegen
