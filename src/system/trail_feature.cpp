#include "system/trail_feature.h"

#include "platform/canvas.h"
#include "system/command_ids.h"
#include "system/compass_feature.h"
#include "system/route_feature.h"
#include "system/system_context.h"
#include "system/view_host.h"
#include "system/view_mode.h"
#include "trail/default_trail.h"
#include "trail/load_trail_dialog_model.h"
#include "trail/trail_reader.h"
#include "trail/trail_file_dialog_model.h"
#include "views/trail_view.h"

namespace rovex {

TrailFeature::TrailFeature(SystemContext& context, RouteFeature& route, CompassFeature& compass)
    : m_context(context), m_route(route), m_compass(compass) {}

void TrailFeature::RegisterCommands(CommandRegistry& commands) {
  using namespace cmd;
  commands.Register(kTrailLoad, [this] { LoadTrail(); });
  commands.Register(kTrailUnload, [this] { UnloadTrail(); });
  commands.Register(kTrailDefaultFile, [this] { DefaultTrailFile(); });
  commands.Register(kTrailLoadDefault, [this] {
    LoadDefault();
    m_context.Host().Invalidate();
  });
}

void TrailFeature::OnModeStep(ModeStep step, const ModeSwitch& change) {
  // Next view resets the following itself; the trail's own command does it here.
  if (step != ModeStep::Enter || change.to != kTrailMode || change.kind == SwitchKind::Next) return;
  m_route.Follower().ClearSayNearestNow();
  m_route.Follower().ResetAnnouncements();
}

void TrailFeature::OnWindowShown(bool) {
  // Loading a trail opens no port and writes no log: unattended runs load it too.
  if (m_context.Registry().ReadFlagSetting("AutoStartTrail") == 1) LoadDefault();
}

bool TrailFeature::LoadFile(const std::string& path) {
  m_trail.Clear();
  return ReadTrailFile(path, &m_trail) == TrailReadResult::Read;
}

void TrailFeature::LoadDefault() { LoadDefaultTrail(m_context.Registry(), m_context.GetServices().prompt, &m_trail); }

void TrailFeature::LoadTrail() {
  m_trail.Clear();
  LoadTrailDialogModel model(m_context.GetServices().prompt, &m_trail);
  m_context.Host().Run(model);
  m_context.Host().Invalidate();
}

void TrailFeature::UnloadTrail() {
  m_trail.Clear();
  m_context.Host().Invalidate();
  if (UserPrompt* prompt = m_context.GetServices().prompt) {
    prompt->MessageBox("The trail has been unloaded from memory", MsgIcon::Information, MsgButtons::Ok);
  }
}

void TrailFeature::DefaultTrailFile() {
  TrailFileDialogModel model(m_context.Registry(), m_context.GetServices().prompt);
  model.Open();
  if (m_context.Host().Run(model)) {
    model.Ok();
    if (model.loadNow) LoadDefault();
  }
  m_context.Host().Invalidate();
}

bool TrailFeature::DrawMode(int mode, Canvas& canvas, const DrawState& state) {
  if (mode != kTrailMode) return false;
  FollowedRoute followed = FollowForView(m_route, state.fix);
  TrailViewData data;
  data.compass = m_compass.CompassData(state);
  data.trail = &m_trail;
  data.points = std::move(followed.points);
  data.haveNearest = followed.haveNearest;
  data.nearestLine = std::move(followed.nearestLine);
  data.nextLine = std::move(followed.nextLine);
  data.pointers = followed.pointers;
  data.colours = state.view.colours;
  trail_view::DrawTrailView(canvas, data);
  return true;
}

}  // namespace rovex
