#include "cameras/camera_warning.h"

#include <cstdio>
#include <string>

#include "cameras/distance_to_camera.h"
#include "cameras/specs_zone.h"

namespace rovex {

double CameraWarning::FindNearestCamera(const GpsFix& fix) {
  const std::vector<CameraRecord>* list = m_cameras.List();
  if (m_cameras.Loading() || fix.latitude == 0.0 || !list) return -1.0;
  double best = kNoCameraDistance;
  for (const CameraRecord& camera : *list) {
    double d = DistanceToCamera(fix, camera);
    // A record whose own coordinates read as no value has no distance; taken
    // as -1.0 metres it would win every search and silence every warning.
    if (d >= 0.0 && d < best) {
      best = d;
      m_nearest = &camera;
    }
  }
  return best;
}

bool CameraWarning::UpdateWarning(double d) {
  if (d > kMapAreaLimit) {
    m_warningMark = 2200.0;
    ClearCameraTexts();
    return false;
  }
  if (m_warningMark > d) {
    while (m_warningMark > d && m_warningMark > 0.0) m_warningMark -= 100.0;
    // Only the last mark passed is spoken, one step above the new mark: "100"
    // and "2000" are never heard, and 1500 only from the 1400 mark.
    if (m_warningMark == 0.0) {
      m_voice.AnnounceDistance(0.0);
    } else if (m_warningMark >= 100.0 && m_warningMark <= 900.0) {
      m_voice.AnnounceDistance(m_warningMark + 100.0);
    } else if (m_warningMark == 1400.0) {
      m_voice.AnnounceDistance(1500.0);
    }
  }
  while (m_warningMark + 100.0 < d) m_warningMark += 100.0;
  FillCameraTexts(d);
  return true;
}

void CameraWarning::FillCameraTexts(double d) {
  if (m_cameras.Loading() || !m_nearest) return;
  char distance[64];
  std::snprintf(distance, sizeof distance, "%.0fm ", d);
  m_distanceLine = std::string(distance) + m_nearest->CamType.str();
  m_speedLimitText = m_nearest->SpeedLimit.view();
  m_roadText = m_nearest->Road.view();
  m_townText = m_nearest->Town.view();
  m_hazardText = m_nearest->Hazard.view();
  m_camTypeText = m_nearest->CamType.view();
}

void CameraWarning::ClearCameraTexts() {
  m_distanceLine = "No cameras are in the map area";
  m_speedLimitText.Clear();
  m_roadText.Clear();
  m_townText.Clear();
  m_hazardText.Clear();
  m_camTypeText.Clear();
}

}  // namespace rovex
