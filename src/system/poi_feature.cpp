#include "system/poi_feature.h"

#include "cameras/camera_database.h"
#include "gps/gps_input.h"
#include "routes/poi_list_model.h"
#include "routes/poi_select_model.h"
#include "system/command_ids.h"
#include "system/system_context.h"
#include "system/view_host.h"
#include "views/poi_view.h"

namespace rovex {

PoiFeature::PoiFeature(SystemContext& context)
    : m_context(context),
      m_pois(context.Registry(), context.GetServices().prompt, [&context] { context.Gps().Stop(); }) {}

void PoiFeature::RegisterCommands(CommandRegistry& commands) {
  commands.Register(cmd::kSelectPoiFiles, [this] { SelectPoiFiles(); });
  commands.Register(cmd::kNearPoiList, [this] { ShowNearPoiList(); });
}

bool PoiFeature::PoiViewShown() const { return m_context.View().viewMode == kPoiMode; }

void PoiFeature::OnModeStep(ModeStep step, const ModeSwitch& change) {
  if (step == ModeStep::Leave && change.from == kPoiMode && change.to != kPoiMode) m_pois.Free();
  if (step == ModeStep::Enter && change.to == kPoiMode) ReloadPois();
}

void PoiFeature::OnMapRadiusChanged() {
  if (PoiViewShown()) ReloadPois();
}

bool PoiFeature::RebuildLists(const GpsFix& fix) {
  if (!PoiViewShown()) return true;
  return m_pois.Load(fix, m_context.View().mapRadius) == NearbyPoiList::LoadResult::Loaded;
}

void PoiFeature::ReloadPois() {
  if (m_pois.Load(m_context.Fix(), m_context.View().mapRadius) == NearbyPoiList::LoadResult::Loaded) {
    m_context.ListsRebuilt();
  }
}

void PoiFeature::SelectPoiFiles() {
  PoiSelectModel model(m_context.Registry(), m_context.GetServices().prompt);
  model.Open();
  if (m_context.Host().Run(model)) model.Ok();
  if (PoiViewShown()) {
    ReloadPois();
  } else {
    m_context.RebuildListsNow();
  }
  m_context.Host().Invalidate();
}

void PoiFeature::ShowNearPoiList() {
  PoiListTable table = PoiListTable::Build(m_pois.List(), m_context.Fix());
  m_context.Host().Run(table);
  m_context.Host().Invalidate();
}

bool PoiFeature::DrawMode(int mode, Canvas& canvas, const DrawState& state) {
  if (mode != kPoiMode) return false;
  PoiViewData data;
  data.fix = state.fix;
  data.mapRadius = state.view.mapRadius;
  data.timeZone = state.view.timeZone;
  data.pois = m_pois.List();
  if (const CameraDatabase* cameras = m_context.Shared().cameras) data.cameras = cameras->List();
  poi_view::DrawPoiView(canvas, data);
  return true;
}

}  // namespace rovex
