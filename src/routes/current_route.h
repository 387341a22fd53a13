#pragma once

#include <functional>
#include <optional>
#include <string>

#include "cameras/camera_exclude_names.h"
#include "platform/user_prompt.h"
#include "routes/route_file.h"
#include "routes/route_follower.h"
#include "routes/route_voice.h"
#include "settings/registry_settings.h"

// The current route: the file that RouteName names, its points and the
// cameras it asks to ignore. Every way of choosing a route writes RouteName
// first and then loads from it. A load builds a fresh route and puts it in
// place only when complete; a file that cannot be read leaves an empty route
// and no exclusions, never the previous route's.

namespace rovex {

class CurrentRoute {
 public:
  CurrentRoute(RegistrySettings& settings, UserPrompt* prompt, RouteFollower& follower, RouteVoice& voice)
      : m_settings(settings), m_prompt(prompt), m_follower(follower), m_voice(voice) {}

  // Loads from RouteName; false (after a message) when it cannot be read.
  bool LoadCurrentRoute();
  // Loads from the path; false when the file could not be read (after a message).
  bool LoadFrom(const std::string& path);
  // Writes the path as RouteName.
  bool StoreRouteName(const std::string& path) { return m_settings.WriteTextSetting("RouteName", path); }

  // Null until the first load.
  Route* Get() { return m_route ? &*m_route : nullptr; }
  const Route* Get() const { return m_route ? &*m_route : nullptr; }

  // For the camera loader: always the same object, whatever route is loaded.
  const CameraExcludeList& Exclusions() const { return m_exclusions; }
  const CameraExcludeNames& ExcludeNames() const { return m_exclusions; }

 private:
  void Tell(const std::string& text);

  RegistrySettings& m_settings;
  UserPrompt* m_prompt;
  RouteFollower& m_follower;
  RouteVoice& m_voice;
  std::optional<Route> m_route;
  CameraExcludeNames m_exclusions;
};

}  // namespace rovex
