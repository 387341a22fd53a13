#pragma once

#include "routes/nearby_poi_list.h"
#include "system/feature.h"

// Points of interest in the running system: the nearby POI list while the
// POI view (mode 1) is shown (loaded on entering it, on zoom and at each
// refresh of the nearby lists, freed on leaving it), the view itself, the
// POI file selection and the near POI list.

namespace rovex {

class SystemContext;

class PoiFeature final : public Feature {
 public:
  explicit PoiFeature(SystemContext& context);

  const NearbyPoiList& Pois() const { return m_pois; }

  void RegisterCommands(CommandRegistry& commands) override;
  void OnModeStep(ModeStep step, const ModeSwitch& change) override;
  void OnMapRadiusChanged() override;
  bool RebuildLists(const GpsFix& fix) override;
  bool DrawMode(int mode, Canvas& canvas, const DrawState& state) override;

 private:
  bool PoiViewShown() const;
  // A load outside the pipeline; a complete one starts the refresh interval again.
  void ReloadPois();
  void SelectPoiFiles();
  void ShowNearPoiList();

  SystemContext& m_context;
  NearbyPoiList m_pois;
};

}  // namespace rovex
