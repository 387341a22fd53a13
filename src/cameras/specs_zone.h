#pragma once

#include <string>

#include "cameras/camera_database.h"
#include "cameras/camera_record.h"
#include "cameras/camera_voice.h"
#include "nmea/gps_fix.h"
#include "platform/fixed_text.h"
#include "settings/registry_settings.h"

// Average-speed (SPECS) zones: near a camera whose type begins with "Specs" a
// trip starts, the distance driven is added up, and the average speed since
// the start camera is shown; near the next such camera the trip starts again
// from there. The driver can also start and clear a trip by hand.

namespace rovex {

inline constexpr double kNoCameraDistance = 20000000.0;

class SpecsZone {
 public:
  SpecsZone(RegistrySettings& settings, const CameraDatabase& cameras, CameraVoice& voice);

  // Once per sentence with a fix, after the camera texts, while Enabled().
  void SpecsStep(const GpsFix& fix);
  // Back to idle; re-reads AverageSpeed.
  void ResetSpecs();
  void StartManualSpecs(const GpsFix& fix);
  // The Space key: clear a running trip, otherwise start one by hand.
  void SpaceKey(const GpsFix& fix);

  // Metres to the nearest average-speed camera of the nearby list; -1.0 while
  // the list loads or without a fix, kNoCameraDistance without one.
  double FindNearestSpecsCamera(const GpsFix& fix);
  // The nearby list is being replaced: let go of the camera found last.
  void ForgetNearest() { m_nearest = nullptr; }

  bool Enabled() const { return m_enabled; }
  bool Started() const { return m_started; }
  bool Manual() const { return m_manual; }
  double TripDistance() const { return m_tripDistance; }
  const FixedText<79>& SpecsLine() const { return m_specsLine; }

 private:
  void StartAtCamera(const GpsFix& fix, double now, double cameraLatitude, double cameraLongitude);
  // The average since the start, in the chosen units; the mph form of a manual
  // trip away from any camera reads "Trip T ...".
  void ShowAverage(double now, bool tripForm);
  void AnnounceOnce();

  RegistrySettings& m_settings;
  const CameraDatabase& m_cameras;
  CameraVoice& m_voice;

  bool m_enabled = false;
  bool m_manual = false;
  bool m_started = false;
  bool m_announce = false;
  double m_zoneLatitude = 0.0;
  double m_zoneLongitude = 0.0;
  const CameraRecord* m_nearest = nullptr;
  double m_previousDistance = 0.0;
  double m_previousLatitude = 0.0;
  double m_previousLongitude = 0.0;
  double m_startTime = 0.0;
  double m_tripDistance = 0.0;
  FixedText<79> m_specsLine;
};

}  // namespace rovex
