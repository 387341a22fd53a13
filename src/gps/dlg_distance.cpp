#include "gps/dlg_distance.h"

#include <cstdio>
#include <cstdlib>

#include "nmea/c_number.h"
#include "nmea/distance.h"

namespace rovex {
namespace {

std::string Format(const char* format, double value) {
  char text[400];  // %f of any double fits
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

void CDlgDistance::OnInitDialog(const GpsFix& fix) {
  m_latitude1 = Format("%f", fix.latitude);
  m_longitude1 = Format("%f", fix.longitude);
}

void CDlgDistance::OnCalculate() {
  double metres = PointDistance(std::atof(m_latitude1.c_str()), std::atof(m_longitude1.c_str()),
                                std::atof(m_latitude2.c_str()), std::atof(m_longitude2.c_str()));
  m_result = Format("%1.3f km", metres / 1000.0);
  if (m_storeLocation) m_storeLocation(CAtof(m_latitude2.c_str()), CAtof(m_longitude2.c_str()));
}

std::string DistanceMessageText(double metres) {
  char text[400];
  std::snprintf(text, sizeof text, "Distance \n%f metres\n\n%f Miles", metres, metres * MetresToMiles);
  return text;
}

void ShowDistanceToLocation(UserPrompt& prompt, const GpsFix& fix, double latitude, double longitude) {
  prompt.MessageBox(DistanceMessageText(DistanceFromFix(fix, latitude, longitude)), MsgIcon::Warning, MsgButtons::Ok,
                    kAppCaption);
}

}  // namespace rovex
