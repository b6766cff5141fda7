#include "field/tilesets.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "field/geometry.h"
#include "field/picture_loader.h"
#include "game/files.h"
#include "game/host.h"

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

void Tilesets::ScanTilesets(const std::string& tilesDir) {
  list_.clear();
  dir_ = tilesDir;
  if (!dir_.empty() && dir_.back() != '/') dir_ += '/';
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(tilesDir, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path& p = it->path();
    if (!EqualsIgnoreCase(p.extension().string(), ".tiles")) continue;
    if (!it->is_regular_file(ec)) continue;
    names.push_back(p.stem().string());
  }
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return LessIgnoreCase(a, b); });
  for (const std::string& name : names) {
    auto ts = std::make_unique<TILESET_P>();
    ts->Name = name;
    ts->DescriptorPath = dir_ + name + ".tiles";
    // Find the file under its real extension case.
    for (fs::directory_iterator it(tilesDir, ec), end; !ec && it != end; it.increment(ec))
      if (it->path().stem().string() == name &&
          EqualsIgnoreCase(it->path().extension().string(), ".tiles")) {
        ts->DescriptorPath = it->path().string();
        break;
      }
    std::vector<std::uint8_t> bytes;
    // A descriptor that cannot be read leaves the tileset out.
    if (!ReadWholeFile(ts->DescriptorPath, bytes)) continue;
    const std::vector<TileSize> sizes = ParseTilesetDescriptor(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
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
  std::string dir = dir_;
  if (dir.empty()) {
    const fs::path p(tileset.DescriptorPath);
    if (p.has_parent_path()) dir = p.parent_path().string() + "/";
  }
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
  pics.DimmedTiles = pics.Tiles;
  DarkenBlock(pics.DimmedTiles, 0, 0, pics.DimmedTiles.width(), pics.DimmedTiles.height(),
              kDimAmount);
}

bool Tilesets::LoadTileSize(const TILESET_P* tileset, int sizeIndex, bool ForChooser,
                            const TileLoadTarget& target, GameHost& host) {
  if (tileset == nullptr || target.Board == nullptr || target.Pictures == nullptr) return false;
  if (sizeIndex < 0 || sizeIndex >= tileset->SizeCount) return false;
  const TileSize size = tileset->Sizes[sizeIndex];
  const std::string path = ResolveCaseInsensitive(SheetPath(*tileset, size));
  if (!FileExists(path)) return false;

  // Decode into a scratch picture so that a rejected sheet changes nothing.
  PixelBuffer sheet;
  if (!OpenPicture(path, &sheet)) {
    host.ShowMessage("Could not open picture \"" + path + "\"!");
    return false;
  }
  if (sheet.width() / 9 != size.W || sheet.height() / 5 != size.H) {
    host.ShowMessage("Tileset \"" + path + "\" has wrong tiles sizes!");
    return false;
  }

  SetTileGeometry(target.Board->Game, size);
  MakeTilePictures(*target.Pictures, std::move(sheet), size, ForChooser);
  if (ForChooser) return true;

  CurTileset = tileset;
  CurSizeIndex = sizeIndex;
  TilesetName = tileset->Name;
  if (target.OtherBoard != nullptr) CopyTileGeometry(target.Board->Game, target.OtherBoard->Game);
  UpdateZoomCommands(host, sizeIndex, tileset->SizeCount);
  return true;
}

int ChooseTileSize(const MODE_P& board, const TILESET_P* tileset, int width, int height) {
  if (tileset == nullptr) return -1;
  return FitTileSizeIndex(board, tileset->SizeList(), width, height);
}

namespace {

void LayOutBoth(const FieldContext& field, int availWidth, int availHeight) {
  MODE_P& board = field.Board();
  LayOutField(board, field.EditMode, availWidth, availHeight);
  CopyTileGeometry(board.Game, field.Other().Game);
}

}  // namespace

bool FitTileSize(const FieldContext& field, int availWidth, int availHeight) {
  const TILESET_P* ts = field.Sets->CurTileset;
  if (ts == nullptr) return false;
  const int index = ChooseTileSize(field.Board(), ts, availWidth, availHeight);
  const TileLoadTarget target{&field.Board(), &field.Other(), field.Pictures};
  if (!field.Sets->LoadTileSize(ts, index, false, target, *field.Host)) return false;
  LayOutBoth(field, availWidth, availHeight);
  return true;
}

bool ZoomTiles(const FieldContext& field, bool zoomIn, int availWidth, int availHeight) {
  const TILESET_P* ts = field.Sets->CurTileset;
  if (ts == nullptr) return false;
  MODE_P& board = field.Board();
  const int index = zoomIn ? ZoomInIndex(ts->SizeList(), board.Game.FaceWidth)
                           : ZoomOutIndex(ts->SizeList(), board.Game.FaceWidth);
  if (index < 0) return false;
  const TileLoadTarget target{&board, &field.Other(), field.Pictures};
  if (!field.Sets->LoadTileSize(ts, index, false, target, *field.Host)) return false;
  LayOutBoth(field, availWidth, availHeight);
  // Slot TileCount is the editor's cursor tile when there is one; an unused slot is harmless.
  PlaceTiles(board, board.Game.TileCount + (field.EditMode ? 1 : 0));
  return true;
}

}  // namespace tv
