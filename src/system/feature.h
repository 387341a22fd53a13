#pragma once

#include <cstdint>
#include <functional>

#include "nmea/gps_fix.h"

// One feature of the running system (cameras, GPS input, display options;
// routes, points of interest, compass and pointer, trail, track editor and
// atlas as they come) plugs in through this interface. The composition root
// owns the features in a fixed order and calls each at every point below, in
// that order; a feature answers only for what is its own and ignores the rest.
// The order of the steps within a mode switch, a sentence, a drawing pass and
// the release at exit stays the root's, so no feature can reorder them.

namespace rovex {

class Canvas;
struct DrawState;

// Menu commands and accelerators by command id (system/command_ids.h).
class CommandRegistry {
 public:
  virtual ~CommandRegistry() = default;
  // checked gives the menu check mark; null for an item that carries none.
  virtual void Register(int id, std::function<void()> run, std::function<bool()> checked = nullptr) = 0;
};

// The steps of a mode switch that features take part in.
enum class ModeStep {
  Leave,           // the mode `from` is being left (the POI list is freed)
  ResetFollowing,  // route following starts afresh, the speak-nearest request is cleared
  ResetAtlasView,  // the atlas view state is reset
  Enter,           // `to` is being entered (its list loaded, the atlas redrawn)
};

// How a switch came about: the same mode is entered a little differently from
// its own command, its toggle and Next view.
enum class SwitchKind { Select, Toggle, Next };

struct ModeSwitch {
  int from;
  int to;
  SwitchKind kind;
};

// A mouse message in the view, in client coordinates of a client of width x height.
enum class MouseAction { LeftDown, LeftUp, LeftDoubleClick, RightDown, RightUp, RightDoubleClick, Wheel };

struct MouseEvent {
  MouseAction action = MouseAction::LeftDown;
  int x = 0;
  int y = 0;
  int wheelDelta = 0;  // Wheel: positive forward
  int width = 0;
  int height = 0;
};

// Which values a dialog or a reset may have changed; features re-read theirs.
enum class SettingsChange { Speed, TimeZone, Tracking, MapScale, Colours, Specs, All };

class Feature {
 public:
  virtual ~Feature() = default;

  virtual void RegisterCommands(CommandRegistry&) {}
  // A key pressed in the view (its virtual-key code) before the accelerators see it; true when used.
  virtual bool OnKeyDown(int /*key*/) { return false; }
  // A mouse button or wheel in the view; true when used.
  virtual bool OnMouse(const MouseEvent&) { return false; }
  // The view's size changed (minimised: the window was minimised).
  virtual void OnViewResized(int /*width*/, int /*height*/, bool /*minimised*/) {}
  // A message posted to the view that the root does not handle itself; true when used.
  virtual bool OnPostedMessage(uint32_t /*message*/, uintptr_t /*wParam*/, intptr_t /*lParam*/) { return false; }

  virtual void OnModeStep(ModeStep, const ModeSwitch&) {}
  // The map radius changed (zoom, the map-scale dialog): rebuild what depends on it.
  virtual void OnMapRadiusChanged() {}
  virtual void OnSettingsChanged(SettingsChange) {}
  // The main window was first shown; unattended runs open no ports and write no logs.
  virtual void OnWindowShown(bool /*unattended*/) {}
  // GPS input is about to start.
  virtual void OnGpsStart() {}

  // The per-sentence pipeline. While any feature rebuilds its list, the
  // sentence is left alone. RebuildLists runs at the refresh interval; it
  // returns false when the rebuild did not complete, so the next sentence asks again.
  virtual bool ListBeingRebuilt() const { return false; }
  virtual bool RebuildLists(const GpsFix&) { return true; }
  virtual void UpdateForFix(const GpsFix&) {}

  // The drawing pass: the panels shared by most modes, then the current mode
  // (true when this feature drew it).
  virtual void DrawPanels(Canvas&, const DrawState&) {}
  virtual bool DrawMode(int /*mode*/, Canvas&, const DrawState&) { return false; }

  // Exit: called, in feature order, before GPS input stops (the track
  // editor's data goes first); features are destroyed after it stopped.
  virtual void OnExit() {}
};

}  // namespace rovex
