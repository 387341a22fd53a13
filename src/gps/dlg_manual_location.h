#pragma once

#include <string>

#include "nmea/gps_fix.h"

// The rules of the "Manual Location" dialog, which places the car by hand so
// that the views can be tried without a GPS. Each change is stored in the fix
// at once and posted to the view as WM_LOCATION_SET, so the map follows while
// the dialog is open; the zoom buttons post WM_MAP_ZOOM.

namespace rovex {

class MessagePoster;

class CDlgManualLocation {
 public:
  CDlgManualLocation(GpsFix& fix, MessagePoster* poster) : m_fix(fix), m_poster(poster) {}

  std::string m_latitude;
  std::string m_longitude;

  // Both edits from the fix, "%f".
  void OnInitDialog();
  // The nudge buttons: the edit read with atof, the step added, written back
  // with "%f", stored in the fix.
  void NudgeLatitude(double step);
  void NudgeLongitude(double step);
  // Both edits stored in the fix.
  void OnOK();
  void ZoomOut();
  void ZoomIn();

  // The eight nudge steps, in degrees: +0.1, -0.1, +0.01, -0.01.
  static constexpr double kSteps[4] = {0.1, -0.1, 0.01, -0.01};

 private:
  void LocationSet();

  GpsFix& m_fix;
  MessagePoster* m_poster;
};

}  // namespace rovex
