#include "system/camera_feature.h"

#include "cameras/near_camera_list.h"
#include "cameras/passed_camera_list.h"
#include "gps/dlg_manual_location.h"
#include "gps/gps_input.h"
#include "gps/sentence_pipeline.h"
#include "system/command_ids.h"
#include "system/system_context.h"
#include "system/view_host.h"

namespace rovex {
namespace {

// "&Do a ondraw": a position near Newbury and a sentence recorded there.
constexpr double kTestLatitude = 51.384223;
constexpr double kTestLongitude = -1.337132;
constexpr const char* kTestSentence =
    "$GPRMC,122517.0,A,5123.03664,N,00119.11388,W,000.0,226.6,170606,05.7,W,A*3B";

}  // namespace

CameraFeature::CameraFeature(SystemContext& context) : m_context(context) {
  const Services& services = context.GetServices();
  m_steps = std::make_unique<CameraSteps>(context.Registry(), services.prompt, services.voice,
                                          context.View().mapRadius, [&context] { context.Gps().Stop(); });
  SharedLists& shared = context.Shared();
  m_steps->SetExclusions(shared.routeExclusions);
  shared.cameras = &m_steps->Cameras();
}

void CameraFeature::RegisterCommands(CommandRegistry& commands) {
  using namespace cmd;
  commands.Register(kMute, [this] { m_steps->ToggleMute(); }, [this] { return m_steps->Voice().Muted(); });
  commands.Register(kSpecsLine, [this] {
    m_steps->SpaceKey(m_context.Fix());
    m_context.Host().Invalidate();
  });
  commands.Register(kManualLocation, [this] { ManualLocation(); });
  commands.Register(kNearCameraList, [this] { ShowNearCameraList(); });
  commands.Register(kPassedCameraList, [this] { CreatePassedCameraList(); });
  commands.Register(kDoAnOndraw, [this] { DoAnOndraw(); });
  commands.Register(kLoadCameraFile, [this] {
    ReloadCameraList();
    m_context.Host().Invalidate();
  });
}

void CameraFeature::OnModeStep(ModeStep step, const ModeSwitch& change) {
  if (step == ModeStep::Enter && change.to == kCameraMode && change.kind == SwitchKind::Select) ReloadCameraList();
}

void CameraFeature::OnMapRadiusChanged() {
  // In the POI view the POI list is what follows the radius; the cameras follow at the next refresh.
  if (m_context.View().viewMode != kPoiMode) ReloadCameraList();
}

void CameraFeature::OnSettingsChanged(SettingsChange change) {
  if (change == SettingsChange::Specs || change == SettingsChange::All) m_steps->Specs().ResetSpecs();
}

// Start resets the average-speed zone before the port opens again.
void CameraFeature::OnGpsStart() { m_steps->Specs().ResetSpecs(); }

void CameraFeature::ReloadCameraList() {
  if (m_steps->Cameras().LoadCameraList(m_context.Fix(), m_context.View().mapRadius) ==
      CameraDatabase::LoadResult::Loaded) {
    m_context.ListsRebuilt();
  }
}

void CameraFeature::PlaceAtTestPosition() {
  m_context.Fix().latitude = kTestLatitude;
  m_context.Fix().longitude = kTestLongitude;
  ReloadCameraList();
}

void CameraFeature::DoAnOndraw() {
  PlaceAtTestPosition();
  m_context.Gps().HandOff().mailbox.Overwrite(kTestSentence);
  m_context.Host().Repaint();
}

void CameraFeature::ManualLocation() {
  CameraVoice& voice = m_steps->Voice();
  const bool wasMuted = voice.Muted();
  voice.SetMuted(true);
  CDlgManualLocation dialog(m_context.Fix(), m_context.GetServices().poster);
  dialog.OnInitDialog();
  m_context.Host().Run(dialog);
  voice.SetMuted(wasMuted);
}

void CameraFeature::ShowNearCameraList() {
  const GpsFix& fix = m_context.Fix();
  CameraTable table = NearCameraList::Build(m_steps->Cameras().List(), fix.latitude, fix.longitude);
  m_context.Host().Run(table);
}

void CameraFeature::CreatePassedCameraList() {
  if (!m_steps->Cameras().List()) PlaceAtTestPosition();
  const Services& services = m_context.GetServices();
  PassedCameraList dialog(m_context.Registry(), services.prompt, m_steps->Cameras(), services.clipboard);
  m_context.Host().Run(dialog);
  m_context.Host().Invalidate();
}

CameraViewData CameraFeature::ViewData(const DrawState& state) const {
  CameraViewData d;
  d.fix = state.fix;
  d.cameras = m_steps->Cameras().List();
  const CameraWarning& w = m_steps->Warning();
  d.distanceLine = w.DistanceLine().str();
  d.specsLine = m_steps->Specs().SpecsLine().str();
  d.speedLimitText = w.SpeedLimitText().str();
  d.roadText = w.RoadText().str();
  d.townText = w.TownText().str();
  d.camTypeText = w.CamTypeText().str();
  d.hazardText = w.HazardText().str();
  d.track = state.track;
  d.displayTrack = state.view.displayTrack;
  d.mapRadius = state.view.mapRadius;
  d.speedUnits = state.view.speedUnits;
  d.timeZone = state.view.timeZone;
  d.colours = state.view.colours;
  d.sentence = state.sentence;
  d.sentencePending = state.sentencePending;
  return d;
}

void CameraFeature::DrawPanels(Canvas& canvas, const DrawState& state) {
  camera_view::DrawCommonPanels(canvas, ViewData(state), state.bitmaps);
}

bool CameraFeature::DrawMode(int mode, Canvas& canvas, const DrawState& state) {
  if (mode != kCameraMode) return false;
  camera_view::DrawCameraView(canvas, ViewData(state));
  return true;
}

}  // namespace rovex
