// The passed-camera list reads NMEA logs of any origin: any bytes must be
// processed without a fault, and every listed row must be within the limits.
#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cameras/camera_database.h"
#include "cameras/passed_camera_list.h"
#include "platform/memory_settings_store.h"
#include "settings/registry_settings.h"

namespace {

struct Setup {
  std::string folder;
  rovex::MemorySettingsStore store;
  rovex::RegistrySettings settings{store, nullptr};
  Setup() {
    char name[] = "/tmp/rovex-fuzz-passed-XXXXXX";
    if (!mkdtemp(name)) std::abort();
    folder = name;
    std::FILE* f = std::fopen((folder + "/cameras.txt").c_str(), "wb");
    if (!f) std::abort();
    std::fputs("51.5,-0.1,A1,Town,,GATSO,Yes,30\n51.51,-0.11,A2,,,SPECS,,\n48.1173,11.5167,B1,,,MOBILE,No,50\n", f);
    std::fclose(f);
    settings.WriteTextSetting("CameraFile", folder + "/cameras.txt");
    settings.WriteNumberSetting("SpeedUnits", 1);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Setup setup;
  const std::string log = setup.folder + "/log.txt";
  std::FILE* f = std::fopen(log.c_str(), "wb");
  if (!f) return 0;
  if (size > 0) std::fwrite(data, 1, size, f);
  std::fclose(f);

  rovex::CameraDatabase cameras(setup.settings, nullptr, nullptr);
  rovex::PassedCameraList list(setup.settings, nullptr, cameras, nullptr);
  list.logFile = log;
  list.nearestDistance = "0";
  list.farthestDistance = "20000";
  list.Process();
  if (list.Table().rows.empty()) std::abort();  // the count row is always there
  for (const auto& entry : list.Entries()) {
    if (entry.name && !(entry.distance >= 0.0 && entry.distance <= 1000000.0)) std::abort();
  }
  list.ClipboardText(true);
  return 0;
}
