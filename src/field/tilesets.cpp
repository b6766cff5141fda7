// SPDX-License-Identifier: GPL-3.0-or-later
// Scans the tilesets' descriptors, picks a tile size for an area and loads its pictures.
#include "field/tilesets.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "field/geometry.h"
#include "field/picture_loader.h"
#include "game/files.h"

namespace tv {

namespace fs = std::filesystem;

namespace {

constexpr int kTileGrey = 0x808080;
constexpr int kDimAmount = 76;

}  // namespace

void DrawTileForm(PixelBuffer& form, const TileSize& s) {
  const int W = s.W, H = s.H, dx = s.dx, dy = s.dy;
  form.Create(W + dx, H + dy);
  FillPicture(form, kKeyColor);
  FillBlock(form, dx, 0, W, H, kTileGrey);
  FrameBlock(form, dx, 0, W, H, kColorBlack);
  DrawLine(form, dx, 0, 0, dy, kColorBlack);
  DrawLine(form, 0, dy, 0, H + dy - 1, kColorBlack);
  DrawLine(form, 0, H + dy - 1, dx, H - 1, kColorBlack);
  // At small depths the middle of an edge may lie on its outline, or the edge may have no
  // inside at all: fill from the first pixel still see-through across its middle.
  for (int x = 1; x < dx; ++x)
    if (form.GetPixel(x, (H + dy) / 2) == kKeyColor) {
      FloodFill(form, x, (H + dy) / 2, kTileGrey);
      break;
    }
  DrawLine(form, 0, H + dy - 1, W - 1, H + dy - 1, kColorBlack);
  DrawLine(form, W - 1, H + dy - 1, W + dx - 1, H - 1, kColorBlack);
  for (int y = H; y < H + dy - 1; ++y)
    if (form.GetPixel((W + dx) / 2, y) == kKeyColor) {
      FloodFill(form, (W + dx) / 2, y, kTileGrey);
      break;
    }
}

void Tilesets::ScanTilesets(const std::vector<std::string>& tilesDirs) {
  list_.clear();
  refused_.clear();
  std::vector<std::string> dirs;
  for (std::string dir : tilesDirs) {
    if (!dir.empty() && dir.back() != '/') dir += '/';
    dirs.push_back(std::move(dir));
  }
  for (const FolderFile& file : FilesInFolders(dirs, ".tiles")) {
    auto ts = std::make_unique<TILESET_P>();
    ts->Name = file.Name;
    ts->DescriptorPath = file.Path;
    std::vector<std::uint8_t> bytes;
    // A descriptor that cannot be read leaves the tileset out.
    if (!ReadWholeFile(ts->DescriptorPath, bytes, kMaxDescriptorBytes)) continue;
    const std::vector<TileSize> sizes = ParseTilesetDescriptor(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    // One impossible size says the descriptor is not to be trusted at all.
    if (!std::all_of(sizes.begin(), sizes.end(), IsSensibleTileSize)) {
      refused_.push_back(ts->Name);
      continue;
    }
    ts->SizeCount = std::min<int>(static_cast<int>(sizes.size()), kMaxTileSizes);
    std::copy_n(sizes.begin(), ts->SizeCount, ts->Sizes.begin());
    list_.push_back(std::move(ts));
  }
}

void Tilesets::FreeTilesets() {
  list_.clear();
  CurTileset = nullptr;
  CurSizeIndex = -1;
}

const TILESET_P* Tilesets::FindTileset(std::string_view name) const {
  for (const auto& ts : list_)
    if (EqualsIgnoreCase(ts->Name, name)) return ts.get();
  return nullptr;
}

std::string Tilesets::SheetPath(const TILESET_P& tileset, const TileSize& size) const {
  const fs::path p(tileset.DescriptorPath);
  const std::string dir = p.has_parent_path() ? p.parent_path().string() + "/" : "";
  return dir + TileSheetFileName(tileset.Name, size.W, size.H);
}

void MakeTilePictures(FieldPictures& pics, PixelBuffer sheet, const TileSize& size,
                      bool forChooser) {
  pics.Tiles = std::move(sheet);
  DrawTileForm(pics.TileForm, size);
  if (forChooser) return;
  const int tw = size.W + size.dx, th = size.H + size.dy;
  const int shadow = std::min(size.W, size.H) / 4;
  pics.InvertedTileForm = pics.TileForm;
  InvertNonKey(pics.InvertedTileForm);
  pics.DrawTile.Create(tw, th);
  pics.TileBitmap.Create(tw, th);
  pics.HiddenTile.Create(tw + shadow, th + shadow);
  DarkenedCopy(pics.DimmedTiles, pics.Tiles, kDimAmount);
}

Result Tilesets::LoadTileSize(const TILESET_P* tileset, int sizeIndex, bool ForChooser,
                              const TileLoadTarget& target) {
  if (tileset == nullptr || target.Board == nullptr || target.Pictures == nullptr ||
      sizeIndex < 0 || sizeIndex >= tileset->SizeCount)
    return Result::Fail(TileLoadError::kNoTileset);
  const TileSize size = tileset->Sizes[sizeIndex];
  const std::string path = ResolveCaseInsensitive(SheetPath(*tileset, size));
  if (!FileExists(path)) return Result::Fail(TileLoadError::kMissingSheet);

  // Decode into a scratch picture so that a rejected sheet changes nothing.
  PixelBuffer sheet;
  if (!OpenPicture(path, &sheet))
    return Result::Fail(
        TileLoadError::kUnreadable,
        Text::Template(TV_TRANSLATE_NOOP("Messages", "Could not open picture \"%1\"!"), {path}));
  if (sheet.width() / 9 != size.W || sheet.height() / 5 != size.H)
    return Result::Fail(
        TileLoadError::kWrongSize,
        Text::Template(TV_TRANSLATE_NOOP("Messages", "Tileset \"%1\" has wrong tiles sizes!"),
                       {path}));

  SetTileGeometry(target.Board->Game, size);
  MakeTilePictures(*target.Pictures, std::move(sheet), size, ForChooser);
  if (ForChooser) return {};

  CurTileset = tileset;
  CurSizeIndex = sizeIndex;
  TilesetName = tileset->Name;
  if (target.OtherBoard != nullptr) CopyTileGeometry(target.Board->Game, target.OtherBoard->Game);
  return {};
}

Result Tilesets::LoadNearestTileSize(const TILESET_P* tileset, int sizeIndex,
                                     const TileLoadTarget& target) {
  Result first = LoadTileSize(tileset, sizeIndex, false, target);
  if (first || tileset == nullptr) return first;
  for (int distance = 1; distance < tileset->SizeCount; ++distance)
    for (const int index : {sizeIndex - distance, sizeIndex + distance})
      if (index >= 0 && index < tileset->SizeCount && LoadTileSize(tileset, index, false, target))
        return {};
  return first;
}

Result Tilesets::LoadFittingTileSize(const TILESET_P* first, int width, int height,
                                     const TileLoadTarget& target) {
  std::vector<const TILESET_P*> order{first};
  for (const auto& ts : list_)
    if (ts.get() != first) order.push_back(ts.get());
  Result firstFailure = Result::Fail(TileLoadError::kNoTileset);
  for (std::size_t k = 0; k < order.size(); ++k) {
    const int index = ChooseTileSize(*target.Board, order[k], width, height, ZoomedFaceWidth);
    Result result = LoadNearestTileSize(order[k], index, target);
    if (result) return result;
    if (k == 0) firstFailure = std::move(result);
  }
  return firstFailure;
}

int ChooseTileSize(const MODE_P& board, const TILESET_P* tileset, int width, int height,
                   int zoomedFaceWidth) {
  if (tileset == nullptr) return -1;
  return ZoomedTileSizeIndex(board, tileset->SizeList(), zoomedFaceWidth, width, height);
}

namespace {

void LayOutAndPlace(const FieldContext& field, int availWidth, int availHeight) {
  MODE_P& board = field.Shown();
  LayOutField(board, field.EditMode, availWidth, availHeight);
  CopyTileGeometry(board.Game, field.Other().Game);
  // Slot TileCount is the editor's cursor tile when there is one; an unused slot is harmless.
  PlaceTiles(board, board.Game.TileCount + (field.EditMode ? 1 : 0));
}

}  // namespace

namespace {

// The next larger (or smaller) size that loads, from the one shown.
Result LoadZoomedSize(const FieldContext& field, bool zoomIn) {
  const TILESET_P* ts = field.Sets->CurTileset;
  if (ts == nullptr) return Result::Fail(TileLoadError::kNoTileset);
  MODE_P& board = field.Shown();
  const int first = zoomIn ? ZoomInIndex(ts->SizeList(), board.Game.FaceWidth)
                           : ZoomOutIndex(ts->SizeList(), board.Game.FaceWidth);
  if (first < 0) return Result::Fail(TileLoadError::kNoOtherSize);
  const TileLoadTarget target{&board, &field.Other(), field.Pictures};
  // A size whose sheet fails is passed over; the first failure is reported if none loads.
  Result firstFailure;
  for (int index = first; index >= 0 && index < ts->SizeCount; index += zoomIn ? 1 : -1) {
    Result result = field.Sets->LoadTileSize(ts, index, false, target);
    if (result) {
      field.Sets->ZoomedFaceWidth = ts->Sizes[std::size_t(index)].W;
      return {};
    }
    if (firstFailure) firstFailure = std::move(result);
  }
  return firstFailure;
}

}  // namespace

Result FitTiles(const FieldContext& field, TileFit fit, int availWidth, int availHeight) {
  const TILESET_P* ts = field.Sets->CurTileset;
  if (ts == nullptr) return Result::Fail(TileLoadError::kNoTileset);
  Result result;
  if (fit == TileFit::kWindow) {
    const int index =
        ChooseTileSize(field.Shown(), ts, availWidth, availHeight, field.Sets->ZoomedFaceWidth);
    const TileLoadTarget target{&field.Shown(), &field.Other(), field.Pictures};
    result = field.Sets->LoadNearestTileSize(ts, index, target);
  } else {
    result = LoadZoomedSize(field, fit == TileFit::kZoomIn);
  }
  if (!result) return result;
  LayOutAndPlace(field, availWidth, availHeight);
  return {};
}

const TILESET_P* StartTileset(const Tilesets& sets, std::string_view remembered,
                              std::string_view fallback) {
  const TILESET_P* tileset = sets.FindTileset(remembered);
  if (tileset == nullptr) tileset = sets.FindTileset(fallback);
  if (tileset == nullptr && !sets.List().empty()) tileset = sets.List().front().get();
  return tileset;
}

int EditorTileSizeIndex(const MODE_P& board, const TILESET_P* tileset, int width, int height,
                        bool existing) {
  if (tileset == nullptr || tileset->SizeCount == 0) return -1;
  // A 17 by 17 half-unit square always fits, so a new layout has room to grow.
  MODE_P reference;
  reference.Game.TileCount = 2;
  reference.Tiles[1].X = reference.Tiles[1].Y = 15;
  int index = ChooseTileSize(reference, tileset, width, height);
  if (existing && board.Game.TileCount > 0) {
    const int own = ChooseTileSize(board, tileset, width, height);
    if (own >= 0 && (index < 0 || tileset->Sizes[own].W <= tileset->Sizes[index].W)) index = own;
  }
  return index;
}

bool RefitAfterResize(Tilesets& sets, const MODE_P& board, bool playMode, int laidOutWidth,
                      int laidOutHeight, int width, int height) {
  const bool shrunk = width < laidOutWidth || height < laidOutHeight;
  const bool grown = width > laidOutWidth || height > laidOutHeight;
  return (shrunk && !LayoutFits(board, width, height)) ||
         (grown && playMode && ZoomGivesWayToLargerTiles(sets, board, width, height));
}

bool ZoomGivesWayToLargerTiles(Tilesets& sets, const MODE_P& board, int width, int height) {
  const TILESET_P* ts = sets.CurTileset;
  if (ts == nullptr) return false;
  const int best = ChooseTileSize(board, ts, width, height);
  if (best < 0 || ts->Sizes[std::size_t(best)].W <= board.Game.FaceWidth) return false;
  sets.ZoomedFaceWidth = 0;
  return true;
}

ZoomStates ZoomCommandStates(const Tilesets& sets) {
  if (sets.CurTileset == nullptr) return {};
  const int count = sets.CurTileset->SizeCount;
  return {sets.CurSizeIndex<count - 1, sets.CurSizeIndex> 0};
}

}  // namespace tv
