// SPDX-License-Identifier: GPL-3.0-or-later
// The tileset chooser: every tileset as seven sample tiles on the background colour.
// Thumbnails are kept between showings while the colour stays the same.
#pragma once

#include <functional>

#include "content/thumb_chooser.h"
#include "field/field_pictures.h"
#include "field/tilesets.h"
#include "game/board.h"

namespace tv {

class TF_Tiles : public ThumbChooser {
  Q_OBJECT

 public:
  struct Calls {
    std::function<void(const std::string&)> Report;  // the program's message box
    std::function<void(QWidget*)> Place;             // first bounds
    std::function<int()> BkgColor;                   // the colour the field shows
    // Loads the tileset at the size that fits the field, lays it out and redraws;
    // false leaves the dialog open.
    std::function<bool(const TILESET_P*)> Apply;
  };
  TF_Tiles(Tilesets& sets, Calls calls, QWidget* parent = nullptr);

  int ThumbColor() const { return thumbColor_; }

 protected:
  bool DrawThumb(int item, double ratio, QImage& image) override;
  bool ChooseItem(int item) override;
  QString NoSelectionMessage() const override { return tr("Please select a tileset!"); }
  QString UnreadableMessage() const override { return tr("The tileset could not be read!"); }
  void FormActivate() override;

 private:
  Tilesets& sets_;
  Calls calls_;
  MODE_P SampleBoard;
  FieldPictures pictures_;  // the chooser's sheet and tile form
  PixelBuffer I_Thumb;
  int thumbColor_ = -1;
};

}  // namespace tv
