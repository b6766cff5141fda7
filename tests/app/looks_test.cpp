// SPDX-License-Identifier: GPL-3.0-or-later
// The field's looks through the main window: background pictures chosen from
// thumbnails, the colour picker's live colour and its Cancel, the tileset chooser and
// its thumbnails on the background colour, and what a restart brings back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/main_looks.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "app/widget_events.h"
#include "content/bkg_pics.h"
#include "content/colorpicker.h"
#include "content/pixel_view.h"
#include "content/tiles_dialog.h"
#include "field/picture_loader.h"
#include "support/temp_dir.h"

namespace tv {
namespace {

namespace fs = std::filesystem;

const fs::path kData = fs::path(TILVANE_SOURCE_DIR) / "data";
constexpr int kRiver = 0x3050A0;
constexpr int kLacquer = 0x102080;

void WritePicture(const fs::path& path, int color) {
  PixelBuffer picture(64, 40);
  FillPicture(picture, color);
  ASSERT_TRUE(SavePng(picture, path.string()).Ok());  // read by its first bytes
}

class LooksWorld {
 public:
  LooksWorld() {
    test::App();
    fs::create_directories(dir.path() / "tiles");
    for (const auto& entry : fs::directory_iterator(kData / "tiles")) {
      const std::string file = entry.path().filename().string();
      for (const std::string name : {"standard", "night"})
        if (file.rfind(name + "-", 0) == 0 || file == name + ".tiles")
          fs::copy_file(entry.path(), dir.path() / "tiles" / file);
    }
    fs::copy(kData / "layouts", dir.path() / "layouts");
    const fs::path bkg = dir.path() / "bkg";
    fs::create_directories(bkg);
    for (auto [name, color] : {std::pair{"li-river", kRiver}, std::pair{"lacquer", kLacquer}}) {
      WritePicture(bkg / (std::string(name) + ".jpg"), color);
      WritePicture(bkg / (std::string(name) + "-thumb.jpg"), color);
    }
    std::ofstream(bkg / "broken.jpg", std::ios::binary) << "\xFF\xD8\xFF garbage";
    WritePicture(bkg / "broken-thumb.jpg", 0);
    WritePicture(bkg / "bad.jpg", 0);
    std::ofstream(bkg / "bad-thumb.jpg", std::ios::binary) << "garbage";
  }

  void Start() {
    StartOptions options;
    options.ProgramDir = dir.dir();
    options.MessageBox = [this](const std::string& text, int) {
      messages.push_back(text);
      return kAnswerOk;
    };
    options.ShowSplash = false;
    options.HoldSplash = false;
    options.Pauses = false;
    window = StartProgram(options, std::chrono::steady_clock::now());
    ASSERT_TRUE(window);
    window->resize(1024, 720);
    window->show();
    QApplication::processEvents();
  }

  // The colour in the field's top-left corner, which no tile covers.
  int Corner() const { return window->Parts().FieldPicture.GetPixel(2, 2); }
  const Settings& settings() const { return window->ProgramSettings(); }
  MainLooks& looks() { return window->Parts().Looks; }

  // Runs `action` on the modal dialog that `command` opens.
  template <typename Dialog, typename F>
  void WithDialog(QAction* command, F action) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
      ran = dialog != nullptr;
      if (dialog) action(*dialog);
      if (dialog && dialog->isVisible()) dialog->reject();
    });
    command->trigger();
    EXPECT_TRUE(ran);
  }

  // Picks palette cell `cell` in an open picker and closes it with OK or Cancel.
  void PickColor(int cell, bool ok) {
    WithDialog<TF_ColorPicker>(window->Parts().Menus.MI_OptionsBkgCol, [&](TF_ColorPicker& picker) {
      test::MouseClick(picker.Palette(), QPoint(8 + 28 * (cell % 8), 8 + 28 * (cell / 8)));
      EXPECT_EQ(Corner(), PaletteColors()[cell]);  // shown while the picker is open
      (ok ? picker.OkButton() : picker.CancelButton())->click();
    });
  }

  static void DrawAll(ThumbChooser& chooser) {
    while (chooser.T_AddItemTimer()) {
    }
  }
  static void Select(ThumbChooser& chooser, const char* caption) {
    const auto found = chooser.List()->findItems(caption, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    chooser.List()->setCurrentItem(found[0]);
  }
  static int ThumbPixel(const ThumbChooser& chooser, int item, QPoint at = {1, 1}) {
    const QColor c = chooser.Image(chooser.ImageIndex(item)).pixelColor(at);
    return JoinColor(c.red(), c.green(), c.blue());
  }

  test::TempDir dir;
  std::vector<std::string> messages;
  std::unique_ptr<TF_Main> window;
};

// A dark desktop theme leaves every window of the game on its own readable palette:
// dark text on light surfaces in the window, its dialogs and its message boxes.
TEST(Looks, TheGamesPaletteStandsWhateverTheDesktops) {
  test::App();
  QPalette dark(QColor(40, 40, 40), QColor(30, 30, 30));
  dark.setColor(QPalette::WindowText, QColor(200, 200, 200));
  dark.setColor(QPalette::Text, QColor(210, 210, 210));
  dark.setColor(QPalette::Base, QColor(20, 20, 20));
  QApplication::setPalette(dark);
  LooksWorld world;
  world.Start();
  QMessageBox box(world.window.get());
  for (QWidget* w :
       {static_cast<QWidget*>(world.window.get()),
        static_cast<QWidget*>(world.looks().BkgPicsDialog()), static_cast<QWidget*>(&box)}) {
    ASSERT_NE(w, nullptr);
    const QPalette p = w->palette();
    for (auto [text, surface] : {std::pair{QPalette::WindowText, QPalette::Window},
                                 std::pair{QPalette::Text, QPalette::Base},
                                 std::pair{QPalette::ButtonText, QPalette::Button}}) {
      EXPECT_LT(p.color(text).lightness(), 90) << w->objectName().toStdString();
      EXPECT_GT(p.color(surface).lightness(), 180) << w->objectName().toStdString();
    }
  }
}

TEST(Looks, ColourPickerShowsColoursLiveAndCancelRestoresPictureOrColour) {
  LooksWorld world;
  world.Start();
  EXPECT_EQ(world.Corner(), kRiver);  // the default picture at start-up

  world.WithDialog<TF_ColorPicker>(
      world.window->Parts().Menus.MI_OptionsBkgCol, [&](TF_ColorPicker&) {
        EXPECT_EQ(world.Corner(), kDefaultBkgColor);  // opening shows the colour at once
      });
  world.PickColor(4, false);
  EXPECT_TRUE(world.settings().UseTexture);
  EXPECT_EQ(world.settings().Texture, "li-river");
  EXPECT_EQ(world.Corner(), kRiver);

  world.PickColor(4, true);
  EXPECT_FALSE(world.settings().UseTexture);
  EXPECT_EQ(world.settings().BkgColor, PaletteColors()[4]);
  world.PickColor(41, false);
  EXPECT_EQ(world.settings().BkgColor, PaletteColors()[4]);
  EXPECT_EQ(world.Corner(), PaletteColors()[4]);
}

TEST(Looks, PictureChooserLoadsReportsAndIsRememberedAfterARestart) {
  LooksWorld world;
  world.Start();
  world.PickColor(4, true);
  ThumbChooser* chooser = world.looks().BkgPicsDialog();
  QAction* command = world.window->Parts().Menus.MI_OptionsBkgPic;
  world.WithDialog<TF_BkgPics>(command, [&](TF_BkgPics& dialog) {
    ASSERT_EQ(dialog.List()->count(), 4);  // bad, broken, lacquer, li-river
    EXPECT_EQ(dialog.List()->currentItem()->text(), "li-river");
    LooksWorld::DrawAll(dialog);
    EXPECT_EQ(dialog.ImageIndex(0), ThumbChooser::kImageUnreadable);
    // Marked, not a white cell that passes for a white picture; the columns are centred.
    EXPECT_NE(LooksWorld::ThumbPixel(dialog, 0, {10, 10}), JoinColor(255, 255, 255));
    const QRect list = dialog.List()->geometry();
    EXPECT_LE(std::abs(list.left() - (dialog.List()->parentWidget()->width() - list.right() - 1)),
              1);
    EXPECT_EQ(LooksWorld::ThumbPixel(dialog, 2, {100, 75}), kLacquer);
    LooksWorld::Select(dialog, "bad");
    dialog.OkButton()->click();
    EXPECT_TRUE(dialog.isVisible());
    LooksWorld::Select(dialog, "broken");
    dialog.OkButton()->click();
  });
  EXPECT_EQ(world.messages, (std::vector<std::string>{"The picture could not be read!",
                                                      "Could not open picture \"broken\"!"}));
  EXPECT_FALSE(world.settings().UseTexture);  // the colour stays
  EXPECT_EQ(world.Corner(), PaletteColors()[4]);

  world.WithDialog<TF_BkgPics>(command, [&](TF_BkgPics& dialog) {
    LooksWorld::Select(dialog, "lacquer");
    dialog.OkButton()->click();
  });
  EXPECT_FALSE(chooser->isVisible());
  EXPECT_EQ(world.settings().Texture, "lacquer");
  EXPECT_EQ(world.settings().BkgColor, kDefaultBkgColor);  // a picture resets the colour
  EXPECT_EQ(world.Corner(), kLacquer);

  world.window->close();
  world.window.reset();
  world.Start();
  EXPECT_EQ(world.settings().Texture, "lacquer");
  EXPECT_EQ(world.Corner(), kLacquer);
}

TEST(Looks, TilesetChooserAppliesAndRedrawsThumbnailsOnANewColour) {
  LooksWorld world;
  world.Start();
  QAction* command = world.window->Parts().Menus.MI_OptionsTileset;
  world.WithDialog<TF_Tiles>(command, [&](TF_Tiles& dialog) {
    ASSERT_EQ(dialog.List()->count(), 2);
    EXPECT_EQ(dialog.List()->currentItem()->text(), "standard");
    LooksWorld::DrawAll(dialog);
    EXPECT_EQ(LooksWorld::ThumbPixel(dialog, 1), kDefaultBkgColor);
    LooksWorld::Select(dialog, "night");
    dialog.OkButton()->click();
  });
  EXPECT_EQ(world.window->TileSets().TilesetName, "night");

  // Unchanged colour: the thumbnails are kept.
  const int images = world.looks().Tiles()->ImageCount();
  world.WithDialog<TF_Tiles>(command, [&](TF_Tiles& dialog) {
    EXPECT_EQ(dialog.ImageCount(), images);
    EXPECT_GE(dialog.ImageIndex(1), 2);
  });
  world.PickColor(16, true);
  world.WithDialog<TF_Tiles>(command, [&](TF_Tiles& dialog) {
    EXPECT_EQ(dialog.ImageIndex(1), ThumbChooser::kImageNotDrawn);
    LooksWorld::DrawAll(dialog);
    EXPECT_EQ(LooksWorld::ThumbPixel(dialog, 1), PaletteColors()[16]);
    EXPECT_EQ(dialog.List()->currentItem()->text(), "night");
  });
}

}  // namespace
}  // namespace tv
