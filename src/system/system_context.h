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

class SystemContext {
 public:
  virtual ~SystemContext() = default;
  virtual const Services& GetServices() const = 0;
  virtual RegistrySettings& Registry() = 0;
  virtual ViewHost& Host() = 0;
  virtual ViewState& View() = 0;
  virtual SentencePipeline& Pipeline() = 0;
  virtual GpsInput& Gps() = 0;
  GpsFix& Fix();

  // Every feature re-reads what it keeps of these settings.
  virtual void SettingsChanged(SettingsChange change) = 0;
  // Every feature rebuilds what depends on the map radius.
  virtual void MapRadiusChanged() = 0;
  // A list was loaded outside the pipeline: the refresh interval starts again.
  void ListsRebuilt();
  // The next sentence rebuilds the lists.
  void RefreshListsNext();
};

}  // namespace rovex
