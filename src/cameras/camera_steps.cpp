#include "cameras/camera_steps.h"

namespace rovex {

CameraSteps::CameraSteps(RegistrySettings& settings, UserPrompt* prompt, VoiceOutput* voice,
                         const double& mapRadius, std::function<void()> stopGps)
    : m_cameras(settings, prompt, std::move(stopGps)),
      m_voice(settings, voice),
      m_warning(m_cameras, m_voice),
      m_specs(settings, m_cameras, m_voice),
      m_mapRadius(mapRadius) {
  m_cameras.SetOnListReplaced([this] {
    m_warning.ForgetNearest();
    m_specs.ForgetNearest();
  });
}

bool CameraSteps::RebuildLists(const GpsFix& fix) {
  return m_cameras.LoadCameraList(fix, m_mapRadius) == CameraDatabase::LoadResult::Loaded;
}

void CameraSteps::UpdateForFix(const GpsFix& fix) {
  if (m_cameras.Loading() || fix.latitude == 0.0) return;
  double d = m_warning.FindNearestCamera(fix);
  if (d == -1.0) return;
  if (!m_warning.UpdateWarning(d)) {
    m_specs.ResetSpecs();
    return;
  }
  if (m_specs.Enabled()) m_specs.SpecsStep(fix);
}

}  // namespace rovex
