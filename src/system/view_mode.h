#pragma once

// The eight display modes. The mode is a plain integer, as the paint handler and
// the commands read it; any value outside 0..7 is drawn and titled as Camera.

namespace rovex {

enum ViewMode : int {
  kCameraMode = 0,
  kPoiMode = 1,
  kRouteMode = 2,
  kCompassMode = 3,
  kPointerMode = 4,
  kTrackEditorMode = 5,
  kTrailMode = 6,
  kTrekbuddyMode = 7,
};

inline constexpr int kViewModeCount = 8;

// The mode as it is drawn: values outside 0..7 become Camera.
int EffectiveViewMode(int mode);

// "ROVEX Camera View" ... "ROVEX Trekbuddy View".
const char* ViewTitle(int mode);

// The title the frame carries before the first mode switch.
inline constexpr const char* kStartTitle = "ROVEX";

}  // namespace rovex
