#include "atlas/pan_maker.h"

#include <cstdio>
#include <algorithm>
#include <memory>

#include "platform/canvas.h"
#include "platform/image_loader.h"

namespace rovex::atlas {
namespace {

constexpr int kSquareLimit = 400;

std::string Format(const char* format, int a, int b, int c, int d = 0) {
  char text[256];
  std::snprintf(text, sizeof text, format, a, b, c, d);
  return text;
}

}  // namespace

PanLayerInfo InspectPanLayer(const AtlasLayer& layer, ImageLoader& images) {
  PanLayerInfo info;
  const std::optional<TileName>& first = layer.FirstTile();
  if (!first) return info;
  info.prefix = first->prefix;
  info.extension = first->extension;
  std::optional<ImageInfo> image = images.ReadInfo(layer.FirstTilePath());
  if (image && image->width > 0 && image->height > 0) {
    info.tileWidth = image->width;
    info.tileHeight = image->height;
    info.depth = image->depth > 0 ? image->depth : 24;
  } else {
    info.unreadableTile = first->file;
  }
  info.columns = layer.CountColumns(info.tileWidth);
  info.rows = layer.CountRows(info.tileHeight);
  return info;
}

std::string PanCountsText(const PanLayerInfo& info) {
  return Format("Tile count width %d, height %d\nPan image pixal size width %d, height %d", info.columns, info.rows,
                info.PanWidth(), info.PanHeight());
}

std::string PanTileText(const PanLayerInfo& info) {
  return Format("Tile 0_0 pixels width  %d, height %d\nTile 0_0 colour depth %d", info.tileWidth, info.tileHeight,
                info.depth);
}

std::string UnreadableTileText(const std::string& name) {
  return "Unable to find a image with the name " + name +
         "\nin the set folder for the current zoom level.\n\nCheck that the default Trekbuddy atlas folder is set\n"
         "to a proper folder name and that a image with the name " +
         name + "\nexists in the set folder of the subfolder for the current zoom level.";
}

PanResult MakePanFile(const AtlasLayer& layer, CanvasFactory& factory, ImageLoader& images,
                      const std::function<bool(int, int)>& progress) {
  PanResult result;
  if (layer.Empty()) {
    result.message =
        "Unable to find a tile sub folder for the current zoom level.\n\nCheck that the default Trekbuddy atlas "
        "folder is set\nto a proper folder name and that a subfolder exists for the current zoom level.";
    return result;
  }
  const PanLayerInfo info = InspectPanLayer(layer, images);
  if (!info.unreadableTile.empty()) result.warning = UnreadableTileText(info.unreadableTile);
  result.width = info.PanWidth();
  result.height = info.PanHeight();
  if (result.width <= 0 || result.height <= 0) {
    result.outcome = PanOutcome::NoTiles;
    result.message = "No tile named ..._0_0 was found in the set folder of " + layer.Folder() + ".";
    return result;
  }
  if (static_cast<long long>(result.width) * result.height > kPanPixelLimit) {
    result.outcome = PanOutcome::TooLarge;
    char text[200];
    std::snprintf(text, sizeof text,
                  "The pan picture of this layer would be %d by %d pixels, more than the limit of %lld million "
                  "pixels.\nNo pan.jpg file was made.",
                  result.width, result.height, kPanPixelLimit / 1000000);
    result.message = text;
    return result;
  }
  std::unique_ptr<Canvas> picture = factory.CreateCanvas(result.width, result.height);
  if (!picture) {
    result.outcome = PanOutcome::TooLarge;
    result.message = "Error could not CreateCompatibleBitmap";
    return result;
  }
  picture->FillRect(0, 0, result.width, result.height, kWhite);
  const int columnLimit = std::min(kSquareLimit, result.width / kPanSquare + 1);
  for (int c = 0; c < kSquareLimit && c * kPanSquare <= result.width; ++c) {
    if (progress && !progress(c, columnLimit)) {
      result.outcome = PanOutcome::Cancelled;
      return result;
    }
    for (int r = 0; r < kSquareLimit && r * kPanSquare <= result.height; ++r) {
      const long x = static_cast<long>(c) * info.tileWidth;
      const long y = static_cast<long>(r) * info.tileHeight;
      if (!layer.Exists(info.prefix, x, y, info.extension)) continue;
      const std::string path =
          JoinPath(JoinPath(layer.Folder(), "set"), info.prefix + std::to_string(x) + "_" + std::to_string(y) +
                                                        info.extension);
      std::unique_ptr<CanvasImage> tile = factory.LoadImageFile(path);
      if (!tile) continue;
      picture->DrawImageScaled(*tile, c * kPanSquare, r * kPanSquare, kPanSquare, kPanSquare);
      ++result.squaresFilled;
    }
  }
  if (progress) progress(columnLimit, columnLimit);
  const std::string target = layer.PanPath();
  const std::string temporary = target + ".part";
  if (!images.SaveJpeg(*picture, temporary) || std::rename(temporary.c_str(), target.c_str()) != 0) {
    std::remove(temporary.c_str());
    result.outcome = PanOutcome::NotSaved;
    result.message = "Unable to write " + target;
    return result;
  }
  result.outcome = PanOutcome::Made;
  return result;
}

}  // namespace rovex::atlas
