#include "routes/current_route.h"

namespace rovex {

void CurrentRoute::Tell(const std::string& text) {
  if (m_prompt) m_prompt->MessageBox(text, MsgIcon::Warning, MsgButtons::Ok);
}

bool CurrentRoute::LoadCurrentRoute() {
  std::optional<std::string> path = m_settings.TryReadText("RouteName", 299);
  if (!path) {
    Tell("Unable read the route file name from the registry.");
    return false;
  }
  return LoadFrom(*path);
}

bool CurrentRoute::LoadFrom(const std::string& path) {
  m_follower.RouteLoaded();
  Route fresh;
  RouteReadResult result = path.empty() ? RouteReadResult::CannotOpen : ReadRouteFile(path, &fresh);
  // Handed over whole, so the camera loader never sees half a list, and a
  // failed load leaves no exclusions of the route before it behind.
  m_exclusions = CameraExcludeNames(fresh.exclusions);
  m_route = std::move(fresh);
  if (path.empty()) return false;
  if (result != RouteReadResult::Read) {
    Tell("Error can't open the route file\n" + path);
    return false;
  }
  if (!m_route->exclusions.empty() && m_settings.ReadFlagSetting("SayExcluded") == 1) {
    m_follower.ResetAnnouncements();
    m_voice.SpeakRouteText(m_route->spokenTitle);
    m_voice.SpeakRouteText("Has excluded cameras");
  }
  return true;
}

}  // namespace rovex
