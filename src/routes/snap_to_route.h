#pragma once

#include <functional>

#include "platform/user_prompt.h"
#include "settings/registry_settings.h"

// "Snap to route" (a test aid): puts the car on each point of the current
// route file in turn, so every point can be seen and heard without driving.

namespace rovex {

// For every point line that would be stored, calls visit with its latitude
// and longitude; the caller sets the fix there (course 0), reloads the nearby
// cameras and redraws. False, after a message, when the route file name
// cannot be read, is empty, or the file cannot be opened.
bool SnapToRoute(const RegistrySettings& settings, UserPrompt* prompt,
                 const std::function<void(double latitude, double longitude)>& visit);

}  // namespace rovex
