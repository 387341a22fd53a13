#pragma once

#include <string>
#include <vector>

#include "nmea/gps_fix.h"
#include "platform/canvas.h"

// The compass view: a heading-up compass rose turned by the shown heading,
// the fix beside it, and on the right a small north-up map of the displayed
// track. Drawn on an off-screen surface copied below the top panels in one
// step; a window of 750 by 460 pixels or less shows nothing. The pointer and
// trail views draw with the same rose, map and pointer pieces.

namespace rovex {

class TrackRing;

struct CompassViewData {
  GpsFix fix;
  double mapRadius = 4000.0;
  unsigned speedUnits = 0;
  int timeZone = 0;
  const TrackRing* track = nullptr;  // null while recording is off
  // The shown heading as the pass found it and after its damping step: the
  // labels, cardinal ticks and letters are drawn before that step.
  double headingBefore = 0.0;
  double heading = 0.0;
};

namespace compass_view {

// The surface and where its pixel (1,1) lands on the window: (1,123).
inline constexpr int kSurfaceWidth = 749, kSurfaceHeight = 342;
inline constexpr int kSurfaceX = 0, kSurfaceY = 122;
inline constexpr int kMapCentreX = 495, kMapCentreY = 169;

inline constexpr Rgb kCardinalTick{233, 240, 0};
inline constexpr Rgb kCentreColour{0, 193, 230};
inline constexpr Rgb kLetterColour{0, 207, 228};
inline constexpr Rgb kTrackYellow{255, 255, 0};

// Wider than 750 and taller than 460 pixels.
bool ViewFits(int width, int height);

// The point at radius r in compass direction angle (degrees from north) on a
// rose around (cx, cy) turned by heading.
CanvasPoint RosePoint(int cx, int cy, double radius, double angle, double heading);

// "Lat. ...", "Long. ...", "Time ...", "Bearing ...", the speed line, "Alt. ... metres".
std::vector<std::string> InformationLines(const GpsFix& fix, unsigned speedUnits, int timeZone);
// printf's "%03.f".
std::string ThreeDigits(double value);

// Where the map radius text and the large bearing stand.
struct RoseTexts {
  CanvasPoint radius;
  CanvasPoint bearing;
};
// The rose with its labels, the fix lines, ticks, circles, cross hair and lubber line.
void DrawRose(Canvas& surface, const CompassViewData& data, RoseTexts places);
// The displayed track and the cross hair of the right-hand map.
void DrawRightMap(Canvas& surface, const CompassViewData& data);
// The ring oldest to newest, north up around (cx, cy), 170 pixels per map
// radius east and 125 north; a position outside the square breaks the line.
void DrawLoggedPositions(Canvas& surface, const TrackRing* track, const GpsFix& fix, double radius, int cx, int cy);

void Line(Canvas& canvas, int x1, int y1, int x2, int y2);
void Line(Canvas& canvas, CanvasPoint a, CanvasPoint b);
// "Times New Roman" of that height in the colour, on black.
void UseFont(Canvas& canvas, int height, Rgb colour);

void DrawCompassView(Canvas& canvas, const CompassViewData& data);

}  // namespace compass_view
}  // namespace rovex
