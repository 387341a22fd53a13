#pragma once

#include <cstdint>
#include <string>

#include "nmea/gps_fix.h"
#include "platform/services.h"
#include "system/feature.h"
#include "system/view_mode.h"
#include "views/display_colours.h"

// What the features share and may use of the running system. The
// composition root owns all of it and hands every feature the same context.

namespace rovex {

class CameraDatabase;
class CameraExcludeList;
class CanvasFactory;
class GpsInput;
class RegistrySettings;
class SentencePipeline;
class TrackRing;
class ViewHost;

// The shell's own flags; all off at start and never saved.
struct ShellFlags {
  // The track editor's display options, shown as check marks.
  bool showRoadNames = false;
  bool showLocation = false;
  bool showRoadRef = false;
  bool showIcons = false;
  bool showNodeNames = false;
};

// The copies of settings that the view keeps between uses, refreshed after the
// dialogs that change them and after a reset, and the view's own state.
struct ViewState {
  int viewMode = kCameraMode;
  double mapRadius = 4000.0;  // `MapScale` in metres: the radius of every nearby list and map panel
  uint32_t speedUnits = 0;    // 0 mph, 1 kph, 2 knots
  int timeZone = 1;           // hours added to UTC
  bool displayTrack = false;
  int trackLength = 5000;     // `TrackLength` of the displayed-track ring, also while there is none
  DisplayColours colours;
  ShellFlags flags;
};

// One drawing pass as every feature's drawing sees it.
struct DrawState {
  const ViewState& view;
  const GpsFix& fix;
  const TrackRing* track;      // null while recording is off
  std::string sentence;        // as drawn: " Bad" after a failed checksum in the Camera mode
  bool sentencePending = false;
  CanvasFactory* bitmaps = nullptr;
};

// Lists that one feature owns and another reads. Each owner publishes its
// object once, when it is made, and the object's address never changes while
// the system runs: the route feature comes before the camera feature, so the
// cameras are handed the exclusions as they are made.
struct SharedLists {
  // The loaded route's excluded camera types (the route feature's); null without one.
  const CameraExcludeList* routeExclusions = nullptr;
  // The nearby cameras (the camera feature's), drawn over the route-aware maps.
  const CameraDatabase* cameras = nullptr;
};

class SystemContext {
 public:
  virtual ~SystemContext() = default;
  virtual const Services& GetServices() const = 0;
  virtual RegistrySettings& Registry() = 0;
  virtual ViewHost& Host() = 0;
  virtual ViewState& View() = 0;
  virtual SentencePipeline& Pipeline() = 0;
  virtual GpsInput& Gps() = 0;
  virtual SharedLists& Shared() = 0;
  GpsFix& Fix();

  // Every feature re-reads what it keeps of these settings.
  virtual void SettingsChanged(SettingsChange change) = 0;
  // Every feature rebuilds what depends on the map radius.
  virtual void MapRadiusChanged() = 0;
  // A list was loaded outside the pipeline: the refresh interval starts again.
  void ListsRebuilt();
  // The next sentence rebuilds the lists.
  void RefreshListsNext();
  // What the lists hold or where the car stands changed outside the pipeline
  // (a route with other exclusions, a position set by hand): every feature
  // rebuilds its list now, as the pipeline would, and a complete rebuild
  // starts the refresh interval again.
  virtual void RebuildListsNow() = 0;
};

}  // namespace rovex
