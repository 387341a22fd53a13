#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "trackeditor/track_map.h"

// Where the track editor looks and what its markers hold: the projection from
// degrees to pixels, the fits to the data, zoom and pan, the two marker
// indices over the edited track, and what a mouse click in the view does.

namespace rovex::trackeditor {

struct ScreenPoint {
  int x = 0;
  int y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

// The map is drawn this far below its projection; the bands above hold texts and buttons.
inline constexpr int kMapTop = 134;

// The background map's height shading moves with the zoom and pan buttons.
struct ShadingOffsets {
  long row = 0;
  long column = 0;
  double divisor = 1.0;
};

enum class MouseButton { Left, Right };

class EditorView {
 public:
  double leftLongitude = -181.0;
  double topLatitude = 91.0;
  double scale = 0.0001;  // pixels per metre
  double startIndex = 200;
  double endIndex = 500;
  double pointCount = 700;
  TrackPoint startMarker;
  TrackPoint endMarker;
  double minLatitude = 0, maxLatitude = 0, minLongitude = 0, maxLongitude = 0;
  ShadingOffsets shading;
  ScreenPoint rightDown, leftDown;
  bool buttonDown = false;

  // Map pixels (before the shift down by kMapTop), truncated.
  ScreenPoint Project(double latitude, double longitude) const;

  // After Open, Close and Close edited track: start -1, end and count 100, markers 0.
  void ResetRange();
  // Fits the view to the points of every visible track; false when there were none.
  bool FitToVisible(const TrackEditor* map);
  // Measures the edited track (its bounds), puts the markers at its ends and fits the view to it.
  void FitToTrack(TrackPoints& edited);

  void ZoomOut();
  void ZoomIn();
  void PanUp();
  void PanDown();
  void PanLeft();
  void PanRight();

  // The point of the edited track that a marker index designates: index k is
  // point k-1, 0 and 1 both the first; none past the last.
  static std::optional<std::size_t> PointFor(double index, std::size_t size);
  void PlaceStartMarker(const TrackPoints* edited);
  void PlaceEndMarker(const TrackPoints* edited);

  // Mouse input in client coordinates over a client of width x height. Each
  // returns true when the view must be drawn again; *message is set when the
  // click asks for a message box.
  bool LeftDown(int x, int y, int width, int height, const TrackPoints* edited, std::string* message);
  void LeftUp(int x, int y);
  void RightDown(int x, int y);
  bool RightUp(int x, int y);
  bool DoubleClick(MouseButton button, int x, int y, int width, int height, const TrackPoints* edited);

 private:
  void Fit(double minLat, double maxLat, double minLon, double maxLon);
};

}  // namespace rovex::trackeditor
