#pragma once

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "nmea/gps_fix.h"
#include "platform/user_prompt.h"
#include "routes/poi_record.h"
#include "settings/registry_settings.h"
#include "settings/settings_table.h"

// The nearby POI list: the points of the selected POI files (every "POIFile"
// value of the POIFiles key, in the store's order, each file top to bottom)
// that lie within the map radius of the fix. It exists only while the POI
// view is shown.

namespace rovex {

inline constexpr const char* kPoiFileValuePrefix = "POIFile";

class NearbyPoiList {
 public:
  // stopGps stops GPS input, so that a message is not repeated with every sentence.
  NearbyPoiList(RegistrySettings& settings, UserPrompt* prompt, std::function<void()> stopGps);

  enum class LoadResult {
    NoFix,   // no position yet: the previous list stays
    Loaded,  // the list was built (a file that cannot be opened is told once and left out)
    Failed,  // a message was shown; what was built so far stays
  };
  LoadResult Load(const GpsFix& fix, double radius);
  void Free() { m_list.reset(); }
  // Null when there is no list.
  const std::vector<PoiRecord>* List() const { return m_list.get(); }

  // The selected file names in the order the loader reads them.
  static std::vector<std::string> SelectedFiles(const SettingsStore& store);

 private:
  void Tell(const std::string& text);

  RegistrySettings& m_settings;
  UserPrompt* m_prompt;
  std::function<void()> m_stopGps;
  std::unique_ptr<std::vector<PoiRecord>> m_list;
  // Files already reported as unopenable; told again only after they opened once.
  std::set<std::string> m_reported;
};

}  // namespace rovex
