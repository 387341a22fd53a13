#include "trail/default_trail.h"

#include "trail/trail_reader.h"

namespace rovex {

bool LoadDefaultTrail(const RegistrySettings& settings, UserPrompt* prompt, TrackList* trail) {
  auto tell = [prompt](const std::string& text) {
    if (prompt) prompt->MessageBox(text, MsgIcon::Warning, MsgButtons::Ok);
  };
  trail->Clear();
  std::optional<std::string> name = settings.TryReadText("TrailName", 300);
  if (!name) {
    tell("Unable read the default trail file name from the registry.");
    return false;
  }
  if (name->empty()) {
    tell("Trying to load the default trail file but there is no filename set.\n"
         "Please choose a Gpolyline GPX trail file under the Trail menu.");
    return false;
  }
  if (ReadTrailFile(*name, trail) != TrailReadResult::Read) {
    tell("Error can't open the default trail file\n" + *name);
    return false;
  }
  return true;
}

}  // namespace rovex
