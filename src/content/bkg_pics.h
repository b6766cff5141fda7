// SPDX-License-Identifier: GPL-3.0-or-later
// The background picture chooser: the pictures of the "bkg" folder as thumbnails.
// Thumbnails do not depend on the background colour and are drawn once.
#pragma once

#include <functional>
#include <vector>

#include "content/background.h"
#include "content/thumb_chooser.h"

namespace tv {

class TF_BkgPics : public ThumbChooser {
  Q_OBJECT

 public:
  struct Calls {
    std::function<void(const std::string&)> Report;
    std::function<void(QWidget*)> Place;
    std::function<std::string()> Texture;  // the picture in use, to select
    // Loads the picture and redraws the field (failures are reported there).
    std::function<void(const std::string&)> Apply;
  };
  TF_BkgPics(const std::vector<BKGPIC_P>& pics, Calls calls, QWidget* parent = nullptr);

 protected:
  bool DrawThumb(int item, double ratio, QImage& image) override;
  bool ChooseItem(int item) override;
  QString NoSelectionMessage() const override { return tr("Please select a picture!"); }
  QString UnreadableMessage() const override { return tr("The picture could not be read!"); }
  void FormActivate() override;

 private:
  const std::vector<BKGPIC_P>& pics_;
  Calls calls_;
  PixelBuffer I_Thumb;
};

}  // namespace tv
