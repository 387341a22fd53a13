#include "gps/dlg_manual_location.h"

#include "nmea/c_number.h"
#include "platform/c_format.h"
#include "platform/message_poster.h"

namespace rovex {

void CDlgManualLocation::OnInitDialog() {
  m_latitude = FormatFixed(m_fix.latitude, 6);
  m_longitude = FormatFixed(m_fix.longitude, 6);
}

void CDlgManualLocation::NudgeLatitude(double step) {
  double value = CAtof(m_latitude.c_str()) + step;
  m_latitude = FormatFixed(value, 6);
  m_fix.latitude = value;
  LocationSet();
}

void CDlgManualLocation::NudgeLongitude(double step) {
  double value = CAtof(m_longitude.c_str()) + step;
  m_longitude = FormatFixed(value, 6);
  m_fix.longitude = value;
  LocationSet();
}

void CDlgManualLocation::OnOK() {
  m_fix.latitude = CAtof(m_latitude.c_str());
  m_fix.longitude = CAtof(m_longitude.c_str());
  LocationSet();
}

void CDlgManualLocation::ZoomOut() {
  if (m_poster) m_poster->Post(WM_MAP_ZOOM, 0, 0);
}

void CDlgManualLocation::ZoomIn() {
  if (m_poster) m_poster->Post(WM_MAP_ZOOM, 0, 1);
}

void CDlgManualLocation::LocationSet() {
  if (m_poster) m_poster->Post(WM_LOCATION_SET, 0, 0);
}

}  // namespace rovex
