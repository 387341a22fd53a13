#pragma once

#include <cmath>
#include <cstdio>
#include <string>

#include "nmea/distance.h"
#include "nmea/gps_fix.h"
#include "platform/memory_settings_store.h"
#include "settings/registry_settings.h"
#include "support/fake_prompt.h"
#include "support/fix_at.h"
#include "support/recording_voice.h"
#include "support/temp_dir.h"

// A camera file in a fresh folder, settings in memory pointing at it, and the
// recording fakes, shared by the camera tests.

namespace rovex::testing {

struct CameraFixture {
  TempDir dir;
  MemorySettingsStore store;
  FakePrompt prompt;
  RecordingVoice voice;
  RegistrySettings settings{store, &prompt};
  int stops = 0;

  CameraFixture() {
    settings.WriteTextSetting("CameraFile", CameraPath());
    settings.WriteTextSetting("VoiceFolder", dir.File("Voice"));
    settings.WriteNumberSetting("Exclude", 1);
    settings.WriteNumberSetting("AverageSpeed", 1);
    settings.WriteNumberSetting("SpeedUnits", 0);
    settings.WriteNumberSetting("MapScale", 4000);
  }

  std::string CameraPath() const { return dir.File("ROVEXCamera.txt"); }
  void WriteCameras(const std::string& content) const { dir.Write("ROVEXCamera.txt", content); }
};

// The latitude that many metres north of lat (south when negative), on the same meridian.
inline double North(double latitude, double metres) { return latitude + metres / MetresPerDegreeLat; }

// A camera line with the coordinates written as the converters write them, to more places.
inline std::string CameraLine(double latitude, double longitude, const std::string& type,
                              const std::string& road = "A1", const std::string& speedLimit = "30") {
  char text[200];
  std::snprintf(text, sizeof text, "%.9f,%.9f,%s,Town,,%s,Yes,%s\n", latitude, longitude, road.c_str(), type.c_str(),
                speedLimit.c_str());
  return text;
}

// A GGA at the position, in degrees and minutes as receivers write them (its checksum is not checked).
inline std::string Gga(double latitude, double longitude) {
  auto part = [](double value, int degreeDigits) {
    double a = std::fabs(value);
    int degrees = static_cast<int>(a);
    char text[32];
    std::snprintf(text, sizeof text, "%0*d%07.4f", degreeDigits, degrees, (a - degrees) * 60.0);
    return std::string(text);
  };
  return "$GPGGA,120000," + part(latitude, 2) + (latitude < 0 ? ",S," : ",N,") + part(longitude, 3) +
         (longitude < 0 ? ",W," : ",E,") + "1,08,0.9,10.0,M,,M,,*00\n";
}

}  // namespace rovex::testing
