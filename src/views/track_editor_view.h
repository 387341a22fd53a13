#pragma once

#include <memory>
#include <functional>
#include <string>
#include <string_view>

#include "platform/canvas.h"
#include "trackeditor/editor_view.h"
#include "trackeditor/height_tile.h"
#include "trackeditor/track_map.h"

// The track editor view (mode 5). The map layer (the visible tracks with their
// road labels, the background map's height shading, icons and node names, and
// the edited track) changes only
// when the data, the extent or the size change, so it is drawn once into an
// off-screen surface and copied; each sentence redraws only the texts, bands,
// buttons, the two markers, the car's position and the track bar over it.

namespace rovex::track_editor_view {

struct EditorFrame {
  const trackeditor::TrackEditor* map = nullptr;
  const trackeditor::TrackPoints* edited = nullptr;
  const trackeditor::EditorView* view = nullptr;
  const trackeditor::HeightTile* heights = nullptr;  // the shading's tile, when one is loaded
  unsigned long dataGeneration = 0;  // changes whenever the map layer's data changed
  bool showLocation = false;
  bool showRoadNames = false;
  bool showRoadRef = false;
  bool showIcons = false;
  bool showNodeNames = false;
  double latitude = 0.0;  // the car
  double longitude = 0.0;
};

// The pen of a track by the first keyword in its description.
Pen TrackPen(std::string_view description);
// A track as runs of segments with one end inside the map horizontally and one
// inside vertically, each point placed by project (the screen's or the page's).
void DrawTrackLine(Canvas& canvas, const std::vector<trackeditor::TrackPoint>& points, int width, int height,
                   const std::function<trackeditor::ScreenPoint(const trackeditor::TrackPoint&)>& project);
// The road label texts of a description ("name-" and "ref-" up to the next ':'); empty for none.
std::string RoadName(std::string_view description);
std::string RoadRef(std::string_view description);

// True when a single position (marker, label) at map pixel p is drawn on a client of that size.
bool PositionShown(trackeditor::ScreenPoint p, int width, int height);

// Moves the extent so that the car is in view when it is not (used from the next frame on).
void FollowLocation(trackeditor::EditorView& view, double latitude, double longitude, int width, int height);

class TrackEditorPainter {
 public:
  void Draw(Canvas& canvas, const EditorFrame& frame);
  // How often the map layer was drawn.
  int LayerDraws() const { return m_layerDraws; }

 private:
  struct LayerKey {
    unsigned long generation = 0;
    double left = 0, top = 0, scale = 0;
    int width = 0, height = 0;
    bool names = false, refs = false, icons = false, nodeNames = false;
    const trackeditor::HeightTile* heights = nullptr;
    long shadingRow = 0, shadingColumn = 0;
    double shadingDivisor = 0;
    bool operator==(const LayerKey&) const = default;
  };
  void DrawLayer(Canvas& layer, const EditorFrame& frame);

  std::unique_ptr<Canvas> m_layer;
  LayerKey m_key;
  int m_layerDraws = 0;
};

}  // namespace rovex::track_editor_view
