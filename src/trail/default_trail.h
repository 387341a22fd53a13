#pragma once

#include "platform/user_prompt.h"
#include "settings/registry_settings.h"
#include "trail/track_list.h"

// Loading the default trail (`TrailName`): by its command, after "Apply and
// load trail now", and at start-up when `AutoStartTrail` is 1. The trail is
// emptied first; a missing name or file is told and leaves it empty. Nothing
// is shown after a good load.

namespace rovex {

bool LoadDefaultTrail(const RegistrySettings& settings, UserPrompt* prompt, TrackList* trail);

}  // namespace rovex
