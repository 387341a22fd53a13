#pragma once

#include "settings/settings_reset.h"
#include "system/feature.h"

// How the view looks and what it keeps of the settings: day and night
// colours (with the night timer at start-up), the option dialogs and the
// re-read of their values, Check Registry and the settings reset around it,
// the displayed-track ring, and the map radius with its zoom steps.

namespace rovex {

class SystemContext;
enum class OptionDialog;

class DisplayFeature final : public Feature {
 public:
  explicit DisplayFeature(SystemContext& context);

  // The settings reset with the view's steps around it: the track recording
  // stops first, and afterwards every copy the view keeps is taken again.
  SettingsReset HookedReset();

  void RegisterCommands(CommandRegistry& commands) override;
  bool OnPostedMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
  void OnWindowShown(bool unattended) override;

 private:
  void UseColours(bool night);
  // An Options dialog, then the re-read of its values whether it ended with OK or Cancel.
  void OptionsDialog(OptionDialog which);
  void ZoomBy(bool in);
  void ReloadSettingCopies();
  void StartTrackRecording();
  // The tracking dialog's values taken over: recording, display and the ring's length.
  void AfterTrackingDialog();
  // A ring of the current length; on failure recording and display go off and stay off.
  bool CreateTrackRing();

  SystemContext& m_context;
};

}  // namespace rovex
