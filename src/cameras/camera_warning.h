#pragma once

#include "cameras/camera_database.h"
#include "cameras/camera_record.h"
#include "cameras/camera_voice.h"
#include "nmea/gps_fix.h"
#include "platform/fixed_text.h"

// The nearest camera and its spoken warnings. The warning mark follows the
// distance in 100 m steps: it drops below the distance as the car closes in,
// and the mark just passed is spoken; it rises again only when the distance
// exceeds it by more than 100 m, so a wavering distance repeats a mark once
// per fall below it. Also the texts the camera view shows about the camera.

namespace rovex {

// Beyond this distance the nearest camera is ignored.
inline constexpr double kMapAreaLimit = 10000.0;

class CameraWarning {
 public:
  CameraWarning(const CameraDatabase& cameras, CameraVoice& voice) : m_cameras(cameras), m_voice(voice) {}

  // Metres to the nearest camera of the nearby list (the earlier in the file on
  // a tie), remembered as NearestCamera(); -1.0 while the list loads, without a
  // fix or without a list; 20000000.0 when the list holds no camera.
  double FindNearestCamera(const GpsFix& fix);

  // Moves the mark for the distance d and speaks a mark just passed, then fills
  // the texts. False when the camera is beyond the map-area limit: the texts
  // then read "No cameras are in the map area" (the caller resets the zone).
  bool UpdateWarning(double d);

  void FillCameraTexts(double d);
  void ClearCameraTexts();
  // The nearby list is being replaced.
  void ForgetNearest() { m_nearest = nullptr; }

  const CameraRecord* NearestCamera() const { return m_nearest; }
  double WarningMark() const { return m_warningMark; }
  void SetWarningMark(double metres) { m_warningMark = metres; }

  const FixedText<40>& DistanceLine() const { return m_distanceLine; }
  const FixedText<25>& SpeedLimitText() const { return m_speedLimitText; }
  const FixedText<25>& RoadText() const { return m_roadText; }
  const FixedText<25>& TownText() const { return m_townText; }
  const FixedText<57>& HazardText() const { return m_hazardText; }
  const FixedText<25>& CamTypeText() const { return m_camTypeText; }

 private:
  const CameraDatabase& m_cameras;
  CameraVoice& m_voice;
  const CameraRecord* m_nearest = nullptr;
  double m_warningMark = 2000.0;
  FixedText<40> m_distanceLine;
  FixedText<25> m_speedLimitText;
  FixedText<25> m_roadText;
  FixedText<25> m_townText;
  FixedText<57> m_hazardText;
  FixedText<25> m_camTypeText;
};

}  // namespace rovex
