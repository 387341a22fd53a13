#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "platform/services.h"
#include "views/display_colours.h"
#include "views/view_mode.h"

// The running system: everything the view owns and does, without a window.
// The Qt view (CROVEXView) owns one and forwards its events to it; tests drive
// it directly with a recording canvas and a fake host. Each feature of the
// program joins it as a member object, registers the handlers of its commands,
// and takes its part in the mode switches, the per-sentence pipeline and the
// drawing pass.

namespace rovex {

class Canvas;
class RegistrySettings;
class ViewHost;

// The shell's own flags; all off at start and never saved.
struct ShellFlags {
  bool clearOnce = false;  // the next drawing pass first fills the client area
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
  double mapRadius = 4000.0;  // metres, from MapScale
  uint32_t speedUnits = 0;    // 0 mph, 1 kph, 2 knots
  int timeZone = 1;           // hours added to UTC
};

class RovexSystem {
 public:
  RovexSystem(const Services& services, ViewHost& host);
  ~RovexSystem();
  RovexSystem(const RovexSystem&) = delete;
  RovexSystem& operator=(const RovexSystem&) = delete;

  // Start-up, in the order the window goes through it.
  // While the view is created: offers the settings reset when they are missing or old.
  void RunVersionCheck();
  // The view's first update: asks whether to set up settings that do not exist.
  void OnInitialUpdate();

  int ViewMode() const { return m_viewMode; }
  const ShellFlags& Flags() const { return m_flags; }
  const ViewSettings& Settings() const { return m_settings; }
  const DisplayColours& Colours() const { return m_colours; }
  // Sentences since the nearby lists were last rebuilt; above 60 the next one rebuilds them.
  int RefreshCounter() const { return m_refreshCounter; }

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
  void CheckRegistry();

  // A message posted to the view (platform/message_poster.h).
  void OnPostedMessage(uint32_t message, uintptr_t wParam, intptr_t lParam);

  // One full drawing pass onto the view's surface.
  void DrawingPass(Canvas& canvas);

 private:
  void RegisterCommands();
  void Register(int id, std::function<void()> run, std::function<bool()> checked = nullptr);
  RegistrySettings Registry();
  void ReloadSettingCopies();

  // The end of every switch: mode, clear-once, title, repaint.
  void EnterMode(int mode);
  void LeaveToCamera();
  void ZoomBy(bool in);

  // Steps of the switches that belong to features. Each acts on its feature's
  // state when that feature is part of the system.
  void FreePoiList();
  void LoadPoiList();
  void ResetAtlasView();
  void ResetRouteFollowing();
  void ReloadCameraList();
  void ReloadNearbyLists();
  void RedrawAtlas();

  Services m_services;
  ViewHost& m_host;
  int m_viewMode = kCameraMode;
  ShellFlags m_flags;
  ViewSettings m_settings;
  DisplayColours m_colours;
  int m_refreshCounter = 10000;

  std::map<int, std::function<void()>> m_handlers;
  std::map<int, std::function<bool()>> m_checks;
};

}  // namespace rovex
