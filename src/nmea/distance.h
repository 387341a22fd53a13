#pragma once

#include "nmea/gps_fix.h"

// Every distance in the program uses one small-area approximation of the
// earth: fixed metres per degree, the east factor shrunk by the cosine of a
// latitude, joined by Pythagoras. Cheap enough for every sentence and every
// camera, and the same numbers everywhere. 0.0 as a coordinate means "no value".

namespace rovex {

inline constexpr double MetresPerDegreeLat = 111248.4;
inline constexpr double MetresPerDegreeLon = 111319.2;
inline constexpr double DegToRad = 0.017453292519943295;
inline constexpr double MetresToMiles = 0.0006214;

// Metres from the fix to the point, or -1.0 when the point or the fix has no
// latitude, or the point has no longitude (the fix's longitude is not tested).
// The cosine is of the point's latitude.
double DistanceFromFix(const GpsFix& fix, double latitude, double longitude);

// Metres between two points; the cosine is of the first point's latitude. No sentinel test.
double PointDistance(double latitude1, double longitude1, double latitude2, double longitude2);

// Signed metres east and north of the fix, for placing a point on a screen;
// false (outputs untouched) under the same conditions as DistanceFromFix.
bool OffsetFromFix(const GpsFix& fix, double longitude, double latitude, double* east, double* north);

}  // namespace rovex
