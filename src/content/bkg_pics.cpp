// SPDX-License-Identifier: GPL-3.0-or-later
// Background picture chooser: thumbnails are read from the "-thumb" files and fitted
// into the 200 by 150 box.
#include "content/bkg_pics.h"

#include "field/picture_loader.h"

namespace tv {

TF_BkgPics::TF_BkgPics(const std::vector<BKGPIC_P>& pics, Calls calls, QWidget* parent)
    : ThumbChooser(QSize(kBkgThumbWidth, kBkgThumbHeight), calls.Report, calls.Place, parent),
      pics_(pics),
      calls_(std::move(calls)) {
  setObjectName("TF_BkgPics");
  setWindowTitle(tr("Choose Background Picture"));
  List()->setAccessibleName(tr("Pictures"));
  I_Thumb.Create(kBkgThumbWidth, kBkgThumbHeight);
  SetListColors(Qt::white, Qt::black);
  SetSelectionColor(QColor(0, 128, 255));
}

void TF_BkgPics::FormActivate() {
  if (Built()) {
    SetItemDrawing(true);
    ResumeDrawing();
    return;
  }
  std::vector<std::string> names;
  for (const BKGPIC_P& pic : pics_) names.push_back(pic.Name);
  BuildItems(names, calls_.Texture());
  SetItemDrawing(true);
  StartDrawing();
}

// The thumbnails are pictures of their own, at one size for every screen.
bool TF_BkgPics::DrawThumb(int item, double, QImage& image) {
  if (item < 0 || item >= int(pics_.size())) return false;
  PixelBuffer I_Preview;
  if (!OpenPicture(pics_[item].ThumbPath, &I_Preview)) return false;
  DrawBkgThumb(I_Preview, I_Thumb);
  image = QImage(I_Thumb.data(), I_Thumb.width(), I_Thumb.height(), I_Thumb.stride(),
                 QImage::Format_BGR888)
              .copy();
  return true;
}

bool TF_BkgPics::ChooseItem(int item) {
  if (item < 0 || item >= int(pics_.size())) return false;
  calls_.Apply(pics_[item].Name);
  return true;
}

}  // namespace tv
