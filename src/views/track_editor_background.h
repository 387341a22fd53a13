#pragma once

#include <cstdint>
#include <functional>

#include "platform/canvas.h"
#include "trackeditor/editor_view.h"
#include "trackeditor/height_tile.h"
#include "trackeditor/track_map.h"

// The background map's parts of the track editor's picture that are not
// lines: the height shading behind everything, and the node icons and node
// names drawn over the lines, on the screen and on the printed page.

namespace rovex::track_editor_view {

// The colour of a height cell: by its low 8 bits, so the shading repeats every 256 m.
Rgb ShadingColour(int32_t cell);

// One pixel per cell from the first row and column shown, divisor cells to the
// pixel, from the canvas's top-left corner (not tied to the tracks' projection).
void DrawHeightShading(Canvas& canvas, const trackeditor::HeightTile& tile, const trackeditor::ShadingOffsets& at);

// The picture of an icon (IconPicture), its top-left corner at x, y; each
// side is 16 pixels times scale. Picture 0 draws nothing.
void DrawNodeIcon(Canvas& canvas, int picture, int x, int y, int scale);

struct NodeMarkStyle {
  int scale = 1;  // of the icons and the offset of the names
  Font nameFont{"Times New Roman", 18, 400};
  Rgb nameColour = kWhite;
  Rgb nameBackground = kBlack;
};

// The icons, then the names, of every visible entry at its first point
// (placed by project, then shifted down by the map's top band) where shown
// says a position is on the page.
void DrawNodeMarks(Canvas& canvas, const trackeditor::TrackEditor& map, bool icons, bool names,
                   const std::function<trackeditor::ScreenPoint(const trackeditor::TrackPoint&)>& project,
                   const std::function<bool(trackeditor::ScreenPoint)>& shown, const NodeMarkStyle& style);

}  // namespace rovex::track_editor_view
