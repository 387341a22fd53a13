#include "cameras/camera_steps.h"

namespace rovex {

CameraSteps::CameraSteps(RegistrySettings& settings, UserPrompt* prompt, VoiceOutput* voice,
                         std::function<void()> stopGps)
    : m_settings(settings),
      m_cameras(settings, prompt, std::move(stopGps)),
      m_voice(settings, voice),
      m_warning(m_cameras, m_voice),
      m_specs(settings, m_cameras, m_voice) {
  m_cameras.SetOnListReplaced([this] {
    m_warning.ForgetNearest();
    m_specs.ForgetNearest();
  });
  ReadMapRadius();
}

void CameraSteps::ReadMapRadius() { m_mapRadius = m_settings.ReadMapScale(); }

bool CameraSteps::RebuildLists(const GpsFix& fix) {
  if (m_poiRebuild) m_poiRebuild(m_mapRadius);
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

void CameraSteps::CameraStep(const GpsFix& fix) {
  if (m_cameras.Loading()) return;
  if (m_cameras.ReloadCounter() > 60) {
    RebuildLists(fix);
  } else {
    m_cameras.SetReloadCounter(m_cameras.ReloadCounter() + 1);
  }
  UpdateForFix(fix);
}

}  // namespace rovex
