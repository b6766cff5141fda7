// SPDX-License-Identifier: GPL-3.0-or-later
// The field on screen: the field picture, its renderer and the widget that shows it.
// Drawing requests of the game and of the field input end here, for the board of the
// current mode with the marks of play and the player's drawing switches.
#pragma once

#include <QSize>
#include <functional>
#include <memory>

#include "field/field_pictures.h"
#include "field/pixel_buffer.h"
#include "field/render.h"
#include "game/repaint.h"

namespace tv {

class Editor;
class FieldWidget;
class Game;
struct Settings;

class FieldView final : public RepaintSink {
 public:
  // `picture` is bound to `widget` and must outlive the view; so must the others.
  FieldView(const Game& game, const Settings& settings, FieldPictures& pictures,
            PixelBuffer& picture, FieldWidget& widget);

  // The rectangle of a full repaint: the available area of the last lay-out.
  void SetAvailableArea(QSize area);

  // The stretched background picture of the moment, or none for the plain colour.
  std::function<const PixelBuffer*()> BackgroundSource;

  // In edit mode the marks are the editor's: its cursor tile and erase candidate.
  void SetEditor(const Editor* editor);
  FieldMarks Marks() const;
  // The keyboard's focus ring; -1 hides it. The caller redraws. Assistive technology
  // reads the ringed tile's name and whether it is free as the field's name.
  void SetFocusTile(int slot);
  int FocusTile() const { return focusTile_; }
  DrawSwitches Switches() const;

  void RedrawAll();
  void RedrawTile(int slot, Repaint mode);
  void RedrawAround(int slot, bool skipSelf, Repaint mode);
  void DrawSeeThrough(int slot, int percent, bool fade, Repaint mode);
  void RepaintField();

  // RepaintSink: rectangles of the field picture.
  void RepaintNow(int x, int y, int width, int height) override;
  void Invalidate(int x, int y, int width, int height) override;

 private:
  const Game& game_;
  const Settings& settings_;
  FieldWidget& widget_;
  PixelBuffer& picture_;
  FieldRenderer renderer_;
  QSize area_;
  int focusTile_ = -1;
  const Editor* editor_ = nullptr;
};

}  // namespace tv
