#pragma once

#include <memory>
#include <string>

#include "cameras/camera_steps.h"
#include "system/feature.h"
#include "views/camera_view.h"

// The speed cameras in the running system: their part of every sentence
// (the nearby list, the nearest camera, its warnings, the average-speed zone),
// the panels and the Camera view, Mute, the Space key, the camera lists, the
// direct loads of the list and the Test menu's fixed position.

namespace rovex {

class SystemContext;

class CameraFeature final : public Feature {
 public:
  explicit CameraFeature(SystemContext& context);

  CameraSteps& Steps() { return *m_steps; }
  // What the camera view shows now.
  CameraViewData ViewData(const DrawState& state) const;

  void RegisterCommands(CommandRegistry& commands) override;
  void OnModeStep(ModeStep step, const ModeSwitch& change) override;
  void OnMapRadiusChanged() override;
  void OnSettingsChanged(SettingsChange change) override;
  void OnGpsStart() override;

  bool ListBeingRebuilt() const override { return m_steps->ListBeingRebuilt(); }
  bool RebuildLists(const GpsFix& fix) override { return m_steps->RebuildLists(fix); }
  void UpdateForFix(const GpsFix& fix) override { m_steps->UpdateForFix(fix); }

  void DrawPanels(Canvas& canvas, const DrawState& state) override;
  bool DrawMode(int mode, Canvas& canvas, const DrawState& state) override;

 private:
  // A load of the nearby list outside the pipeline; a complete one starts the refresh interval again.
  void ReloadCameraList();
  void DoAnOndraw();
  void ManualLocation();
  void ShowNearCameraList();
  void CreatePassedCameraList();
  void PlaceAtTestPosition();

  SystemContext& m_context;
  std::unique_ptr<CameraSteps> m_steps;
};

}  // namespace rovex
