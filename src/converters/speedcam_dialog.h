#pragma once

#include <string>

#include "converters/osm_cameras.h"
#include "osm/osm_input.h"
#include "platform/user_prompt.h"

// The rules of the "Extract speedcams from an OSM file" dialog (`DlgSpeedcam`):
// its texts, and what its two extract buttons do.

namespace rovex::converters {

class SpeedcamDialog {
 public:
  static constexpr const char* kTitle = "Extract speedcams from an OSM file";
  static constexpr const char* kIntro =
      "Extracts a set of speedcam POI from an OSM file and writes them to another file.";
  static constexpr const char* kTypesHint =
      "Most cameras will end up as type Static or Gatso with 0 speed.  They will only be a different type if the "
      "person who entered details of the camera added a note tag with the camera type and a maxspeed tag with the "
      "speed.";
  static constexpr const char* kTimeHint =
      "It takes about ten minutes to extract the cameras from an OSM of the whole of the UK.  You'll get a Done "
      "message once it has completed.";
  // Compressed and PBF extracts read as well as plain XML.
  static constexpr const char* kSourceFilter = osm::kOsmFileFilter;
  static constexpr const char* kDestinationFilter = "Text files (*.txt)|*.txt|Any (*.*)|*.*||";

  std::string source;
  std::string destination;

  // "Extract to ROVEX file" and "Extract to IGO file": the checks, the
  // overwrite question, the extraction and its messages. The dialog stays open.
  bool Extract(SpeedcamOutput output, UserPrompt& prompt, const ProgressFunction& progress = {});
};

}  // namespace rovex::converters
