#pragma once

#include <functional>

#include "cameras/camera_database.h"
#include "cameras/camera_exclude_list.h"
#include "cameras/camera_voice.h"
#include "cameras/camera_warning.h"
#include "cameras/specs_zone.h"
#include "nmea/gps_fix.h"
#include "gps/pipeline_steps.h"
#include "platform/user_prompt.h"
#include "platform/voice_output.h"
#include "settings/registry_settings.h"

// The camera work of every NMEA sentence, as GPS input's per-sentence pipeline
// calls it: the nearby list refreshed when due, the nearest camera, its
// warning mark and announcements, the camera texts and the average-speed zone.

namespace rovex {

class CameraSteps final : public PipelineSteps {
 public:
  // mapRadius is the owner's map radius in metres, read at every rebuild;
  // stopGps is the Run menu's Stop, used after a camera file failure.
  CameraSteps(RegistrySettings& settings, UserPrompt* prompt, VoiceOutput* voice, const double& mapRadius,
              std::function<void()> stopGps);

  // PipelineSteps.
  bool ListBeingRebuilt() const override { return m_cameras.Loading(); }
  bool RebuildLists(const GpsFix& fix) override;
  void UpdateForFix(const GpsFix& fix) override;

  void SetExclusions(const CameraExcludeList* exclusions) { m_cameras.SetExclusions(exclusions); }

  // The Q key and the Space key.
  void ToggleMute() { m_voice.ToggleMute(); }
  void SpaceKey(const GpsFix& fix) { m_specs.SpaceKey(fix); }

  CameraDatabase& Cameras() { return m_cameras; }
  const CameraDatabase& Cameras() const { return m_cameras; }
  CameraWarning& Warning() { return m_warning; }
  const CameraWarning& Warning() const { return m_warning; }
  SpecsZone& Specs() { return m_specs; }
  const SpecsZone& Specs() const { return m_specs; }
  CameraVoice& Voice() { return m_voice; }

 private:
  CameraDatabase m_cameras;
  CameraVoice m_voice;
  CameraWarning m_warning;
  SpecsZone m_specs;
  const double& m_mapRadius;
};

}  // namespace rovex
