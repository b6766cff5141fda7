// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the field picture: background, tiles in stacking order as small blocks
// with shadows, dimming and marks; local redraws of one tile and of the region
// around it; see-through tiles; status panel frames and the game clock.
#pragma once

#include <string>

#include "field/field_pictures.h"
#include "field/pixel_buffer.h"
#include "game/board.h"
#include "game/repaint.h"

namespace tv {

struct DrawSwitches {
  bool DrawShadows = true;
  bool DimLockedTiles = true;
  int BkgColor = 0x008000;
  // The background picture scaled to the field; null or empty: plain colour.
  const PixelBuffer* Background = nullptr;
};

// Who is marked how; slots of the board, -1 for none.
struct FieldMarks {
  int SelectedTile = -1;
  int SecondTile = -1;  // in edit mode: the cursor tile
  bool EditMode = false;
  bool SolutionMode = false;
  int SolutionTiles[2] = {-1, -1};
  // Edit mode: the cursor tile exists as slot TileCount (then also SecondTile).
  bool HasCursorTile = false;
  // The keyboard's focus ring, drawn over everything around this tile.
  int FocusTile = -1;
};

// Where the window learns which part of the field picture to show again.
class RepaintSink {
 public:
  virtual ~RepaintSink() = default;
  virtual void RepaintNow(int x, int y, int width, int height) = 0;
  virtual void Invalidate(int x, int y, int width, int height) = 0;
};

class FieldRenderer {
 public:
  FieldRenderer(FieldPictures& pictures, PixelBuffer& field, RepaintSink* sink = nullptr)
      : pics_(pictures), field_(field), sink_(sink) {}

  // The available area (the rectangle of a full repaint).
  void SetAvailableArea(int width, int height) {
    availWidth_ = width;
    availHeight_ = height;
  }

  void RedrawAll(const MODE_P& board, const FieldMarks& marks, const DrawSwitches& sw);
  void RedrawTile(const MODE_P& board, const FieldMarks& marks, const DrawSwitches& sw, int slot,
                  Repaint mode);
  void RedrawAround(const MODE_P& board, const FieldMarks& marks, const DrawSwitches& sw, int slot,
                    bool skipSelf, Repaint mode);
  void DrawSeeThrough(const MODE_P& board, const FieldMarks& marks, const DrawSwitches& sw,
                      int slot, int percent, bool fade, Repaint mode);

  // Draws one tile as a normal block (with shadows when switched on) into `target`.
  void DrawNormalTile(PixelBuffer& target, int x, int y, const MODE_P& board,
                      const FieldMarks& marks, const DrawSwitches& sw, int slot);

 private:
  int OrderCount(const MODE_P& board, const FieldMarks& marks) const;
  bool IsMarked(const MODE_P& board, const FieldMarks& marks, int slot) const;
  bool IsSolutionTile(const FieldMarks& marks, int slot) const;
  void PaintBackground(PixelBuffer& target, int fx, int fy, int w, int h, const DrawSwitches& sw);
  void DrawMarkedTile(PixelBuffer& target, int x, int y, const MODE_P& board, int slot);
  void DrawSolutionTile(PixelBuffer& target, int x, int y, const MODE_P& board, int slot);
  void DrawPlainTile(PixelBuffer& target, int x, int y, const MODE_P& board, const DrawSwitches& sw,
                     int slot);
  const PixelBuffer& FaceSheet(const TILE_P& tile, const DrawSwitches& sw) const;
  void Repaint(int x, int y, int w, int h, tv::Repaint mode);
  // The focus ring of `marks`, with the field's (fx, fy) at the target's (0, 0).
  void DrawFocusRing(PixelBuffer& target, int fx, int fy, const MODE_P& board,
                     const FieldMarks& marks);
  // Paints the background of the w by h region at (rx, ry) of the field into `region`,
  // calls drawTile(slot, x, y) for every present tile near it in drawing order (x, y
  // relative to the region), then copies the region to the field and repaints it.
  template <class DrawTile>
  void RedrawRegion(PixelBuffer& region, const MODE_P& board, const FieldMarks& marks,
                    const DrawSwitches& sw, int rx, int ry, int w, int h, tv::Repaint mode,
                    DrawTile drawTile);

  FieldPictures& pics_;
  PixelBuffer& field_;
  RepaintSink* sink_;
  int availWidth_ = 0, availHeight_ = 0;
};

// Status panel frame w by 34 from a 30 by 34 frame picture: left, repeated
// middle (the last one cut short) and right 10-column pieces.
PixelBuffer BuildStatusFrame(const PixelBuffer& frame, int width);
// The same for a screen of `scale` device pixels per point: `frame` is the frame picture
// drawn at that scale, `width` is in device pixels, and the pieces' borders scale too.
PixelBuffer BuildStatusFrame(const PixelBuffer& frame, int width, double scale);

// Elapsed time as "hh:mm:ss", hours counting whole days as 24.
std::string ClockText(double startTime, double clockTime);

// The 34 by 34 analog clock: the face copied, then the three hands. At another `scale`
// the clock, its face and the hands' lengths and widths are that much larger.
void DrawAnalogClock(PixelBuffer& clock, const PixelBuffer& face, double startTime,
                     double clockTime, double scale = 1.0);

}  // namespace tv
