#pragma once

#include <string>

#include "settings/registry_settings.h"

// "Track logging options": whether the driven track is recorded and drawn, and
// how many points the in-memory ring keeps.

namespace rovex {

class TrackingOptionsModel {
 public:
  static constexpr const char* kNote =
      "Tracks are logged in memory and are discarded when the program exits.  The track is traced on the map to "
      "give a indication of the route travelled.";

  struct Values {
    bool logTrack = false;
    bool displayTrack = false;
    std::string recordLength;  // the edit's text; empty when the value is missing
  };

  static Values Open(const RegistrySettings& settings);
  // Writes LogTrack, DisplayTrack and TrackLength (atoi of the edit, clamped to 500..5000).
  static void Ok(RegistrySettings& settings, const Values& v);
  // The length the view takes after the dialog: 1000 when it cannot be read.
  static uint32_t LengthAfterDialog(const RegistrySettings& settings);
};

}  // namespace rovex
