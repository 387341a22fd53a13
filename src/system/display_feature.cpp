#include "system/display_feature.h"

#include <optional>
#include <string>

#include "gps/sentence_pipeline.h"
#include "platform/clock.h"
#include "platform/data_root.h"
#include "platform/message_poster.h"
#include "settings/registry_settings.h"
#include "settings/tracking_options_model.h"
#include "system/command_ids.h"
#include "settings/start_times.h"
#include "settings/start_up_plan.h"
#include "system/system_context.h"
#include "system/view_host.h"

namespace rovex {
namespace {

// Zoom limits of the map radius in metres.
constexpr uint32_t kLargestRadiusToDouble = 255000;
constexpr uint32_t kSmallestRadiusToHalve = 101;

}  // namespace

DisplayFeature::DisplayFeature(SystemContext& context) : m_context(context) {
  ReloadSettingCopies();
  StartTrackRecording();
  m_context.View().colours = DaySet(m_context.Registry());
}

void DisplayFeature::RegisterCommands(CommandRegistry& commands) {
  using namespace cmd;
  for (int id : {kDayColours, kToolDayColours}) commands.Register(id, [this] { UseColours(false); });
  for (int id : {kNightColours, kToolNightColours}) commands.Register(id, [this] { UseColours(true); });
  const std::pair<int, OptionDialog> options[] = {
      {kOptionsSpeed, OptionDialog::Speed},       {kOptionsTimeZone, OptionDialog::TimeZone},
      {kOptionsTrackLogging, OptionDialog::Tracking}, {kOptionsMapScale, OptionDialog::MapScale},
      {kOptionsColours, OptionDialog::Colours},   {kOptionsSpecs, OptionDialog::Specs}};
  for (auto [id, which] : options) commands.Register(id, [this, which = which] { OptionsDialog(which); });
  commands.Register(kCheckRegistry, [this] {
    if (HookedReset().CheckRegistry(true)) UseColours(false);
  });
  commands.Register(kToolZoomIn, [this] { ZoomBy(true); });
  commands.Register(kToolZoomOut, [this] { ZoomBy(false); });
}

bool DisplayFeature::OnPostedMessage(uint32_t message, uintptr_t, intptr_t lParam) {
  if (message != WM_MAP_ZOOM) return false;
  ZoomBy(lParam == 1);
  return true;
}

void DisplayFeature::OnWindowShown(bool) {
  // The night timer, checked only now: inside its window the night colours are used.
  const Clock* clock = m_context.GetServices().clock;
  if (clock && NightTimerApplies(m_context.Registry(), ClockText(clock->LocalTime()))) UseColours(true);
}

SettingsReset DisplayFeature::HookedReset() {
  const Services& services = m_context.GetServices();
  SettingsReset reset(*services.store, *services.prompt, DataRoot());
  reset.SetBeforeReset([this] { m_context.Pipeline().SetTrackRecording(false, 0); });
  reset.SetAfterReset([this] {
    ReloadSettingCopies();
    StartTrackRecording();
    m_context.View().colours = DaySet(m_context.Registry());
    m_context.SettingsChanged(SettingsChange::All);
  });
  return reset;
}

void DisplayFeature::UseColours(bool night) {
  m_context.View().colours = night ? NightSet(m_context.Registry()) : DaySet(m_context.Registry());
  m_context.Pipeline().RequestBackgroundFill();
  m_context.Host().Repaint();
}

void DisplayFeature::OptionsDialog(OptionDialog which) {
  // Whatever the user chose, the view takes the stored values again: what is
  // stored is what it shows, even when another program changed it meanwhile.
  RegistrySettings& registry = m_context.Registry();
  ViewState& view = m_context.View();
  OptionDialogRequest request{which, registry};
  m_context.Host().Run(request);
  switch (which) {
    case OptionDialog::Speed:
      view.speedUnits = registry.ReadSpeedUnits();
      m_context.SettingsChanged(SettingsChange::Speed);
      break;
    case OptionDialog::TimeZone:
      view.timeZone = registry.ReadTimeZoneSetting();
      m_context.SettingsChanged(SettingsChange::TimeZone);
      break;
    case OptionDialog::Tracking:
      AfterTrackingDialog();
      m_context.SettingsChanged(SettingsChange::Tracking);
      break;
    case OptionDialog::MapScale:
      view.mapRadius = registry.ReadMapScale();
      m_context.MapRadiusChanged();
      break;
    case OptionDialog::Colours:
      UseColours(false);
      m_context.SettingsChanged(SettingsChange::Colours);
      break;
    case OptionDialog::Specs:
      m_context.SettingsChanged(SettingsChange::Specs);
      break;
  }
  m_context.Host().Invalidate();
}

void DisplayFeature::ZoomBy(bool in) {
  // The track editor and the atlas have zooms of their own.
  const int mode = m_context.View().viewMode;
  if (mode == kTrackEditorMode || mode == kTrekbuddyMode) return;
  RegistrySettings& registry = m_context.Registry();
  const uint32_t scale = registry.ReadMapScale();
  uint32_t next = scale;
  if (in) {
    if (scale >= kSmallestRadiusToHalve) next = scale / 2;
  } else {
    if (scale <= kLargestRadiusToDouble) next = scale * 2;
  }
  if (next == scale) return;
  // A failed write is reported by the writer; the new radius is used for this run all the same.
  m_context.View().mapRadius = next;
  registry.WriteMapScaleSetting(next);
  m_context.MapRadiusChanged();
  m_context.Host().Repaint();
}

void DisplayFeature::ReloadSettingCopies() {
  RegistrySettings& registry = m_context.Registry();
  ViewState& view = m_context.View();
  view.mapRadius = registry.ReadMapScale();
  view.speedUnits = registry.ReadSpeedUnits();
  view.timeZone = registry.ReadTimeZoneSetting();
  view.displayTrack = registry.ReadFlagSetting("DisplayTrack") == 1;
}

void DisplayFeature::StartTrackRecording() {
  m_context.View().trackLength = static_cast<int>(m_context.Registry().ReadTrackLength());
  if (m_context.Registry().ReadFlagSetting("LogTrack") == 1) {
    CreateTrackRing();
  } else {
    m_context.Pipeline().SetTrackRecording(false, 0);
  }
}

bool DisplayFeature::CreateTrackRing() {
  ViewState& view = m_context.View();
  if (m_context.Pipeline().SetTrackRecording(true, view.trackLength)) return true;
  // Recording is turned off in the settings too, so the next start does not fail the same way.
  RegistrySettings& registry = m_context.Registry();
  registry.WriteNumberSetting("LogTrack", 0);
  registry.WriteNumberSetting("DisplayTrack", 0);
  view.displayTrack = false;
  m_context.GetServices().prompt->MessageBox(
      "There is not enough memory for track logging.\nTrack logging will be turned off");
  return false;
}

void DisplayFeature::AfterTrackingDialog() {
  RegistrySettings& registry = m_context.Registry();
  ViewState& view = m_context.View();
  SentencePipeline& pipeline = m_context.Pipeline();
  bool recording = registry.ReadFlagSetting("LogTrack") == 1;
  if (!recording) {
    pipeline.SetTrackRecording(false, 0);
  } else if (!pipeline.Track()) {
    recording = CreateTrackRing();
  }
  view.displayTrack = registry.ReadFlagSetting("DisplayTrack") == 1;
  const int length = static_cast<int>(TrackingOptionsModel::LengthAfterDialog(registry));
  if (length == view.trackLength) return;
  view.trackLength = length;
  pipeline.SetTrackRecording(false, 0);
  // A failure already reported above turned recording off, so its message is not repeated.
  if (recording) CreateTrackRing();
}

}  // namespace rovex
