#pragma once

#include <string>
#include <vector>

#include "nmea/gps_fix.h"
#include "platform/canvas.h"
#include "views/display_colours.h"

// The camera view: a fixed grid of panels laid out for an 800 by 600 window.
// At the top the distance to the nearest camera and the average-speed line
// (with the row of camera-type symbols within 250 m), on the left a radar of
// the cameras around the car with the recorded track, on the right the nearest
// camera's table, at the bottom position, local time and the last sentence.
// A panel that does not fit the window is left out whole.

namespace rovex {

struct CameraRecord;
class CanvasFactory;
class TrackRing;

struct PanelRect {
  int left, top, right, bottom;
};

// Everything the camera view shows, gathered by the running system for one pass.
struct CameraViewData {
  GpsFix fix;
  const std::vector<CameraRecord>* cameras = nullptr;  // the nearby list; null before the first load
  std::string distanceLine;
  std::string specsLine;
  std::string speedLimitText;
  std::string roadText;
  std::string townText;
  std::string camTypeText;
  std::string hazardText;
  const TrackRing* track = nullptr;  // null while recording is off
  bool displayTrack = false;
  double mapRadius = 4000.0;
  unsigned speedUnits = 0;
  int timeZone = 0;
  DisplayColours colours;
  std::string sentence;  // the last sentence, " Bad" already appended when its checksum failed
  bool sentencePending = false;
};

namespace camera_view {

// The fixed rectangles.
inline constexpr PanelRect kDistance{1, 1, 750, 66};
inline constexpr PanelRect kAverageSpeed{1, 67, 750, 122};
inline constexpr PanelRect kRadar{1, 123, 379, 414};
inline constexpr PanelRect kLastSentenceStrip{1, 455, 770, 500};

// The camera-type symbols in the order they are drawn, with their bitmap resources.
struct SymbolType {
  const char* prefix;  // nullptr for "any other"
  int bitmap;
};
inline constexpr SymbolType kSymbolTypes[] = {
    {"MOBIL", 175}, {"GATSO", 180}, {"REDLI", 181}, {"MONIT", 176}, {"REDSP", 182},
    {"SPECS", 178}, {"TEMPO", 174}, {"TRUVE", 179}, {nullptr, 183},
};
inline constexpr int kSymbolTypeCount = 9;

// The symbol type of a CamType: its first five characters without regard to case.
int SymbolTypeOf(const char* camType);

// The panel is drawn only when it lies wholly inside the window.
bool PanelFits(const PanelRect& r, int windowWidth, int windowHeight);

std::string VehicleSpeedText(double knots, unsigned speedUnits);
std::string TimeText(const GpsFix& fix, int timeZone);
std::string MapRadiusText(double radius);
// The hazard text in the three lines of its panel (19, 19 and the rest).
std::vector<std::string> HazardLines(const std::string& hazard);

// Drawn for every mode but the track editor and the atlas: the Distance and
// Average-speed panels and the symbol row. bitmaps may be null (no symbols).
void DrawCommonPanels(Canvas& canvas, const CameraViewData& data, CanvasFactory* bitmaps);

// The camera view's own panels, then the last sentence.
void DrawCameraView(Canvas& canvas, const CameraViewData& data);

// Parts, for views that reuse them.
void DrawRadar(Canvas& canvas, const CameraViewData& data);
void DrawTrackTrace(Canvas& canvas, const CameraViewData& data);
void DrawLastSentence(Canvas& canvas, const CameraViewData& data);

}  // namespace camera_view
}  // namespace rovex
