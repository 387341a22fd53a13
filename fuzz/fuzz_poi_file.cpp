// The POI file reader and what then works on what it read: any bytes must
// read without a fault, the stored texts must keep their widths, every kept
// point must lie within the radius, and the near POI list must build.
#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "nmea/c_number.h"
#include "nmea/distance.h"
#include "platform/memory_settings_store.h"
#include "routes/nearby_poi_list.h"
#include "routes/poi_list_model.h"

namespace {

const std::string& Folder() {
  static const std::string folder = [] {
    char name[] = "/tmp/rovex-fuzz-poi-XXXXXX";
    if (!mkdtemp(name)) std::abort();
    return std::string(name);
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = Folder() + "/poi.csv";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  if (size > 0) std::fwrite(data, 1, size, f);
  std::fclose(f);

  rovex::MemorySettingsStore store;
  rovex::RegistrySettings settings(store, nullptr);
  settings.WriteTextSetting("POIFolder", Folder());
  store.Write(rovex::kPoiFilesKey, "POIFile1", rovex::SettingValue::Text("poi.csv"));
  bool stopped = false;
  rovex::NearbyPoiList pois(settings, nullptr, [&stopped] { stopped = true; });
  rovex::GpsFix fix;
  fix.latitude = 51.5;
  fix.longitude = -1.0;
  // Small and very large radii: the first keeps few lines, the second nearly every one.
  for (double radius : {5000.0, 4.0e7}) {
    if (pois.Load(fix, radius) != rovex::NearbyPoiList::LoadResult::Loaded || stopped) std::abort();
    const std::vector<rovex::PoiRecord>* list = pois.List();
    if (!list) std::abort();
    for (const rovex::PoiRecord& r : *list) {
      if (r.longitude.size() > 14 || r.latitude.size() > 14 || r.description.size() > 79 ||
          r.description2.size() > 79) {
        std::abort();
      }
    }
    if (rovex::PoiListTable::Build(list, fix).rows.size() != list->size() + 1) std::abort();
  }
  return 0;
}
