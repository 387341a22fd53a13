#pragma once

#include <functional>
#include <string>

#include "nmea/gps_fix.h"
#include "platform/user_prompt.h"

// The distance checks offered to the user: the "Get distance to a location"
// dialog (two points, the distance between them in kilometres) and the
// message that answers WM_DISTANCE_TO_LOCATION with the distance from the fix.

namespace rovex {

class CDlgDistance {
 public:
  std::string m_latitude1;
  std::string m_longitude1;
  std::string m_latitude2;
  std::string m_longitude2;
  std::string m_result;

  // The first point starts as the current fix.
  void OnInitDialog(const GpsFix& fix);
  // Reads both points and shows their distance as "%1.3f km"; the second
  // point becomes the location WM_DISTANCE_TO_LOCATION measures to.
  void OnCalculate();
  void SetStoreLocation(std::function<void(double, double)> store) { m_storeLocation = std::move(store); }

 private:
  std::function<void(double, double)> m_storeLocation;
};

// "Distance \n%f metres\n\n%f Miles" for a distance in metres.
std::string DistanceMessageText(double metres);
// WM_DISTANCE_TO_LOCATION: the distance from the fix to the stored location, in a message box.
void ShowDistanceToLocation(UserPrompt& prompt, const GpsFix& fix, double latitude, double longitude);

}  // namespace rovex
