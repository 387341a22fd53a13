#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "atlas/atlas_calibration.h"
#include "atlas/atlas_layer.h"
#include "atlas/pan_maker.h"
#include "cli/cli_command.h"
#include "platform/canvas.h"
#include "platform/image_loader.h"

#ifdef ROVEX_CLI_QT_IMAGES
#include <QGuiApplication>

#include "qtplatform/qt_canvas_factory.h"
#include "qtplatform/qt_image_loader.h"
#endif

namespace rovex::cli {
namespace {

struct Codecs {
  std::unique_ptr<ImageLoader> images;
  std::unique_ptr<CanvasFactory> factory;
};

Codecs MakeCodecs() {
  Codecs c;
#ifdef ROVEX_CLI_QT_IMAGES
  c.images = std::make_unique<QtImageLoader>();
  c.factory = std::make_unique<QtCanvasFactory>();
#endif
  return c;
}

// The zoom level a layer folder's name ends with, or -1.
int ZoomOfName(const std::string& name) {
  if (name.size() < 2) return -1;
  const char a = name[name.size() - 2], b = name.back();
  if (a < '0' || a > '9' || b < '0' || b > '9') return -1;
  return (a - '0') * 10 + (b - '0');
}

int Info(const std::string& atlasFolder, CliContext& ctx) {
  Codecs codecs = MakeCodecs();
  int layers = 0;
  for (const std::string& name : atlas::SortedListing(atlasFolder)) {
    const int zoom = ZoomOfName(name);
    if (zoom < 0) continue;
    const atlas::AtlasLayer layer(atlas::JoinPath(atlasFolder, name));
    ++layers;
    std::fprintf(ctx.out, "layer %s zoom %d\n", name.c_str(), zoom);
    if (!codecs.images) {
      std::fputs("  tiles: no image codecs in this build\n", ctx.out);
      continue;
    }
    const atlas::PanLayerInfo info = atlas::InspectPanLayer(layer, *codecs.images);
    if (!layer.FirstTile()) {
      std::fputs("  no tile named ..._0_0 in set/\n", ctx.out);
    } else {
      std::fprintf(ctx.out, "  first tile %s\n", layer.FirstTile()->file.c_str());
      if (!info.unreadableTile.empty()) std::fputs("  first tile unreadable: 256x256 taken\n", ctx.out);
      std::fprintf(ctx.out, "  tile %dx%d depth %d columns %d rows %d\n", info.tileWidth, info.tileHeight, info.depth,
                   info.columns, info.rows);
    }
    atlas::AtlasCalibration cal;
    if (layer.MapFile().empty() || !atlas::ReadAtlasMapFile(layer.MapFile(), &cal)) {
      std::fputs("  calibration: none\n", ctx.out);
      continue;
    }
    static const char* const kCorners[4] = {"top-left", "top-right", "bottom-right", "bottom-left"};
    std::fprintf(ctx.out, "  calibration %s (%d points)\n", layer.MapFile().substr(layer.Folder().size() + 1).c_str(),
                 cal.pointsRead);
    for (int i = 0; i < 4; ++i) std::fprintf(ctx.out, "  %-12s %.6f %.6f\n", kCorners[i], cal.lat[i], cal.lon[i]);
  }
  if (layers == 0) {
    std::fprintf(ctx.err, "rovex-cli: no layer folders (names ending in two digits) in %s\n", atlasFolder.c_str());
    return 1;
  }
  return 0;
}

int Pan(const std::string& atlasFolder, const std::string& level, CliContext& ctx) {
  char* end = nullptr;
  const long zoom = std::strtol(level.c_str(), &end, 10);
  if (level.empty() || *end != '\0' || zoom < 0 || zoom > 99) {
    std::fputs("rovex-cli: LAYER is a zoom level from 0 to 99\n", ctx.err);
    return 2;
  }
#ifdef ROVEX_CLI_QT_IMAGES
  // Drawing pictures needs Qt's GUI library started; no screen is needed.
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  int argc = 1;
  char name[] = "rovex-cli";
  char* argv[] = {name, nullptr};
  std::unique_ptr<QGuiApplication> gui;
  if (!QGuiApplication::instance()) gui = std::make_unique<QGuiApplication>(argc, argv);
#endif
  Codecs codecs = MakeCodecs();
  if (!codecs.images) {
    std::fputs("rovex-cli: this build has no image codecs\n", ctx.err);
    return 1;
  }
  const atlas::AtlasLayer layer(atlas::FindLayerFolder(atlasFolder, static_cast<int>(zoom)));
  const atlas::PanResult r = atlas::MakePanFile(layer, *codecs.factory, *codecs.images);
  if (!r.warning.empty()) std::fprintf(ctx.err, "%s\n", r.warning.c_str());
  if (r.outcome != atlas::PanOutcome::Made) {
    std::fprintf(ctx.err, "rovex-cli: %s\n", r.message.c_str());
    return 1;
  }
  std::fprintf(ctx.out, "%s %dx%d, %d squares\n", layer.PanPath().c_str(), r.width, r.height, r.squaresFilled);
  return 0;
}

}  // namespace

// "atlas info ATLAS" lists each layer; "atlas pan ATLAS LAYER" makes that layer's pan.jpg.
int CmdAtlas(const std::vector<std::string>& args, CliContext& ctx) {
  if (args.size() == 2 && args[0] == "info") return Info(args[1], ctx);
  if (args.size() == 3 && args[0] == "pan") return Pan(args[1], args[2], ctx);
  std::fputs("usage: rovex-cli atlas info ATLAS | atlas pan ATLAS LAYER\n", ctx.err);
  return 2;
}

}  // namespace rovex::cli
