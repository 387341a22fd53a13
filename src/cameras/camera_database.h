#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cameras/camera_exclude_list.h"
#include "cameras/camera_index.h"
#include "cameras/camera_record.h"
#include "nmea/gps_fix.h"
#include "platform/user_prompt.h"
#include "settings/registry_settings.h"

// The nearby camera list: the cameras of the camera database within the map
// radius of the car, in file order, rebuilt from the file at intervals while
// the car moves. Every camera feature reads this list. The whole database is
// never held in memory; an index of positions (built in the background on
// first use) lets a rebuild read only the lines near the car.

namespace rovex {

// Smallest radius a list is ever built for, in metres.
inline constexpr double kMinimumCameraRadius = 4000.0;

// The radius a load uses: at least the minimum (and the minimum for a radius
// that is not a number).
double CameraLoadRadius(double radius);

class CameraDatabase {
 public:
  enum class LoadResult {
    Loaded,  // the list was rebuilt (possibly empty)
    NoFix,   // no position yet: nothing done, the list is untouched
    Busy,    // a load is already running
    Failed,  // a message was shown and GPS input stopped; the list keeps what was built
  };

  // stopGps is the Run menu's Stop; exclusions may be null (no route).
  CameraDatabase(RegistrySettings& settings, UserPrompt* prompt, std::function<void()> stopGps,
                 const CameraExcludeList* exclusions = nullptr);

  // The route's exclude list (null: none). The database does not own it.
  void SetExclusions(const CameraExcludeList* exclusions) { m_exclusions = exclusions; }

  // Rebuilds the nearby list around the fix.
  LoadResult LoadCameraList(const GpsFix& fix, double radius);

  // Fills list with the cameras within radius of the position by the same rules
  // (radius floor, messages), without route exclusions and without touching the
  // nearby list: the passed-camera list. NoFix when latitude is 0.0.
  LoadResult LoadCamerasAround(double latitude, double longitude, double radius, std::vector<CameraRecord>* list);

  // CameraFile; false (after the reader's message, if any) when it cannot be read.
  bool GetCameraFileName(std::string* name);

  // The nearby list; null before the first load.
  const std::vector<CameraRecord>* List() const { return m_list ? &*m_list : nullptr; }
  bool Loading() const { return m_loading; }


  // Called with each load that starts: whatever points into the list lets go.
  void SetOnListReplaced(std::function<void()> callback) { m_onListReplaced = std::move(callback); }

 private:
  LoadResult Read(const GpsFix& origin, double radius, const CameraExcludeList* exclusions,
                  std::vector<CameraRecord>* list);
  void Fail(const std::string& message);

  RegistrySettings& m_settings;
  UserPrompt* m_prompt;
  std::function<void()> m_stopGps;
  const CameraExcludeList* m_exclusions;
  std::function<void()> m_onListReplaced;
  std::optional<std::vector<CameraRecord>> m_list;
  bool m_loading = false;
  CameraIndex m_index;
};

}  // namespace rovex
