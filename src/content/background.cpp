// SPDX-License-Identifier: GPL-3.0-or-later
// Background pictures: the scan, the load that changes nothing when a picture cannot be
// read, the stretch over the available area, and chooser thumbnails.
#include "content/background.h"

#include <algorithm>
#include <filesystem>

#include "content/translate.h"
#include "field/picture_loader.h"
#include "game/files.h"

namespace tv {
namespace {

constexpr std::string_view kThumbSuffix = "-thumb";
constexpr std::string_view kPictureExt = ".jpg";

}  // namespace

std::vector<BKGPIC_P> ScanBkgPics(const std::vector<std::string>& bkgDirs) {
  std::vector<BKGPIC_P> pics;
  for (const FolderFile& thumb : FilesInFolders(bkgDirs, kPictureExt)) {
    if (thumb.Name.size() < kThumbSuffix.size() ||
        !EqualsIgnoreCase(
            std::string_view(thumb.Name).substr(thumb.Name.size() - kThumbSuffix.size()),
            kThumbSuffix))
      continue;
    BKGPIC_P pic;
    pic.Name = thumb.Name.substr(0, thumb.Name.size() - kThumbSuffix.size());
    pic.ThumbPath = thumb.Path;
    // The picture the field would load: each file is looked up on its own.
    pic.PicPath = FindInFolders(bkgDirs, pic.Name + std::string(kPictureExt));
    // A thumbnail "-thumb.jpg" alone names no picture.
    if (!pic.Name.empty() && !pic.PicPath.empty()) pics.push_back(std::move(pic));
  }
  return pics;
}

ThumbPlace PlaceBkgThumb(int width, int height) {
  ThumbPlace place{0, 0, width, height};
  if (width <= 0 || height <= 0) return {};
  if (width > kBkgThumbWidth || height > kBkgThumbHeight) {
    place.height = kBkgThumbHeight;
    place.width = width * kBkgThumbHeight / height;
    if (place.width > kBkgThumbWidth) {
      place.width = kBkgThumbWidth;
      place.height = height * kBkgThumbWidth / width;
    }
  }
  place.x = (kBkgThumbWidth - place.width) / 2;
  place.y = (kBkgThumbHeight - place.height) / 2;
  return place;
}

void DrawBkgThumb(const PixelBuffer& preview, PixelBuffer& thumb) {
  if (thumb.width() != kBkgThumbWidth || thumb.height() != kBkgThumbHeight)
    thumb.Create(kBkgThumbWidth, kBkgThumbHeight);
  FillPicture(thumb, kColorWhite);
  const ThumbPlace place = PlaceBkgThumb(preview.width(), preview.height());
  if (place.width == preview.width() && place.height == preview.height())
    CopyPicture(thumb, place.x, place.y, preview);
  else
    ResizeBilinear(preview, thumb, place.x, place.y, place.width, place.height);
}

Background::Background(Settings& settings, std::vector<std::string> bkgDirs)
    : settings_(settings), dirs_(std::move(bkgDirs)) {}

void Background::SetFieldSize(int width, int height) {
  fieldWidth_ = width;
  fieldHeight_ = height;
}

Result Background::Stretch(const std::vector<std::uint8_t>& file, const PixelBuffer* whole,
                           PixelBuffer& picture, PictureSize* size) {
  if (picture.width() != fieldWidth_ || picture.height() != fieldHeight_)
    picture.CreateUninitialised(fieldWidth_, fieldHeight_);
  // Without an area the file is still decoded whole, which tells whether it can be read.
  const bool area = availWidth_ > 0 && availHeight_ > 0 && !picture.IsEmpty();
  if (whole != nullptr) {
    if (area) ResizeBilinear(*whole, picture, 0, 0, availWidth_, availHeight_);
    if (size) *size = {whole->width(), whole->height()};
    return {};
  }
  PixelBuffer none;
  return DecodeScaled(file.data(), file.size(), area ? picture : none, availWidth_, availHeight_,
                      size);
}

void Background::ResizeBkgPic(int availWidth, int availHeight) {
  // Lay-outs that keep the area (zoom, mode switches) need no new stretch.
  const bool same = resizedValid_ && availWidth == availWidth_ && availHeight == availHeight_ &&
                    resized_.width() == fieldWidth_ && resized_.height() == fieldHeight_;
  availWidth_ = availWidth;
  availHeight_ = availHeight;
  if (!settings_.UseTexture || same) return;
  resizedValid_ = false;
  if (availWidth <= 0 || availHeight <= 0 || !origFile_) return;
  // The bytes decoded before and decode the same way again.
  resizedValid_ =
      Stretch(*origFile_, origPic_.get(), resized_, nullptr).Ok() && !resized_.IsEmpty();
}

Result Background::LoadBkgPic(const std::string& name) {
  const std::string path = FindInFolders(dirs_, name + std::string(kPictureExt));
  if (path.empty()) {
    settings_.UseTexture = false;
    return Result::Fail(BkgLoadError::kMissing);
  }
  // Decode aside first: an unreadable picture leaves the one in use untouched.
  auto file = std::make_shared<std::vector<std::uint8_t>>();
  PixelBuffer picture;
  PictureSize size;
  // Only a JPEG decodes row by row into its stretch; any other picture is kept whole, so
  // resizing the window does not decode it again.
  std::shared_ptr<PixelBuffer> whole;
  bool ok = FileExists(path) && ReadWholeFile(path, *file, kMaxPictureFileBytes).Ok();
  if (ok && ClassifyPicture(file->data(), file->size()) != PictureKind::kJpeg) {
    whole = std::make_shared<PixelBuffer>();
    ok = DecodePicture(file->data(), file->size(), whole.get()).Ok();
  }
  if (!ok || !Stretch(*file, whole.get(), picture, &size).Ok())
    return Result::Fail(
        BkgLoadError::kUnreadable,
        Text::Template(TV_TRANSLATE_NOOP("Messages", "Could not open picture \"%1\"!"), {name}));
  origFile_ = std::move(file);
  origPic_ = std::move(whole);
  origSize_ = size;
  resized_ = std::move(picture);
  resizedValid_ = availWidth_ > 0 && availHeight_ > 0 && !resized_.IsEmpty();
  settings_.UseTexture = true;
  settings_.Texture = name;
  settings_.BkgColor = kDefaultBkgColor;
  return {};
}

std::vector<std::string> Background::LoadStartBkgPic(const std::string& fallback) {
  std::vector<std::string> messages;
  if (!settings_.UseTexture) return messages;
  Result result = LoadBkgPic(settings_.Texture);
  if (!result.Ok() && !result.Words().Empty()) messages.push_back(MessageOf(result));
  if (result.Ok()) return messages;
  result = LoadBkgPic(fallback);
  if (!result.Ok() && !result.Words().Empty()) messages.push_back(MessageOf(result));
  return messages;
}

const PixelBuffer* Background::Picture() const {
  return settings_.UseTexture && resizedValid_ ? &resized_ : nullptr;
}

Background::Record Background::Save() const {
  return Record{
      settings_.BkgColor, settings_.UseTexture, settings_.Texture, origFile_,   origPic_, origSize_,
      resized_,           resizedValid_,        availWidth_,       availHeight_};
}

void Background::Restore(Record record) {
  settings_.BkgColor = record.BkgColor;
  settings_.UseTexture = record.UseTexture;
  settings_.Texture = std::move(record.Texture);
  origFile_ = std::move(record.OrigBkgFile);
  origPic_ = std::move(record.OrigBkgPic);
  origSize_ = record.OrigSize;
  resized_ = std::move(record.ResizedBkgPic);
  resizedValid_ = record.ResizedValid;
  // Stretched for another area than the present one: stretch again.
  const int width = availWidth_, height = availHeight_;
  availWidth_ = record.AvailWidth;
  availHeight_ = record.AvailHeight;
  ResizeBkgPic(width, height);
}

}  // namespace tv
