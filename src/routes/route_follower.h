#pragma once

#include <optional>
#include <string>
#include <vector>

#include "nmea/gps_fix.h"
#include "routes/route_file.h"
#include "routes/route_voice.h"
#include "settings/registry_settings.h"

// Following a route: on every drawing pass of a route-aware view (route,
// pointer, trail) each point is measured from the car, the nearest point and
// the one after it are described, and the nearest is announced twice as the
// car approaches it, at a far and a near distance chosen by the route mode.
// It runs whatever the size of the window: a small window must not silence
// the directions.

namespace rovex {

enum class RouteMode { Motorway, Country, Town };

struct RouteModeFlags {
  bool motorway = false;
  bool country = false;
  bool town = false;
};

struct AnnouncementDistances {
  int far;
  int near;
};

// First match: motorway 1400/600, town 500/150, otherwise (country, or no flag) 600/300.
AnnouncementDistances DistancesFor(const RouteModeFlags& mode);

// A point measured in this pass, with its offsets from the car for drawing.
struct MeasuredRoutePoint {
  std::size_t index;  // in the route's points
  int number;         // 1-based, counting every point of the route
  double east;
  double north;
};

struct RouteFollowPass {
  std::vector<MeasuredRoutePoint> measured;
  std::string nearestLine = "No nearby point";
  std::string nextLine = "No nearby point";
};

// "%d - %.3f km " with the number and distance, then Desc. 1, then "," and Desc. 2.
std::string RoutePointLine(int number, const RoutePoint& point);
// What the voice says of the nearest point (at most 249 characters): Desc. 1,
// Desc. 2 and the whole metres; a Desc. 1 of ":" says Desc. 2 alone.
std::string AnnouncementText(const RoutePoint& point);

class RouteFollower {
 public:
  static constexpr int kResetDistance = 10000;

  RouteFollower(RegistrySettings& settings, RouteVoice& voice);

  // Once per drawing pass. route may be null (no route list yet).
  RouteFollowPass Follow(Route* route, const GpsFix& fix);

  // A route was loaded: nothing refers to the old points any more.
  void RouteLoaded();
  // On entering a route-aware view, after the route speech options, and
  // before the excluded-cameras notice: the next nearest point starts afresh,
  // and the route mode is read again.
  void ResetAnnouncements();
  // Key 0: the next pass speaks the nearest point at once.
  void SayNearestNow() { m_sayNearestNow = true; }
  void ClearSayNearestNow() { m_sayNearestNow = false; }
  // Keys Z, X, C: writes the three mode values and takes them.
  void SetRouteMode(RouteMode mode);

  std::optional<std::size_t> NearestRoutePoint() const { return m_nearest; }
  std::optional<std::size_t> LastSaidRoutePoint() const { return m_lastSaid; }
  int LastSaidDistance() const { return m_lastSaidDistance; }
  bool SayNearestNowSet() const { return m_sayNearestNow; }
  const RouteModeFlags& Mode() const { return m_mode; }

 private:
  void ReadMode();
  void Measure(Route& route, const GpsFix& fix, RouteFollowPass* pass);
  void FindNearest(const Route& route, RouteFollowPass* pass);
  void Announce(const Route& route);
  void Say(const RoutePoint& point);

  RegistrySettings& m_settings;
  RouteVoice& m_voice;
  RouteModeFlags m_mode;
  std::optional<std::size_t> m_nearest;
  std::optional<std::size_t> m_lastSaid;
  int m_lastSaidDistance = kResetDistance;
  bool m_sayNearestNow = false;
};

}  // namespace rovex
