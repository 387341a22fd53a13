#include "system/view_mode.h"

namespace rovex {

int EffectiveViewMode(int mode) { return mode >= 0 && mode < kViewModeCount ? mode : kCameraMode; }

const char* ViewTitle(int mode) {
  static const char* const titles[kViewModeCount] = {
      "ROVEX Camera View",  "ROVEX POI View",          "ROVEX Route View", "ROVEX Compass View",
      "ROVEX Pointer View", "ROVEX Track Editor View", "ROVEX Trail View", "ROVEX Trekbuddy View",
  };
  return titles[EffectiveViewMode(mode)];
}

}  // namespace rovex
