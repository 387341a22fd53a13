#include "routes/route_follower.h"

#include <climits>
#include <cmath>

#include "nmea/c_number.h"
#include "nmea/distance.h"
#include "platform/c_format.h"

namespace rovex {
namespace {

// A usable position: a number on the globe, and not the 0.0 that means "none".
bool UsableCoordinate(double value, double limit) {
  return value != 0.0 && std::isfinite(value) && std::fabs(value) <= limit;
}

// Whole metres, the fraction dropped.
int WholeMetres(double metres) {
  if (!(metres < static_cast<double>(INT_MAX))) return INT_MAX;
  return static_cast<int>(metres);
}

}  // namespace

AnnouncementDistances DistancesFor(const RouteModeFlags& mode) {
  if (mode.motorway) return {1400, 600};
  if (mode.town) return {500, 150};
  return {600, 300};
}

std::string RoutePointLine(int number, const RoutePoint& point) {
  std::string line = std::to_string(number) + " - " + FormatFixed(point.distance / 1000.0, 3) + " km ";
  if (point.desc1) line += *point.desc1;
  if (point.desc2) line += "," + *point.desc2;
  return line;
}

std::string AnnouncementText(const RoutePoint& point) {
  std::string text;
  bool colon = point.desc1 && *point.desc1 == ":";
  if (point.desc1 && !colon) text = *point.desc1 + " ";
  if (point.desc2) text += *point.desc2;
  if (!colon) text += " " + std::to_string(WholeMetres(point.distance)) + " metres";
  if (text.size() > kSpokenCharacterLimit) text.resize(kSpokenCharacterLimit);
  return text;
}

RouteFollower::RouteFollower(RegistrySettings& settings, RouteVoice& voice) : m_settings(settings), m_voice(voice) {
  ReadMode();
}

void RouteFollower::ReadMode() {
  m_mode.motorway = m_settings.ReadFlagSetting("RouteMotorway") == 1;
  m_mode.country = m_settings.ReadFlagSetting("RouteCountry") == 1;
  m_mode.town = m_settings.ReadFlagSetting("RouteTown") == 1;
}

void RouteFollower::RouteLoaded() {
  m_nearest.reset();
  // The old points are gone; a point of the new route that happens to have
  // the same place in its list is a different point.
  m_lastSaid.reset();
  m_lastSaidDistance = kResetDistance;
}

void RouteFollower::ResetAnnouncements() {
  m_lastSaid.reset();
  m_lastSaidDistance = kResetDistance;
  ReadMode();
}

void RouteFollower::SetRouteMode(RouteMode mode) {
  m_mode = {mode == RouteMode::Motorway, mode == RouteMode::Country, mode == RouteMode::Town};
  m_settings.WriteNumberSetting("RouteMotorway", m_mode.motorway ? 1 : 0);
  m_settings.WriteNumberSetting("RouteCountry", m_mode.country ? 1 : 0);
  m_settings.WriteNumberSetting("RouteTown", m_mode.town ? 1 : 0);
}

void RouteFollower::Measure(Route& route, const GpsFix& fix, RouteFollowPass* pass) {
  for (std::size_t i = 0; i < route.points.size(); ++i) {
    RoutePoint& point = route.points[i];
    double latitude = CAtof(point.latitude.c_str());
    double longitude = CAtof(point.longitude.c_str());
    if (!UsableCoordinate(latitude, 90.0) || !UsableCoordinate(longitude, 180.0) || !point.desc1) continue;
    double east = 0.0, north = 0.0;
    if (!OffsetFromFix(fix, longitude, latitude, &east, &north)) continue;
    point.distance = std::sqrt(east * east + north * north);
    point.measured = true;
    pass->measured.push_back({i, static_cast<int>(i + 1), east, north});
  }
}

void RouteFollower::FindNearest(const Route& route, RouteFollowPass* pass) {
  double best = 1000000.0;
  for (std::size_t i = 0; i < route.points.size(); ++i) {
    const RoutePoint& point = route.points[i];
    // A point never measured has no distance to compare: left in, its 0 would
    // make it the nearest for ever and silence the whole route.
    if (!point.measured || !(point.distance < best)) continue;
    best = point.distance;
    m_nearest = i;
    pass->nearestLine = RoutePointLine(static_cast<int>(i + 1), point);
    pass->nextLine = i + 1 < route.points.size() ? RoutePointLine(static_cast<int>(i + 2), route.points[i + 1]) : "";
  }
}

void RouteFollower::Say(const RoutePoint& point) {
  m_lastSaidDistance = WholeMetres(point.distance);
  m_voice.SpeakRouteText(AnnouncementText(point));
}

void RouteFollower::Announce(const Route& route) {
  if (m_nearest && *m_nearest >= route.points.size()) m_nearest.reset();
  if (m_sayNearestNow && m_nearest) {
    m_sayNearestNow = false;
    Say(route.points[*m_nearest]);
  }
  if (!(m_lastSaid && m_nearest && *m_lastSaid == *m_nearest)) {
    m_lastSaid = m_nearest;
    m_lastSaidDistance = kResetDistance;
    return;
  }
  if (!m_voice.DirectionsOn()) return;
  const RoutePoint& point = route.points[*m_nearest];
  AnnouncementDistances d = DistancesFor(m_mode);
  if (point.distance < d.near && m_lastSaidDistance > d.near) {
    Say(point);
  } else if (point.distance < d.far && m_lastSaidDistance > d.far) {
    Say(point);
  }
}

RouteFollowPass RouteFollower::Follow(Route* route, const GpsFix& fix) {
  RouteFollowPass pass;
  if (route) {
    Measure(*route, fix, &pass);
    if (fix.latitude != 0.0) FindNearest(*route, &pass);
    Announce(*route);
  } else {
    Announce(Route{});
  }
  return pass;
}

}  // namespace rovex
