#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "gps/gps_replay.h"
#include "gps/sentence_pipeline.h"
#include "platform/services.h"
#include "settings/registry_settings.h"
#include "settings/settings_reset.h"
#include "views/camera_view.h"
#include "views/display_colours.h"
#include "system/view_host.h"
#include "system/view_mode.h"

// The running system: everything the view owns and does, without a window.
// The Qt view (CROVEXView) owns one and forwards its events to it; tests drive
// it directly with a recording canvas and a fake host. It owns GPS input (port,
// reader, mailbox, NMEA log), the per-sentence pipeline with the parser and the
// displayed track, and the camera state. Each further feature joins it as a
// member object, registers the handlers of its commands, and takes its part in
// the mode switches, the pipeline and the drawing pass.

namespace rovex {

class Canvas;
class CameraSteps;
class GpsInput;
class NmeaLogCommands;
class PosixSerialPorts;
class UiThreadCaller;
class PostedUiCalls;
class ViewHost;

// The shell's own flags; all off at start and never saved.
struct ShellFlags {
  // The track editor's display options, shown as check marks.
  bool showRoadNames = false;
  bool showLocation = false;
  bool showRoadRef = false;
  bool showIcons = false;
  bool showNodeNames = false;
};

// The copies of settings that the view keeps between uses, refreshed after the
// dialogs that change them and after a reset.
struct ViewSettings {
  uint32_t speedUnits = 0;  // 0 mph, 1 kph, 2 knots
  int timeZone = 1;         // hours added to UTC
  bool displayTrack = false;
  int trackLength = 5000;   // `TrackLength` of the displayed-track ring, also while there is none
};

class RovexSystem final : private DrawingHooks, private ReplayView {
 public:
  RovexSystem(const Services& services, ViewHost& host);
  // Releases in the order the view always has: GPS input stopped, the camera
  // list, the displayed track, the NMEA log.
  ~RovexSystem() override;
  RovexSystem(const RovexSystem&) = delete;
  RovexSystem& operator=(const RovexSystem&) = delete;

  // Start-up, in the order the window goes through it.
  // While the view is created: offers the settings reset when they are missing or old.
  void RunVersionCheck();
  // The view's first update: asks whether to set up settings that do not exist.
  void OnInitialUpdate();
  // The window was shown: the automatic start of GPS input and logging (not
  // for an unattended run, which must not open ports or write logs), and the
  // night timer's choice of colours.
  void OnWindowShown(bool unattended);

  int ViewMode() const { return m_viewMode; }
  const ShellFlags& Flags() const { return m_flags; }
  const ViewSettings& Settings() const { return m_settings; }
  const DisplayColours& Colours() const { return m_colours; }
  double MapRadius() const;
  // Sentences since the nearby lists were last rebuilt; above 60 the next one rebuilds them.
  int RefreshCounter() const;

  SentencePipeline& Pipeline() { return *m_pipeline; }
  CameraSteps& Cameras() { return *m_cameras; }
  GpsInput& Gps() { return *m_gps; }
  GpsReplay& Replay() { return *m_replay; }
  GpsFix& Fix() { return m_pipeline->Fix(); }

  // Commands by number (views/command_ids.h).
  bool HasCommand(int id) const { return m_handlers.count(id) != 0; }
  // False when no handler exists.
  bool RunCommand(int id);
  // The menu check mark of a command; empty when the item carries none.
  std::optional<bool> IsChecked(int id) const;

  // Mode switching.
  void SelectCameraView();    // "&Camera Map", F6, B
  void ToggleView(int mode);  // the View menu toggles and their keys
  void SelectPoiView();       // F7
  void SelectRouteView();     // F8
  void SelectTrekbuddyView();
  void NextView();  // F5, V
  // Enters a mode the way its own command does from the Camera view.
  void SwitchToMode(int mode);

  // Map radius steps (keys, toolbar and the manual-location dialog).
  void ZoomIn();
  void ZoomOut();

  void UseDayColours();
  void UseNightColours();
  // An Options dialog, then the re-read of its values whether it ended with OK or Cancel.
  void OptionsDialog(OptionDialog which);
  void CommSettings();
  void SendLogFile();
  void ShowNearCameraList();
  void CreatePassedCameraList();
  void CheckRegistry();
  // "&Do a ondraw": the test position and sentence, drawn.
  void DoAnOndraw();
  void ManualLocation();
  void DistanceToLocation();
  // The location WM_DISTANCE_TO_LOCATION measures to (set by the distance dialog).
  void SetStoredLocation(double latitude, double longitude);

  // Replays lines of a log through the mailbox, the drawing pass and the
  // pipeline in this thread, as the replay thread has them done; maxLines < 0
  // for the whole file. False (with a message in *error) when it cannot be read.
  bool ReplayLogNow(const std::string& path, long maxLines, std::string* error);
  // The demo drive: the replay thread on a log at delayMs a line, without the
  // replay's question, the camera list rebuilt soon as for any replay.
  void StartDemoReplay(const std::string& path, int delayMs);

  // A message posted to the view (platform/message_poster.h).
  void OnPostedMessage(uint32_t message, uintptr_t wParam, intptr_t lParam);

  // One full drawing pass onto the view's surface.
  void DrawingPass(Canvas& canvas);
  // What the camera view shows now.
  CameraViewData CameraViewNow(const std::string& sentence, bool pending) const;

 private:
  // Check Registry with the view's hooks around it.
  SettingsReset HookedReset();

  // DrawingHooks.
  void FillBackground() override;
  void DrawPanels() override;
  void DrawMode(int viewMode, const char* sentence, bool pending) override;
  // ReplayView.
  void RedrawNow() override;
  void RunPipeline() override;
  void SetRefreshCounter(int value) override;

  void RegisterCommands();
  void Register(int id, std::function<void()> run, std::function<bool()> checked = nullptr);
  void ReloadSettingCopies();
  void StartTrackRecording();
  // The tracking dialog's values taken over: recording, display and the ring's length.
  void AfterTrackingDialog();
  // A ring of the current length; on failure recording and display go off and stay off.
  bool CreateTrackRing();
  bool NothingReceivedYet() const;

  // The end of every switch: mode, clear-once, title, repaint.
  void SetMode(int mode);
  void EnterMode(int mode);
  void LeaveToCamera();
  void ZoomBy(bool in);

  // Steps of the switches that belong to features. Each acts on its feature's
  // state when that feature is part of the system.
  void FreePoiList();
  void LoadPoiList();
  void ResetAtlasView();
  void ResetRouteFollowing();
  void RedrawAtlas();
  void ReloadCameraList();
  void ReloadNearbyLists();

  Services m_services;
  ViewHost& m_host;
  RegistrySettings m_registry;
  std::unique_ptr<PosixSerialPorts> m_ownPorts;
  std::unique_ptr<UiThreadCaller> m_ui;
  PostedUiCalls* m_postedUi = nullptr;  // m_ui when calls travel as posted messages
  std::unique_ptr<GpsInput> m_gps;
  std::unique_ptr<CameraSteps> m_cameras;
  std::unique_ptr<SentencePipeline> m_pipeline;
  std::unique_ptr<GpsReplay> m_replay;
  std::unique_ptr<NmeaLogCommands> m_logCommands;

  int m_viewMode = kCameraMode;
  ShellFlags m_flags;
  ViewSettings m_settings;
  DisplayColours m_colours;
  double m_storedLatitude = 0.0;
  double m_storedLongitude = 0.0;
  Canvas* m_canvas = nullptr;  // during a drawing pass

  std::map<int, std::function<void()>> m_handlers;
  std::map<int, std::function<bool()>> m_checks;
};

}  // namespace rovex
