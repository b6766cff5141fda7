// SPDX-License-Identifier: GPL-3.0-or-later
// Tileset chooser: thumbnails come from the field's own tile pictures, drawn on the
// colour the field shows.
#include "content/tiles_dialog.h"

#include "field/tileset_thumb.h"

namespace tv {

TF_Tiles::TF_Tiles(Tilesets& sets, Calls calls, QWidget* parent)
    : ThumbChooser(QSize(kTileThumbWidth, kTileThumbHeight), calls.Report, calls.Place, parent),
      sets_(sets),
      calls_(std::move(calls)),
      SampleBoard(MakeSampleBoard()) {
  setObjectName("TF_Tiles");
  setWindowTitle(tr("Choose Tileset"));
  List()->setAccessibleName(tr("Tilesets"));
  I_Thumb.Create(kTileThumbWidth, kTileThumbHeight);
  SetListColors(QColor(0, 128, 0), Qt::white);
  SetSelectionColor(QColor(254, 225, 165));
}

void TF_Tiles::FormActivate() {
  const int color = calls_.BkgColor();
  if (Built() && color == thumbColor_) {
    SetItemDrawing(true);
    ResumeDrawing();
    return;
  }
  thumbColor_ = color;
  const RgbBytes rgb = SplitColor(color);
  SetListColors(QColor(rgb.red, rgb.green, rgb.blue), Qt::white);
  std::vector<std::string> names;
  for (const auto& set : sets_.List()) names.push_back(set->Name);
  BuildItems(names, sets_.TilesetName);
  SetItemDrawing(true);
  StartDrawing();
}

bool TF_Tiles::DrawThumb(int item, double ratio, QImage& image) {
  const auto& list = sets_.List();
  if (item < 0 || item >= int(list.size())) return false;
  if (!DrawTilesetThumb(sets_, list[item].get(), SampleBoard, pictures_, I_Thumb, thumbColor_,
                        ratio))
    return false;
  image = QImage(I_Thumb.data(), I_Thumb.width(), I_Thumb.height(), I_Thumb.stride(),
                 QImage::Format_BGR888)
              .copy();
  image.setDevicePixelRatio(ratio);
  return true;
}

bool TF_Tiles::ChooseItem(int item) {
  const auto& list = sets_.List();
  if (item < 0 || item >= int(list.size())) return false;
  return calls_.Apply(list[item].get());
}

}  // namespace tv
