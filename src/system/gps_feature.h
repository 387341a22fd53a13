#pragma once

#include <memory>

#include "gps/gps_replay.h"
#include "system/feature.h"

// GPS input's commands: Start and Stop, NMEA logging, replay, the port
// settings, sending a log and the distance to a stored location; the
// automatic start of input and logging when the window is first shown.

namespace rovex {

class NmeaLogCommands;
class SystemContext;
class UiThreadCaller;

class GpsFeature final : public Feature {
 public:
  GpsFeature(SystemContext& context, ReplayView& replayView, UiThreadCaller& ui);
  ~GpsFeature() override;

  GpsReplay& Replay() { return *m_replay; }

  void RegisterCommands(CommandRegistry& commands) override;
  bool OnPostedMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
  void OnWindowShown(bool unattended) override;
  void OnGpsStart() override { ApplyTalkerSetting(); }
  void OnSettingsChanged(SettingsChange) override { ApplyTalkerSetting(); }

 private:
  // The parser takes every talker's GGA and RMC when the setting says so.
  void ApplyTalkerSetting();
  void CommSettings();
  void SendLogFile();
  void DistanceToLocation();

  SystemContext& m_context;
  UiThreadCaller& m_ui;
  std::unique_ptr<GpsReplay> m_replay;
  std::unique_ptr<NmeaLogCommands> m_logCommands;  // null without a clock to name logs by
  double m_storedLatitude = 0.0;
  double m_storedLongitude = 0.0;
};

}  // namespace rovex
