#pragma once

#include "routes/current_route.h"
#include "routes/route_follower.h"
#include "routes/route_labels.h"
#include "routes/route_voice.h"
#include "system/feature.h"

// Routes in the running system: the current route and its excluded cameras,
// following it with the route voice, the route view (mode 2), and the route
// commands and keys (choosing a route, its lists, the picker, the options,
// spoken directions, the route mode, snap to route). The pointer and trail
// views follow the route through Follow, exactly as the route view does.

namespace rovex {

class SystemContext;

class RouteFeature final : public Feature {
 public:
  explicit RouteFeature(SystemContext& context);

  CurrentRoute& Current() { return m_current; }
  RouteFollower& Follower() { return m_follower; }
  RouteVoice& Voice() { return m_voice; }
  const RouteDisplayFlags& DisplayFlags() const { return m_display; }

  // One drawing pass of a route-aware view: every point measured from the
  // fix, the nearest and next found, the nearest announced when due. Runs on
  // every pass whatever the window's size.
  RouteFollowPass Follow(const GpsFix& fix) { return m_follower.Follow(m_current.Get(), fix); }

  void RegisterCommands(CommandRegistry& commands) override;
  void OnModeStep(ModeStep step, const ModeSwitch& change) override;
  void OnSettingsChanged(SettingsChange change) override;
  void OnWindowShown(bool unattended) override;
  bool DrawMode(int mode, Canvas& canvas, const DrawState& state) override;

 private:
  // After every load, good or failed: the exclusions changed, so the nearby cameras are rebuilt at once.
  void LoadCurrentRoute();
  // A start timer whose window holds the local time: its file becomes RouteName.
  bool StartTimerApplies();
  void SelectRouteFile();
  void ShowRouteList();
  void ShowExcludeList();
  void RoutePicker();
  void RouteOptions();
  void RouteSpeechOptions();
  void SnapToRoute();

  SystemContext& m_context;
  RouteVoice m_voice;
  RouteFollower m_follower;
  CurrentRoute m_current;
  RouteDisplayFlags m_display;
};

}  // namespace rovex
