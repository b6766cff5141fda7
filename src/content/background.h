// SPDX-License-Identifier: GPL-3.0-or-later
// What the field shows behind the tiles: a picture from the "bkg" folders stretched over
// the available area, or the plain background colour. Finding the pictures, loading one,
// scaling it, and the thumbnails of the picture chooser. Plain C++ over pixel buffers.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "content/settings.h"
#include "field/picture_loader.h"
#include "field/pixel_buffer.h"
#include "game/result.h"

namespace tv {

constexpr std::int32_t kDefaultBkgColor = 0x008000;  // RGB(0, 128, 0)
constexpr int kBkgThumbWidth = 200;
constexpr int kBkgThumbHeight = 150;

// One offered picture: both the picture and its "-thumb" companion exist.
struct BKGPIC_P {
  std::string Name;
  std::string ThumbPath;
  std::string PicPath;
};

// The ".jpg" files of `bkgDirs` (each ending in '/') named "<name>-thumb" (any letter
// case) whose picture "<name>.jpg" exists, sorted by thumbnail name ignoring case. Each
// file, thumbnail or picture, is taken from the last folder that holds it.
std::vector<BKGPIC_P> ScanBkgPics(const std::vector<std::string>& bkgDirs);
inline std::vector<BKGPIC_P> ScanBkgPics(const std::string& bkgDir) {
  return ScanBkgPics(std::vector{bkgDir});
}

enum class BkgLoadError { kNone = 0, kMissing = 1, kUnreadable = 2 };

// Where a thumbnail of w by h goes in the 200 by 150 box: unscaled when it fits,
// otherwise scaled to the box's height, or its width when that is too wide; centred.
struct ThumbPlace {
  int x = 0, y = 0, width = 0, height = 0;
};
ThumbPlace PlaceBkgThumb(int width, int height);
// Draws `preview` into `thumb` (made 200 by 150, white behind the picture).
void DrawBkgThumb(const PixelBuffer& preview, PixelBuffer& thumb);

// The background settings (kept in `Settings`) together with the loaded picture, kept as
// its file's bytes, and the picture decoded straight to the field's scale: a JPEG's
// full-size picture is never held (other kinds are kept whole). The whole record is a value, so a
// dialog can save it and put it back.
class Background {
 public:
  using FileBytes = std::shared_ptr<const std::vector<std::uint8_t>>;
  using WholePicture = std::shared_ptr<const PixelBuffer>;
  struct Record {
    std::int32_t BkgColor = kDefaultBkgColor;
    bool UseTexture = true;
    std::string Texture;
    FileBytes OrigBkgFile;
    WholePicture OrigBkgPic;  // only for pictures that cannot be decoded to scale
    PictureSize OrigSize;
    PixelBuffer ResizedBkgPic;
    bool ResizedValid = false;
    int AvailWidth = 0, AvailHeight = 0;  // the area ResizedBkgPic was stretched for
  };

  // `settings` holds BkgColor, UseTexture and Texture and must outlive this object. A
  // picture is read from the last of `bkgDirs` that holds it.
  Background(Settings& settings, std::vector<std::string> bkgDirs);

  // The field picture's size (the scaled copy is kept at that size) and the available
  // area the picture is stretched over.
  void SetFieldSize(int width, int height);
  void ResizeBkgPic(int availWidth, int availHeight);

  // Missing file: UseTexture becomes false and the failure has no message. Unreadable:
  // the message names the picture and nothing changes. Success: the picture is in use,
  // Texture names it, the colour is back to the default, and it is scaled to the field.
  Result LoadBkgPic(const std::string& name);

  // At start-up: when the settings ask for a picture, the remembered one, then the
  // default; returns the messages to show.
  std::vector<std::string> LoadStartBkgPic(const std::string& fallback);

  // The scaled picture when the field shows one, else null (the colour is used).
  const PixelBuffer* Picture() const;
  // The loaded picture's own size.
  PictureSize OriginalSize() const { return origSize_; }

  Record Save() const;
  void Restore(Record record);

 private:
  Settings& settings_;
  std::vector<std::string> dirs_;
  // Decodes the file (or scales `whole`, when given) over the available area of
  // `picture` (made the field's size).
  Result Stretch(const std::vector<std::uint8_t>& file, const PixelBuffer* whole,
                 PixelBuffer& picture, PictureSize* size);

  FileBytes origFile_;
  WholePicture origPic_;
  PictureSize origSize_;
  PixelBuffer resized_;
  bool resizedValid_ = false;
  int fieldWidth_ = 0, fieldHeight_ = 0;
  int availWidth_ = 0, availHeight_ = 0;
};

}  // namespace tv
