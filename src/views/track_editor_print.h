#pragma once

#include <string_view>

#include "platform/canvas.h"
#include "trackeditor/editor_view.h"
#include "trackeditor/track_map.h"

// The track editor's printed page: the map's visible tracks alone (no texts,
// bands, buttons, markers or track bar), at four times the screen's scale,
// with print pens, the road labels and node names in black on white, and the
// node icons at four times their size.

namespace rovex::track_editor_view {

// Printer pixels per screen pixel.
inline constexpr int kPrintFactor = 4;

struct PrintFrame {
  const trackeditor::TrackEditor* map = nullptr;
  const trackeditor::EditorView* view = nullptr;
  bool showRoadNames = false;
  bool showRoadRef = false;
  bool showIcons = false;
  bool showNodeNames = false;
};

// The pen of a track on paper by the first keyword in its description.
Pen PrintPen(std::string_view description);
// The view's projection at four times its scale, rounded.
trackeditor::ScreenPoint PrintProject(const trackeditor::EditorView& view, double latitude, double longitude);
// True when a label at print pixel p is written on a page of that size.
bool PrintLabelShown(trackeditor::ScreenPoint p, int pageWidth, int pageHeight);

// Draws the page on a canvas the size of the printable page (white first).
void DrawPrintPicture(Canvas& canvas, const PrintFrame& frame);

}  // namespace rovex::track_editor_view
