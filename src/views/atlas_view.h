#pragma once

#include "nmea/gps_fix.h"

// The atlas view (mode 7): the toolbar with the zoom level and the position,
// a block of tiles from the viewer's first column and row drawn at their own
// size below the toolbar, the car where the fix lies on the layer, or the
// overview picture; the messages when there is no layer or no tile.

namespace rovex {
class Canvas;
class CanvasFactory;
}  // namespace rovex

namespace rovex::atlas {
class CTrekbuddy;
class TileCache;
}  // namespace rovex::atlas

namespace rovex::atlas_view {

inline constexpr int kToolbarHeight = 33;

struct AtlasViewData {
  atlas::CTrekbuddy* viewer = nullptr;
  atlas::TileCache* tiles = nullptr;
  CanvasFactory* images = nullptr;  // null: tiles cannot be decoded
  const GpsFix* fix = nullptr;      // null: no car drawn
  int logicalDpi = 96;
};

// Draws onto the canvas (the caller's off-screen surface); returns the number
// of tiles drawn.
int DrawAtlasView(Canvas& canvas, AtlasViewData& data);

}  // namespace rovex::atlas_view
