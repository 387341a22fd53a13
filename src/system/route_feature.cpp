#include "system/route_feature.h"

#include <optional>
#include <string>

#include "cameras/camera_database.h"
#include "gps/gps_input.h"
#include "gps/sentence_pipeline.h"
#include "platform/clock.h"
#include "routes/route_file_dialog_model.h"
#include "routes/route_list_model.h"
#include "routes/route_options_model.h"
#include "routes/route_picker_model.h"
#include "routes/route_speech_options_model.h"
#include "routes/snap_to_route.h"
#include "settings/start_times.h"
#include "settings/start_up_plan.h"
#include "system/command_ids.h"
#include "system/system_context.h"
#include "system/view_host.h"
#include "views/route_view.h"

namespace rovex {

RouteFeature::RouteFeature(SystemContext& context)
    : m_context(context),
      m_voice(context.Registry(), context.GetServices().speech),
      m_follower(context.Registry(), m_voice),
      m_current(context.Registry(), context.GetServices().prompt, m_follower, m_voice),
      m_display(ReadRouteDisplayFlags(context.Registry())) {
  context.Shared().routeExclusions = &m_current.Exclusions();
}

void RouteFeature::RegisterCommands(CommandRegistry& commands) {
  using namespace cmd;
  commands.Register(kSelectRouteFile, [this] { SelectRouteFile(); });
  commands.Register(kRoutePointsList, [this] { ShowRouteList(); });
  commands.Register(kRouteExcludedList, [this] { ShowExcludeList(); });
  commands.Register(kRoutePicker, [this] { RoutePicker(); });
  commands.Register(kOptionsRoute, [this] { RouteOptions(); });
  commands.Register(kOptionsRouteSpeech, [this] { RouteSpeechOptions(); });
  commands.Register(kSpeakTestPhrase, [this] { m_voice.SpeakTestPhrase(); });
  commands.Register(kRouteDirectionsToggle, [this] { m_voice.ToggleDirections(); });
  commands.Register(kSayNearestWaypoint, [this] { m_follower.SayNearestNow(); });
  commands.Register(kRouteModeMotorway, [this] { m_follower.SetRouteMode(RouteMode::Motorway); });
  commands.Register(kRouteModeCountry, [this] { m_follower.SetRouteMode(RouteMode::Country); });
  commands.Register(kRouteModeTown, [this] { m_follower.SetRouteMode(RouteMode::Town); });
  commands.Register(kSnapToRoute, [this] { SnapToRoute(); });
}

void RouteFeature::OnModeStep(ModeStep step, const ModeSwitch&) {
  if (step != ModeStep::ResetFollowing) return;
  m_follower.ClearSayNearestNow();
  m_follower.ResetAnnouncements();
}

void RouteFeature::OnSettingsChanged(SettingsChange change) {
  if (change == SettingsChange::All) m_display = ReadRouteDisplayFlags(m_context.Registry());
}

void RouteFeature::OnWindowShown(bool) {
  // Loading a route opens no port and writes no log: unattended runs load it too.
  if (StartTimerApplies() || m_context.Registry().ReadFlagSetting("AutoStartRoute") == 1) LoadCurrentRoute();
}

bool RouteFeature::StartTimerApplies() {
  const Clock* clock = m_context.GetServices().clock;
  if (!clock) return false;
  RegistrySettings& registry = m_context.Registry();
  std::optional<StartTimerChoice> timer = ChooseStartTimer(registry, ClockText(clock->LocalTime()));
  if (timer) UseStartTimer(registry, *timer);
  return timer.has_value();
}

void RouteFeature::LoadCurrentRoute() {
  m_current.LoadCurrentRoute();
  m_context.RebuildListsNow();
}

void RouteFeature::SelectRouteFile() {
  RouteFileDialogModel model(m_context.Registry(), m_context.GetServices().prompt);
  model.Open();
  if (m_context.Host().Run(model)) model.Ok();
  // OK or Cancel, the route is loaded again from what RouteName now says.
  LoadCurrentRoute();
  m_context.Host().Invalidate();
}

void RouteFeature::ShowRouteList() {
  const GpsFix& fix = m_context.Fix();
  RoutePointsList list{ReadRouteListHeading(m_context.Registry()),
                       RouteListRows(m_current.Get(), fix.latitude, fix.longitude)};
  m_context.Host().Run(list);
  m_context.Host().Invalidate();
}

void RouteFeature::ShowExcludeList() {
  RouteExcludedList list{ReadRouteListHeading(m_context.Registry()), ExcludeListRows(m_current.ExcludeNames())};
  m_context.Host().Run(list);
}

void RouteFeature::RoutePicker() {
  UserPrompt* prompt = m_context.GetServices().prompt;
  RoutePickerModel model(m_context.Registry(), prompt);
  model.Open();
  m_context.Host().Run(model);
  if (model.Picked() == 0) return;
  if (!UsePickedRoute(m_context.Registry(), prompt, model.Picked())) return;
  LoadCurrentRoute();
  m_context.Host().Invalidate();
}

void RouteFeature::RouteOptions() {
  RegistrySettings& registry = m_context.Registry();
  RouteOptionsModel::Values values = RouteOptionsModel::Open(registry, m_context.GetServices().prompt);
  if (m_context.Host().Run(values)) RouteOptionsModel::Ok(registry, values);
  m_display = ReadRouteDisplayFlags(registry);
  m_context.Host().Invalidate();
}

void RouteFeature::RouteSpeechOptions() {
  RouteSpeechOptionsModel model(m_context.Registry(), m_context.GetServices().prompt);
  model.Open();
  if (m_context.Host().Run(model)) model.Ok();
  m_follower.ResetAnnouncements();
  m_context.Host().Invalidate();
}

void RouteFeature::SnapToRoute() {
  rovex::SnapToRoute(m_context.Registry(), m_context.GetServices().prompt, [this](double latitude, double longitude) {
    GpsFix& fix = m_context.Fix();
    fix.latitude = latitude;
    fix.longitude = longitude;
    fix.courseDegrees = 0.0;
    m_context.RebuildListsNow();
    m_context.Gps().HandOff().mailbox.Overwrite("");
    m_context.Host().Repaint();
  });
}

bool RouteFeature::DrawMode(int mode, Canvas& canvas, const DrawState& state) {
  if (mode != kRouteMode) return false;
  const RouteFollowPass pass = Follow(state.fix);
  if (!route_view::ViewFits(canvas.Width(), canvas.Height())) return true;
  RouteViewData data;
  data.fix = state.fix;
  data.mapRadius = state.view.mapRadius;
  data.speedUnits = state.view.speedUnits;
  data.timeZone = state.view.timeZone;
  if (const Route* route = m_current.Get()) data.points = route_view::PointsOf(pass, *route, m_display);
  data.nearestLine = pass.nearestLine;
  data.nextLine = pass.nextLine;
  if (const CameraDatabase* cameras = m_context.Shared().cameras) data.cameras = cameras->List();
  route_view::DrawRouteView(canvas, data);
  return true;
}

}  // namespace rovex
