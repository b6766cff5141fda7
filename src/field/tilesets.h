// SPDX-License-Identifier: GPL-3.0-or-later
// The tilesets of the content folders: scanning their descriptors, looking them up,
// choosing a tile size for an area and loading one size (sheet, tile form and the
// pictures derived from them). Also the fit and zoom operations built on that.
#pragma once

#include <array>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "field/field_pictures.h"
#include "field/tileset_descriptor.h"
#include "game/board.h"
#include "game/result.h"

namespace tv {

constexpr int kMaxTileSizes = kMaxTileSizesPerTileset;

struct TILESET_P {
  std::string DescriptorPath;  // its tiles folder + name + ".tiles"
  std::string Name;            // letter case as found on disk
  std::array<TileSize, kMaxTileSizes> Sizes{};
  int SizeCount = 0;

  std::span<const TileSize> SizeList() const { return {Sizes.data(), std::size_t(SizeCount)}; }
};

// Draws the empty tile body for a size into `form` (resized to W + dx by H + dy).
void DrawTileForm(PixelBuffer& form, const TileSize& size);

// Takes over a checked sheet and makes the tile form; unless for the chooser also
// the inverted form, the dimmed sheet and the scratch pictures.
void MakeTilePictures(FieldPictures& pictures, PixelBuffer sheet, const TileSize& size,
                      bool forChooser);

// Where a load puts its results. For the main window: the current board, the
// other board and all field pictures; for the chooser: its sample board and a
// FieldPictures of which only Tiles and TileForm are made.
struct TileLoadTarget {
  MODE_P* Board = nullptr;
  MODE_P* OtherBoard = nullptr;
  FieldPictures* Pictures = nullptr;
};

// Why a tile size did not load. A missing sheet is silent (its message is empty).
enum class TileLoadError {
  kNone = 0,
  kNoTileset,     // no tileset, or a size it does not have
  kMissingSheet,  // silent
  kUnreadable,    // "Could not open picture \"%s\"!"
  kWrongSize,     // "Tileset \"%s\" has wrong tiles sizes!"
  kNoOtherSize,   // zoom at the end of the list: nothing happens, silently
};

class Tilesets {
 public:
  // Lists the descriptors in `tilesDirs` (each with or without a trailing '/'), sorted
  // by name ignoring case; a later folder's tileset wins over an earlier one's. A
  // descriptor with a tile size no field can show (see IsSensibleTileSize) leaves its
  // tileset out, named in Refused().
  void ScanTilesets(const std::vector<std::string>& tilesDirs);
  void ScanTilesets(const std::string& tilesDir) { ScanTilesets(std::vector{tilesDir}); }
  const std::vector<std::string>& Refused() const { return refused_; }
  void FreeTilesets();

  const std::vector<std::unique_ptr<TILESET_P>>& List() const { return list_; }
  const TILESET_P* FindTileset(std::string_view name) const;

  // Sheet path of a size: the descriptor's folder + "name-W-H.png".
  std::string SheetPath(const TILESET_P& tileset, const TileSize& size) const;

  // On failure nothing of the target changes; the result carries the message the
  // player is to see. For the main window a success also sets CurTileset,
  // CurSizeIndex, TilesetName and the other board's geometry; the caller sets the
  // zoom commands (ZoomCommandStates).
  Result LoadTileSize(const TILESET_P* tileset, int sizeIndex, bool ForChooser,
                      const TileLoadTarget& target);

  // Loads `sizeIndex` or, when its sheet fails, the nearest size of the same tileset
  // that loads (the smaller first at equal distance). The result is the first
  // failure's when none loads.
  Result LoadNearestTileSize(const TILESET_P* tileset, int sizeIndex, const TileLoadTarget& target);

  // Start-up: the size of `first` that fits width by height (or the nearest that
  // loads), else the same for every other tileset in list order.
  Result LoadFittingTileSize(const TILESET_P* first, int width, int height,
                             const TileLoadTarget& target);

  const TILESET_P* CurTileset = nullptr;
  int CurSizeIndex = -1;
  std::string TilesetName = "standard";
  // The face width the player last zoomed to (0: none): the player's choice for the
  // layout shown, taken by every fit while it fits the window. Another layout or
  // tileset forgets it, and so does a window grown enough for larger tiles
  // (ZoomGivesWayToLargerTiles).
  int ZoomedFaceWidth = 0;

 private:
  std::vector<std::unique_ptr<TILESET_P>> list_;
  std::vector<std::string> refused_;
};

// Index of the size to use for `board` in width by height (the zoomed-to size when it
// fits, else the fit rule); -1 only for a null tileset or one without sizes.
int ChooseTileSize(const MODE_P& board, const TILESET_P* tileset, int width, int height,
                   int zoomedFaceWidth = 0);

// The main window's field: the boards, which one is shown, and the pictures.
struct FieldContext {
  Tilesets* Sets = nullptr;
  MODE_P* PlayBoard = nullptr;
  MODE_P* EditBoard = nullptr;
  bool EditMode = false;
  FieldPictures* Pictures = nullptr;

  MODE_P& Shown() const { return EditMode ? *EditBoard : *PlayBoard; }
  MODE_P& Other() const { return EditMode ? *PlayBoard : *EditBoard; }
};

// The one fit rule of the field, for the window, the zoom commands and a lay-out again.
// Window: the largest size of the current tileset whose extent fits (or the nearest
// that loads). ZoomIn / ZoomOut: the next larger (or smaller) size, passing over sizes
// whose sheet fails, remembered as the player's zoom; kNoOtherSize when there is none.
// Then the field is laid out and placed. Fails without a current tileset. The caller
// redraws and sets the zoom commands.
enum class TileFit { kWindow, kZoomIn, kZoomOut };
Result FitTiles(const FieldContext& field, TileFit fit, int availWidth, int availHeight);

// The tileset to start with: the remembered one, else `fallback`, else the first of
// the list; null only for an empty list.
const TILESET_P* StartTileset(const Tilesets& sets, std::string_view remembered,
                              std::string_view fallback);

// The editor's tile size: the size at which a 17 by 17 half-unit square fits (so a new
// layout has room to grow), or for an `existing` layout its own fit when that is
// smaller. -1 when the tileset has no size.
int EditorTileSizeIndex(const MODE_P& board, const TILESET_P* tileset, int width, int height,
                        bool existing);

// After the window changed from `laidOut` to width by height: whether the tiles are to
// be fitted again rather than only laid out. A window made smaller must not leave tiles
// out of reach: a size that no longer fits gives way to the largest that does. A play
// window grown enough for larger tiles than the ones shown gets them (the zoom is
// forgotten); a size zoomed into beyond the fit stays while the window grows.
bool RefitAfterResize(Tilesets& sets, const MODE_P& board, bool playMode, int laidOutWidth,
                      int laidOutHeight, int width, int height);

// For a window that grew: true, with the zoom forgotten, when a size larger than the
// one `board` shows now fits width by height, so the caller fits the tiles again;
// false, with the zoom kept, while the size shown is still as large as the best fit.
bool ZoomGivesWayToLargerTiles(Tilesets& sets, const MODE_P& board, int width, int height);

// Enabled states of zoom in and zoom out for the loaded size.
struct ZoomStates {
  bool ZoomIn = false;
  bool ZoomOut = false;
};
ZoomStates ZoomCommandStates(const Tilesets& sets);

}  // namespace tv
