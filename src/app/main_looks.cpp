// SPDX-License-Identifier: GPL-3.0-or-later
// The looks collaborator: background loading and the three dialogs; every change
// ends in one full redraw through the window.
#include "app/main_looks.h"

#include "content/bkg_pics.h"
#include "content/colorpicker.h"
#include "content/tiles_dialog.h"
#include "content/translate.h"

namespace tv {

MainLooks::MainLooks(Settings& settings, Tilesets& sets, const ProgramPaths& paths, QSize fieldSize,
                     Calls calls, QWidget* parent)
    : settings_(settings),
      calls_(std::move(calls)),
      parent_(parent),
      sets_(sets),
      background_(settings, paths.BkgDirs()),
      bkgPics_(ScanBkgPics(paths.BkgDirs())) {
  background_.SetFieldSize(fieldSize.width(), fieldSize.height());
}

// Most games never open the choosers: they cost no memory until they are.
TF_Tiles* MainLooks::Tiles() {
  if (tiles_) return tiles_;
  TF_Tiles::Calls tileCalls{calls_.Message, calls_.Place, [this] { return settings_.BkgColor; },
                            calls_.ApplyTileset};
  tiles_ = new TF_Tiles(sets_, std::move(tileCalls), parent_);
  return tiles_;
}

TF_BkgPics* MainLooks::BkgPicsDialog() {
  if (bkgDialog_) return bkgDialog_;
  TF_BkgPics::Calls picCalls{calls_.Message, calls_.Place, [this] { return settings_.Texture; },
                             [this](const std::string& name) {
                               const Result loaded = background_.LoadBkgPic(name);
                               if (!loaded.Ok() && !loaded.Words().Empty())
                                 calls_.Message(MessageOf(loaded));
                               calls_.PanelColor(settings_.BkgColor);
                               calls_.Redraw();
                             }};
  bkgDialog_ = new TF_BkgPics(bkgPics_, std::move(picCalls), parent_);
  return bkgDialog_;
}

MainLooks::~MainLooks() = default;

void MainLooks::LoadStart() {
  const QSize area = calls_.AvailableArea();
  background_.ResizeBkgPic(area.width(), area.height());
  for (const std::string& message : background_.LoadStartBkgPic(kDefaultBackground))
    calls_.Message(message);
  calls_.PanelColor(settings_.BkgColor);
}

void MainLooks::AfterLayOut(QSize area) {
  background_.ResizeBkgPic(area.width(), area.height());
}

void MainLooks::MI_OptionsTilesetClick() {
  Tiles()->exec();
}

void MainLooks::MI_OptionsBkgPicClick() {
  BkgPicsDialog()->exec();
}

void MainLooks::ApplyColor(int color) {
  settings_.BkgColor = color;
  settings_.UseTexture = false;
  calls_.PanelColor(color);
  calls_.Redraw();
}

void MainLooks::MI_OptionsBkgColClick() {
  Background::Record saved = background_.Save();
  auto picker = std::make_unique<TF_ColorPicker>([this](int color) { ApplyColor(color); }, parent_);
  picker->SelectedColor = settings_.BkgColor;
  picker->GammaMode = kGammaSquare;
  picker->DefaultColors[0] = kDefaultBkgColor;
  if (picker->exec() == QDialog::Accepted) return;
  background_.Restore(std::move(saved));
  calls_.PanelColor(settings_.BkgColor);
  calls_.Redraw();
}

}  // namespace tv
