#pragma once

#include <string>

#include "system/feature.h"
#include "trail/track_list.h"

// The trail in the running system: loading and unloading it, the default
// trail file and its load at start-up, and the trail view (mode 6), which
// follows and announces the route as the route view does and turns its dials
// by the compass's shown heading.

namespace rovex {

class CompassFeature;
class RouteFeature;
class SystemContext;

class TrailFeature final : public Feature {
 public:
  TrailFeature(SystemContext& context, RouteFeature& route, CompassFeature& compass);

  const TrackList& Trail() const { return m_trail; }
  // Replaces the trail with the file's; false (and no trail) when it cannot be read.
  bool LoadFile(const std::string& path);

  void RegisterCommands(CommandRegistry& commands) override;
  void OnModeStep(ModeStep step, const ModeSwitch& change) override;
  // After the route and the night colours: the default trail when `AutoStartTrail` is 1.
  void OnWindowShown(bool unattended) override;
  bool DrawMode(int mode, Canvas& canvas, const DrawState& state) override;

 private:
  void LoadTrail();
  void UnloadTrail();
  void DefaultTrailFile();
  void LoadDefault();

  SystemContext& m_context;
  RouteFeature& m_route;
  CompassFeature& m_compass;
  TrackList m_trail;
};

}  // namespace rovex
