#include "system/rovex_system.h"

#include "gps/direct_ui_calls.h"
#include "gps/gps_input.h"
#include "gps/log_replay.h"
#include "gps/posted_ui_calls.h"
#include "platform/canvas.h"
#include "platform/message_poster.h"
#include "platform/posix_serial_ports.h"
#include "system/atlas_feature.h"
#include "system/camera_feature.h"
#include "system/compass_feature.h"
#include "system/command_ids.h"
#include "system/converter_feature.h"
#include "system/display_feature.h"
#include "system/gps_feature.h"
#include "system/poi_feature.h"
#include "system/record_feature.h"
#include "system/route_feature.h"
#include "system/start_options_feature.h"
#include "system/trail_feature.h"
#include "system/track_editor_feature.h"

namespace rovex {
namespace {

constexpr Rgb kGrey{190, 190, 190};

// Posted messages go nowhere when the system was given no poster (a run
// without a window): GPS input then never starts its reader.
class DroppingPoster final : public MessagePoster {
 public:
  void Post(uint32_t, uintptr_t, intptr_t) override {}
};

DroppingPoster g_droppingPoster;

}  // namespace

GpsFix& SystemContext::Fix() { return Pipeline().Fix(); }
void SystemContext::ListsRebuilt() { Pipeline().SetRefreshCounter(0); }
void SystemContext::RefreshListsNext() { Pipeline().SetRefreshCounter(SentencePipeline::kRefreshNow); }

template <class F, class... Args>
F& RovexSystem::Add(Args&&... args) {
  auto feature = std::make_unique<F>(*this, std::forward<Args>(args)...);
  F& added = *feature;
  m_features.push_back(std::move(feature));
  return added;
}

RovexSystem::RovexSystem(const Services& services, ViewHost& host)
    : m_services(services), m_host(host), m_registry(*services.store, services.prompt) {
  if (!m_services.serialPorts) {
    m_ownPorts = std::make_unique<PosixSerialPorts>();
    m_services.serialPorts = m_ownPorts.get();
  }
  if (!m_services.poster) m_services.poster = &g_droppingPoster;
  if (services.poster) {
    auto posted = std::make_unique<PostedUiCalls>(*m_services.poster);
    m_postedUi = posted.get();
    m_ui = std::move(posted);
  } else {
    m_ui = std::make_unique<DirectUiCalls>();
  }
  m_gps = std::make_unique<GpsInput>(*m_services.serialPorts, *m_services.store, *m_services.prompt,
                                     *m_services.poster, *m_ui);
  m_gps->SetStartHook([this] {
    for (auto& f : m_features) f->OnGpsStart();
  });
  PipelineSteps& steps = *this;
  m_pipeline = std::make_unique<SentencePipeline>(m_gps->HandOff().mailbox, steps);

  // The features in the order they take every step: GPS input's commands
  // first; the route after GPS input and the log start up and before the
  // night timer, and before the cameras, which are handed its exclusions as
  // they are made; the display's colours and track before the cameras read them;
  // the trail after the night colours, turning its dials by the compass's heading.
  ReplayView& replayView = *this;
  m_gpsFeature = &Add<GpsFeature>(replayView, *m_ui);
  Add<TrackEditorFeature>();  // its map is offered for saving first at exit
  Add<RouteFeature>();
  Add<DisplayFeature>();
  Add<PoiFeature>();  // the POI list is rebuilt before the cameras
  Add<CameraFeature>();
  Add<ConverterFeature>();
  Add<RecordFeature>();
  Add<StartOptionsFeature>();
  Add<CompassFeature>(Get<RouteFeature>());
  Add<TrailFeature>(Get<RouteFeature>(), Get<CompassFeature>());
  Add<AtlasFeature>([this](int mode) { SwitchToMode(mode); });

  RegisterModeCommands();
  CommandRegistry& commands = *this;
  for (auto& f : m_features) f->RegisterCommands(commands);
}

RovexSystem::~RovexSystem() {
  // Worker threads waiting for this thread give up now.
  if (m_postedUi) m_postedUi->Shutdown();
  for (auto& f : m_features) f->OnExit();
  if (m_gps->PortOpen() || m_gps->Opening()) m_gps->Stop();
  // The replay and the lists go with their features, then the displayed track, then the NMEA log.
  m_features.clear();
  m_pipeline->SetTrackRecording(false, 0);
  m_gps.reset();
  m_pipeline.reset();
}

GpsReplay& RovexSystem::Replay() { return m_gpsFeature->Replay(); }

void RovexSystem::RunVersionCheck() { Get<DisplayFeature>().HookedReset().RunVersionCheck(); }
void RovexSystem::OnInitialUpdate() { Get<DisplayFeature>().HookedReset().RunFirstRunQuestion(); }

void RovexSystem::OnWindowShown(bool unattended) {
  for (auto& f : m_features) f->OnWindowShown(unattended);
}

void RovexSystem::SettingsChanged(SettingsChange change) {
  for (auto& f : m_features) f->OnSettingsChanged(change);
}

void RovexSystem::MapRadiusChanged() {
  for (auto& f : m_features) f->OnMapRadiusChanged();
}

void RovexSystem::RebuildListsNow() {
  if (RebuildLists(m_pipeline->Fix())) ListsRebuilt();
}

// ---- Commands ----

void RovexSystem::Register(int id, std::function<void()> run, std::function<bool()> checked) {
  m_handlers[id] = std::move(run);
  if (checked) m_checks[id] = std::move(checked);
}

void RovexSystem::RegisterModeCommands() {
  using namespace cmd;
  auto isMode = [this](int mode) { return [this, mode] { return m_view.viewMode == mode; }; };
  Register(kViewCameraMap, [this] { SelectCameraView(); }, isMode(kCameraMode));
  Register(kViewTrekbuddy, [this] { SelectTrekbuddyView(); }, isMode(kTrekbuddyMode));
  const std::pair<int, int> toggles[] = {{kViewPoi, kPoiMode},           {kViewRoute, kRouteMode},
                                         {kViewCompass, kCompassMode},   {kViewPointer, kPointerMode},
                                         {kViewTrackEditor, kTrackEditorMode}, {kViewTrail, kTrailMode}};
  for (auto [id, mode] : toggles) Register(id, [this, mode = mode] { ToggleView(mode); }, isMode(mode));
  Register(kPoiDirect, [this] { SelectPoiView(); }, nullptr);
  Register(kRouteDirect, [this] { SelectRouteView(); }, nullptr);
  Register(kNextView, [this] { NextView(); }, nullptr);
}

bool RovexSystem::RunCommand(int id) {
  auto h = m_handlers.find(id);
  if (h == m_handlers.end()) return false;
  h->second();
  return true;
}

std::optional<bool> RovexSystem::IsChecked(int id) const {
  auto c = m_checks.find(id);
  if (c == m_checks.end()) return std::nullopt;
  return c->second();
}

bool RovexSystem::OnKeyDown(int key) {
  for (auto& f : m_features) {
    if (f->OnKeyDown(key)) return true;
  }
  return false;
}

bool RovexSystem::OnMouse(const MouseEvent& event) {
  for (auto& f : m_features) {
    if (f->OnMouse(event)) return true;
  }
  return false;
}

void RovexSystem::OnViewResized(int width, int height, bool minimised) {
  for (auto& f : m_features) f->OnViewResized(width, height, minimised);
}

// ---- Mode switching ----

void RovexSystem::Step(ModeStep step, const ModeSwitch& change) {
  for (auto& f : m_features) f->OnModeStep(step, change);
}

void RovexSystem::SetMode(int mode) {
  m_view.viewMode = mode;
  m_pipeline->SetViewMode(mode);
}

void RovexSystem::EnterMode(int mode) {
  SetMode(mode);
  m_pipeline->RequestBackgroundFill();
  m_host.SetTitle(ViewTitle(mode));
  m_host.Repaint();
}

void RovexSystem::LeaveToCamera() {
  Step(ModeStep::Leave, {m_view.viewMode, kCameraMode, SwitchKind::Toggle});
  RefreshListsNext();
  EnterMode(kCameraMode);
}

void RovexSystem::SelectCameraView() {
  const ModeSwitch change{m_view.viewMode, kCameraMode, SwitchKind::Select};
  if (change.from == kPoiMode) {
    Step(ModeStep::Leave, change);
    RefreshListsNext();
  }
  Step(ModeStep::ResetAtlasView, change);
  Step(ModeStep::Enter, change);
  EnterMode(kCameraMode);
}

void RovexSystem::ToggleView(int mode) {
  if (m_view.viewMode == mode) {
    LeaveToCamera();
    return;
  }
  const ModeSwitch change{m_view.viewMode, mode, SwitchKind::Toggle};
  switch (mode) {
    case kPoiMode:
      Step(ModeStep::Enter, change);
      Step(ModeStep::ResetAtlasView, change);
      break;
    case kRouteMode:
    case kCompassMode:
    case kPointerMode:
      Step(ModeStep::Leave, change);
      Step(ModeStep::ResetFollowing, change);
      Step(ModeStep::ResetAtlasView, change);
      Step(ModeStep::Enter, change);
      break;
    default:
      // The track editor and the trail prepare their own state.
      Step(ModeStep::Enter, change);
      break;
  }
  EnterMode(mode);
}

void RovexSystem::SelectPoiView() {
  Step(ModeStep::Enter, {m_view.viewMode, kPoiMode, SwitchKind::Select});
  EnterMode(kPoiMode);
}

void RovexSystem::SelectRouteView() {
  const ModeSwitch change{m_view.viewMode, kRouteMode, SwitchKind::Select};
  Step(ModeStep::Leave, change);
  Step(ModeStep::ResetFollowing, change);
  Step(ModeStep::ResetAtlasView, change);
  Step(ModeStep::Enter, change);
  EnterMode(kRouteMode);
}

void RovexSystem::SelectTrekbuddyView() {
  Step(ModeStep::Enter, {m_view.viewMode, kTrekbuddyMode, SwitchKind::Select});
  EnterMode(kTrekbuddyMode);
}

void RovexSystem::NextView() {
  const int from = m_view.viewMode;
  const int to = from >= kTrekbuddyMode ? kCameraMode : from + 1;
  const ModeSwitch change{from, to, SwitchKind::Next};
  if (from == kPoiMode) {
    RefreshListsNext();
    m_pipeline->RequestBackgroundFill();
    Step(ModeStep::Leave, change);
  }
  if (from == kTrailMode) Step(ModeStep::ResetAtlasView, change);
  SetMode(to);
  Step(ModeStep::ResetFollowing, change);
  m_host.SetTitle(ViewTitle(to));
  Step(ModeStep::Enter, change);
  Step(ModeStep::ResetAtlasView, change);
  m_pipeline->RequestBackgroundFill();
  m_host.Repaint();
}

void RovexSystem::SwitchToMode(int mode) {
  switch (EffectiveViewMode(mode)) {
    case kCameraMode: SelectCameraView(); break;
    case kPoiMode: SelectPoiView(); break;
    case kRouteMode: SelectRouteView(); break;
    case kTrekbuddyMode: SelectTrekbuddyView(); break;
    default:
      if (m_view.viewMode != mode) ToggleView(mode);
      break;
  }
}

// ---- Replay ----

void RovexSystem::StartDemoReplay(const std::string& path, int delayMs) {
  SetRefreshCounter(SentencePipeline::kRefreshReplay);
  Replay().Start(path, delayMs, false);
}

bool RovexSystem::ReplayLogNow(const std::string& path, long maxLines, std::string* error) {
  // The replay thread's two steps, run here one after the other without a delay.
  CallbackReplayTarget here(
      [this](std::string_view line) {
        m_gps->HandOff().mailbox.Overwrite(line);
        RedrawNow();
      },
      [this] { RunPipeline(); });
  return PlayLogNow(path, maxLines, here, error, [this] { SetRefreshCounter(SentencePipeline::kRefreshReplay); });
}

// ---- Window messages ----

void RovexSystem::OnPostedMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
  switch (message) {
    case WM_GPS_SENTENCE:
      m_pipeline->OnGpsSentence([this] { m_host.Repaint(); });
      return;
    case WM_LOCATION_SET:
      m_pipeline->OnLocationSet();
      m_host.Invalidate();
      return;
    case WM_GPS_PORT_OPENED:
      m_gps->OnPortOpened();
      return;
    case WM_GPS_UI_CALL:
      if (m_postedUi) m_postedUi->RunPending();
      return;
    default:
      for (auto& f : m_features) {
        if (f->OnPostedMessage(message, wParam, lParam)) return;
      }
      return;
  }
}

// ---- The pipeline and the drawing pass, over every feature ----

bool RovexSystem::ListBeingRebuilt() const {
  for (const auto& f : m_features) {
    if (f->ListBeingRebuilt()) return true;
  }
  return false;
}

bool RovexSystem::RebuildLists(const GpsFix& fix) {
  bool complete = true;
  for (auto& f : m_features) complete = f->RebuildLists(fix) && complete;
  return complete;
}

void RovexSystem::UpdateForFix(const GpsFix& fix) {
  for (auto& f : m_features) f->UpdateForFix(fix);
}

void RovexSystem::DrawingPass(Canvas& canvas) {
  m_canvas = &canvas;
  DrawingHooks* hooks = this;
  m_pipeline->DrawingPass(hooks);
  m_canvas = nullptr;
}

// Snap to route empties the sentence on purpose to draw each point: only a
// view that has never taken a sentence shows its background alone.
bool RovexSystem::NothingReceivedYet() const { return !m_pipeline->AnySentenceTaken(); }

DrawState RovexSystem::DrawStateNow(std::string sentence, bool pending) const {
  return DrawState{m_view, m_pipeline->Fix(), m_pipeline->Track(), std::move(sentence), pending, m_services.canvas};
}

void RovexSystem::FillBackground() {
  Canvas& canvas = *m_canvas;
  canvas.SelectPen(Pen{kGrey});
  canvas.SelectBrush(Brush{m_view.colours.viewBackground});
  canvas.Rectangle(0, 0, canvas.Width(), canvas.Height());
}

void RovexSystem::DrawPanels() {
  // Until the first sentence the view shows only its background.
  if (NothingReceivedYet()) return;
  const DrawState state = DrawStateNow(std::string(), false);
  for (auto& f : m_features) f->DrawPanels(*m_canvas, state);
}

void RovexSystem::DrawMode(int viewMode, const char* sentence, bool pending) {
  const int mode = EffectiveViewMode(viewMode);
  // The track editor and the atlas draw before anything was received.
  if (NothingReceivedYet() && mode != kTrackEditorMode && mode != kTrekbuddyMode) return;
  const DrawState state = DrawStateNow(sentence, pending);
  for (auto& f : m_features) {
    if (f->DrawMode(mode, *m_canvas, state)) return;
  }
}

}  // namespace rovex
