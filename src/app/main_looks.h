// SPDX-License-Identifier: GPL-3.0-or-later
// The field's looks, as the main window offers them: the background (picture or
// colour) with its chooser and colour picker, and the tileset chooser. The window
// hands in what it must do in return through a few calls.
#pragma once

#include <QSize>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/program.h"
#include "content/background.h"
#include "content/settings.h"
#include "field/tilesets.h"

class QWidget;

namespace tv {

class TF_Tiles;
class TF_BkgPics;

class MainLooks {
 public:
  struct Calls {
    std::function<void(const std::string&)> Message;
    std::function<QSize()> AvailableArea;
    std::function<void()> Redraw;                        // full redraw of the field
    std::function<void(int)> PanelColor;                 // the field panel's colour
    std::function<bool(const TILESET_P*)> ApplyTileset;  // load, lay out, redraw
    std::function<void(QWidget*)> Place;                 // first bounds of a chooser
  };
  // Scans the background pictures; each dialog is made when first wanted and kept.
  MainLooks(Settings& settings, Tilesets& sets, const ProgramPaths& paths, QSize fieldSize,
            Calls calls, QWidget* parent);
  ~MainLooks();

  // Start-up: the remembered picture, then the default one, when a picture is wanted.
  void LoadStart();
  // After every lay-out of the field: the picture is stretched over the new area.
  void AfterLayOut(QSize area);
  // The scaled picture the field shows, or null for the plain colour.
  const PixelBuffer* Picture() const { return background_.Picture(); }

  void MI_OptionsTilesetClick();
  void MI_OptionsBkgPicClick();
  void MI_OptionsBkgColClick();

  Background& Bkg() { return background_; }
  const std::vector<BKGPIC_P>& BkgPics() const { return bkgPics_; }
  TF_Tiles* Tiles();
  TF_BkgPics* BkgPicsDialog();

 private:
  void ApplyColor(int color);

  Settings& settings_;
  Calls calls_;
  QWidget* parent_;
  Tilesets& sets_;
  Background background_;
  std::vector<BKGPIC_P> bkgPics_;
  TF_Tiles* tiles_ = nullptr;
  TF_BkgPics* bkgDialog_ = nullptr;
};

}  // namespace tv
