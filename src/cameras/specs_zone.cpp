#include "cameras/specs_zone.h"

#include <cstdio>

#include "cameras/camera_exclude_list.h"
#include "cameras/distance_to_camera.h"
#include "nmea/c_number.h"
#include "nmea/distance.h"
#include "nmea/speed_units.h"

namespace rovex {
namespace {

constexpr const char* kStartText = "Specs camera, calcs speed cam to cam";

double TimeOfDay(const GpsFix& fix) { return fix.utcHour * 3600.0 + fix.utcMinute * 60.0 + fix.utcSecond; }

bool IsSpecsCamera(const CameraRecord& camera) {
  return camera.CamType.size() >= 5 && EqualsIgnoreCase(camera.CamType.view().substr(0, 5), "Specs");
}

}  // namespace

SpecsZone::SpecsZone(RegistrySettings& settings, const CameraDatabase& cameras, CameraVoice& voice)
    : m_settings(settings), m_cameras(cameras), m_voice(voice) {
  ResetSpecs();
}

void SpecsZone::ResetSpecs() {
  m_enabled = m_settings.ReadFlagSetting("AverageSpeed") == 1;
  m_manual = false;
  m_started = false;
  m_announce = false;
  m_zoneLatitude = 0.0;
  m_zoneLongitude = 0.0;
  m_startTime = 0.0;
  m_tripDistance = 0.0;
  m_specsLine.Clear();
}

void SpecsZone::StartManualSpecs(const GpsFix& fix) {
  if (fix.latitude == 0.0) {
    m_specsLine = "No position, can't set Specs start.";
    return;
  }
  if (m_started) ResetSpecs();
  m_previousDistance = 50000.0;
  m_previousLatitude = fix.latitude;
  m_previousLongitude = fix.longitude;
  m_startTime = TimeOfDay(fix);
  m_tripDistance = 0.0;
  m_announce = false;
  m_specsLine = kStartText;
  m_manual = true;
  m_started = true;
}

void SpecsZone::SpaceKey(const GpsFix& fix) {
  if (m_started) {
    ResetSpecs();
  } else {
    StartManualSpecs(fix);
  }
}

double SpecsZone::FindNearestSpecsCamera(const GpsFix& fix) {
  if (m_cameras.Loading()) return -1.0;
  m_nearest = nullptr;
  if (fix.latitude == 0.0) return -1.0;
  const std::vector<CameraRecord>* list = m_cameras.List();
  if (!list) return kNoCameraDistance;
  double best = kNoCameraDistance;
  for (const CameraRecord& camera : *list) {
    if (!IsSpecsCamera(camera)) continue;
    double d = DistanceToCamera(fix, camera);
    if (d >= 0.0 && d < best) {  // -1.0 is no distance, never the nearest
      best = d;
      m_nearest = &camera;
    }
  }
  return best;
}

void SpecsZone::StartAtCamera(const GpsFix& fix, double now, double cameraLatitude, double cameraLongitude) {
  m_started = true;
  m_zoneLatitude = cameraLatitude;
  m_zoneLongitude = cameraLongitude;
  m_startTime = now;
  m_tripDistance = 0.0;
  m_previousLatitude = fix.latitude;
  m_previousLongitude = fix.longitude;
}

void SpecsZone::ShowAverage(double now, bool tripForm) {
  double elapsed = now - m_startTime;
  if (!(elapsed > 0.0)) {
    // No time has passed by the fix's clock (two fixes in one second, or a trip
    // across midnight UTC): there is no average to show yet.
    m_specsLine = kStartText;
    return;
  }
  double metresPerHour = m_tripDistance * 3600.0 / elapsed;
  char text[160];
  const SpeedUnit unit = SpeedUnitFromSetting(m_settings.ReadSpeedUnits());
  const double average = MetresPerHourIn(unit, metresPerHour);
  if (unit == SpeedUnit::Mph) {
    std::snprintf(text, sizeof text, tripForm ? "Trip T %.0f, D %.0f, Av %.0f mph" : "T %.0f, D %.0f, Av %.0f mph",
                  elapsed, m_tripDistance, average);
  } else {
    std::snprintf(text, sizeof text, "Average speed %.0f %s", average, SpeedUnitName(unit));
  }
  m_specsLine = text;
}

void SpecsZone::AnnounceOnce() {
  if (!m_announce) return;
  m_announce = false;
  m_voice.PlayVoice(kVoiceSpecs);
}

void SpecsZone::SpecsStep(const GpsFix& fix) {
  const double d = FindNearestSpecsCamera(fix);
  if (d == -1.0) return;
  if (d == kNoCameraDistance && !m_manual) {
    ResetSpecs();
    return;
  }
  const double now = TimeOfDay(fix);

  if (!m_nearest) {
    if (!m_manual) return;
    // A trip started by hand, no average-speed camera about: keep adding up.
    m_tripDistance += PointDistance(fix.latitude, fix.longitude, m_previousLatitude, m_previousLongitude);
    ShowAverage(now, true);
    m_previousLatitude = fix.latitude;
    m_previousLongitude = fix.longitude;
    return;
  }

  const double cameraLatitude = CAtof(m_nearest->Latitude.c_str());
  const double cameraLongitude = CAtof(m_nearest->Longitude.c_str());

  if (!m_started) {
    m_previousDistance = d;
    if (d < 300.0) {
      StartAtCamera(fix, now, cameraLatitude, cameraLongitude);
      m_announce = true;
      m_specsLine = kStartText;
    }
    return;
  }

  if (cameraLatitude == m_zoneLatitude && cameraLongitude == m_zoneLongitude) {
    if (d > m_previousDistance + 2.0 || d > 300.0) {
      // Driving away from the start camera: the trip is under way.
      m_tripDistance += PointDistance(fix.latitude, fix.longitude, m_previousLatitude, m_previousLongitude);
      ShowAverage(now, false);
      AnnounceOnce();
      m_previousDistance = d;
      m_previousLatitude = fix.latitude;
      m_previousLongitude = fix.longitude;
    } else if (d + 2.0 < m_previousDistance) {
      // Coming back towards it: the trip starts again here.
      m_startTime = now;
      m_tripDistance = 0.0;
      m_previousDistance = d;
      m_previousLatitude = fix.latitude;
      m_previousLongitude = fix.longitude;
      m_specsLine = kStartText;
    }
    return;
  }

  // The next camera of the zone.
  double step = PointDistance(fix.latitude, fix.longitude, m_previousLatitude, m_previousLongitude);
  if (step < 2.0) return;
  m_tripDistance += step;
  m_previousLatitude = fix.latitude;
  m_previousLongitude = fix.longitude;
  ShowAverage(now, false);
  AnnounceOnce();
  if (d < 200.0) StartAtCamera(fix, now, cameraLatitude, cameraLongitude);
  m_previousDistance = d;
}

}  // namespace rovex
