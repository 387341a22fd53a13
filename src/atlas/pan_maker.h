#pragma once

#include <functional>
#include <string>

#include "atlas/atlas_layer.h"

// "Make pan files": the overview picture "pan.jpg" of one layer, every tile
// reduced to 80 by 80 pixels in a grid of the layer's columns and rows. The
// picture's size is checked before it is made, and it starts white, so squares
// of missing tiles are never uninitialised.

namespace rovex {
class CanvasFactory;
class ImageLoader;
}  // namespace rovex

namespace rovex::atlas {

inline constexpr int kPanSquare = 80;
// The largest pan picture made, in pixels (a layer of 100 by 100 tiles).
inline constexpr long long kPanPixelLimit = 64LL * 1000 * 1000;

// What the make-pan dialog shows of a layer before building.
struct PanLayerInfo {
  int columns = 0;
  int rows = 0;
  int tileWidth = 256;
  int tileHeight = 256;
  int depth = 24;
  std::string prefix = "t";
  std::string extension = ".jpg";
  std::string unreadableTile;  // the first tile's name when it exists but cannot be read
  int PanWidth() const { return columns * kPanSquare; }
  int PanHeight() const { return rows * kPanSquare; }
};
PanLayerInfo InspectPanLayer(const AtlasLayer& layer, ImageLoader& images);

// "Tile count width %d, height %d\nPan image pixal size ..." and "Tile 0_0 pixels width ...".
std::string PanCountsText(const PanLayerInfo& info);
std::string PanTileText(const PanLayerInfo& info);
// The message for a first tile that cannot be read, naming it.
std::string UnreadableTileText(const std::string& tileName);

enum class PanOutcome { Made, NoLayer, NoTiles, TooLarge, Cancelled, NotSaved };

struct PanResult {
  PanOutcome outcome = PanOutcome::NoLayer;
  int width = 0;
  int height = 0;
  int squaresFilled = 0;
  std::string message;  // for the user; empty when made
  std::string warning;  // the unreadable first tile, when the job went on with 256-pixel tiles
};

// Builds and saves the layer's pan.jpg. progress(column, columnLimit) is called at
// each column and returns false to cancel; a cancelled job writes nothing.
PanResult MakePanFile(const AtlasLayer& layer, CanvasFactory& factory, ImageLoader& images,
                      const std::function<bool(int, int)>& progress = nullptr);

}  // namespace rovex::atlas
