#include "system/rovex_system.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cameras/camera_steps.h"
#include "cameras/near_camera_list.h"
#include "cameras/passed_camera_list.h"
#include "gps/com_settings_dlg.h"
#include "gps/dlg_send_log.h"
#include "gps/direct_ui_calls.h"
#include "gps/dlg_distance.h"
#include "gps/dlg_replay.h"
#include "gps/gps_input.h"
#include "gps/nmea_log_commands.h"
#include "nmea/nmea_log_line_reader.h"
#include "gps/posted_ui_calls.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/data_root.h"
#include "platform/message_poster.h"
#include "platform/posix_serial_ports.h"
#include "settings/settings_reset.h"
#include "settings/tracking_options_model.h"
#include "system/command_ids.h"
#include "system/dlg_manual_location.h"
#include "system/start_times.h"
#include "system/view_host.h"

namespace rovex {
namespace {

constexpr Rgb kGrey{190, 190, 190};

// Zoom limits of the map radius in metres.
constexpr uint32_t kLargestRadiusToDouble = 255000;
constexpr uint32_t kSmallestRadiusToHalve = 101;

// "&Do a ondraw": a position near Newbury and a sentence recorded there.
constexpr double kTestLatitude = 51.384223;
constexpr double kTestLongitude = -1.337132;
constexpr const char* kTestSentence =
    "$GPRMC,122517.0,A,5123.03664,N,00119.11388,W,000.0,226.6,170606,05.7,W,A*3B";

// Posted messages go nowhere when the system was given no poster (a run
// without a window): GPS input then never starts its reader.
class DroppingPoster final : public MessagePoster {
 public:
  void Post(uint32_t, uintptr_t, intptr_t) override {}
};

DroppingPoster g_droppingPoster;

}  // namespace

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
  m_cameras = std::make_unique<CameraSteps>(m_registry, m_services.prompt, m_services.voice,
                                            [this] { m_gps->Stop(); });
  // Start resets the average-speed zone before the port opens again.
  m_gps->SetStartHook([this] { m_cameras->Specs().ResetSpecs(); });
  m_pipeline = std::make_unique<SentencePipeline>(m_gps->HandOff().mailbox, *m_cameras);
  ReplayView& replayView = *this;
  m_replay = std::make_unique<GpsReplay>(m_gps->HandOff().mailbox, replayView, *m_services.prompt, *m_ui);
  if (m_services.clock) {
    m_logCommands = std::make_unique<NmeaLogCommands>(m_gps->HandOff().NmeaLogFile, *m_services.store,
                                                      *m_services.prompt, *m_services.clock);
  }

  ReloadSettingCopies();
  StartTrackRecording();
  m_colours = DaySet(m_registry);
  RegisterCommands();
}

RovexSystem::~RovexSystem() {
  // Worker threads waiting for this thread give up now.
  if (m_postedUi) m_postedUi->Shutdown();
  m_replay.reset();
  if (m_gps->PortOpen() || m_gps->Opening()) m_gps->Stop();
  m_cameras.reset();
  m_pipeline->SetTrackRecording(false, 0);
  // Closes the NMEA log.
  m_gps.reset();
  m_pipeline.reset();
}

double RovexSystem::MapRadius() const { return m_cameras->MapRadius(); }
int RovexSystem::RefreshCounter() const { return m_pipeline->RefreshCounter(); }

void RovexSystem::ReloadSettingCopies() {
  m_cameras->ReadMapRadius();
  m_settings.speedUnits = m_registry.ReadSpeedUnits();
  m_settings.timeZone = m_registry.ReadTimeZoneSetting();
  m_settings.displayTrack = m_registry.ReadFlagSetting("DisplayTrack") == 1;
}

void RovexSystem::StartTrackRecording() {
  m_settings.trackLength = static_cast<int>(m_registry.ReadTrackLength());
  if (m_registry.ReadFlagSetting("LogTrack") == 1) {
    CreateTrackRing();
  } else {
    m_pipeline->SetTrackRecording(false, 0);
  }
}

bool RovexSystem::CreateTrackRing() {
  if (m_pipeline->SetTrackRecording(true, m_settings.trackLength)) return true;
  // Recording is turned off in the settings too, so the next start does not fail the same way.
  m_registry.WriteNumberSetting("LogTrack", 0);
  m_registry.WriteNumberSetting("DisplayTrack", 0);
  m_settings.displayTrack = false;
  m_services.prompt->MessageBox("There is not enough memory for track logging.\nTrack logging will be turned off");
  return false;
}

void RovexSystem::AfterTrackingDialog() {
  bool recording = m_registry.ReadFlagSetting("LogTrack") == 1;
  if (!recording) {
    m_pipeline->SetTrackRecording(false, 0);
  } else if (!m_pipeline->Track()) {
    recording = CreateTrackRing();
  }
  m_settings.displayTrack = m_registry.ReadFlagSetting("DisplayTrack") == 1;
  const int length = static_cast<int>(TrackingOptionsModel::LengthAfterDialog(m_registry));
  if (length == m_settings.trackLength) return;
  m_settings.trackLength = length;
  m_pipeline->SetTrackRecording(false, 0);
  // A failure already reported above turned recording off, so its message is not repeated.
  if (recording) CreateTrackRing();
}

SettingsReset RovexSystem::HookedReset() {
  // The reset stops the track recording first and afterwards takes every copy
  // the view keeps again, whichever way it was reached.
  SettingsReset reset(*m_services.store, *m_services.prompt, DataRoot());
  reset.SetBeforeReset([this] { m_pipeline->SetTrackRecording(false, 0); });
  reset.SetAfterReset([this] {
    ReloadSettingCopies();
    StartTrackRecording();
    m_cameras->Specs().ResetSpecs();
    m_colours = DaySet(m_registry);
  });
  return reset;
}

void RovexSystem::RunVersionCheck() { HookedReset().RunVersionCheck(); }

void RovexSystem::OnInitialUpdate() { HookedReset().RunFirstRunQuestion(); }

void RovexSystem::OnWindowShown(bool unattended) {
  if (!unattended) {
    if (m_registry.ReadFlagSetting("AutoStartGPS") == 1 && !m_gps->PortOpen()) m_gps->Start();
    if (m_registry.ReadFlagSetting("AutoStartLog") == 1 && m_logCommands) m_logCommands->AutoToggleLog();
  }
  // The night timer, checked only now: inside its window the night colours are used.
  if (m_registry.ReadFlagSetting("NightTimerEnable") != 1 || !m_services.clock) return;
  // A missing time is reported by its reader and the timer is skipped.
  std::optional<std::string> start = m_registry.TryReadText("NightTimerStartTime", 50);
  if (!start) m_registry.ReadTextSetting("NightTimerStartTime", 50);
  std::optional<std::string> end = m_registry.TryReadText("NightTimerEndTime", 50);
  if (!end) m_registry.ReadTextSetting("NightTimerEndTime", 50);
  if (!start || !end) return;
  if (InTimeWindow(ClockText(m_services.clock->LocalTime()), NormaliseTime(*start), NormaliseTime(*end))) {
    UseNightColours();
  }
}

void RovexSystem::Register(int id, std::function<void()> run, std::function<bool()> checked) {
  m_handlers[id] = std::move(run);
  if (checked) m_checks[id] = std::move(checked);
}

void RovexSystem::RegisterCommands() {
  using namespace cmd;
  auto isMode = [this](int mode) { return [this, mode] { return m_viewMode == mode; }; };
  Register(kViewCameraMap, [this] { SelectCameraView(); }, isMode(kCameraMode));
  Register(kViewPoi, [this] { ToggleView(kPoiMode); }, isMode(kPoiMode));
  Register(kViewRoute, [this] { ToggleView(kRouteMode); }, isMode(kRouteMode));
  Register(kViewCompass, [this] { ToggleView(kCompassMode); }, isMode(kCompassMode));
  Register(kViewPointer, [this] { ToggleView(kPointerMode); }, isMode(kPointerMode));
  Register(kViewTrackEditor, [this] { ToggleView(kTrackEditorMode); }, isMode(kTrackEditorMode));
  Register(kViewTrail, [this] { ToggleView(kTrailMode); }, isMode(kTrailMode));
  Register(kViewTrekbuddy, [this] { SelectTrekbuddyView(); }, isMode(kTrekbuddyMode));
  Register(kPoiDirect, [this] { SelectPoiView(); });
  Register(kRouteDirect, [this] { SelectRouteView(); });
  Register(kNextView, [this] { NextView(); });

  Register(kToolZoomIn, [this] { ZoomIn(); });
  Register(kToolZoomOut, [this] { ZoomOut(); });

  Register(kOptionsSpeed, [this] { OptionsDialog(OptionDialog::Speed); });
  Register(kOptionsTimeZone, [this] { OptionsDialog(OptionDialog::TimeZone); });
  Register(kOptionsTrackLogging, [this] { OptionsDialog(OptionDialog::Tracking); });
  Register(kOptionsMapScale, [this] { OptionsDialog(OptionDialog::MapScale); });
  Register(kOptionsColours, [this] { OptionsDialog(OptionDialog::Colours); });
  Register(kOptionsSpecs, [this] { OptionsDialog(OptionDialog::Specs); });
  Register(kOptionsComm, [this] { CommSettings(); });
  Register(kSendLogFile, [this] { SendLogFile(); });
  Register(kNearCameraList, [this] { ShowNearCameraList(); });
  Register(kPassedCameraList, [this] { CreatePassedCameraList(); });

  Register(kDayColours, [this] { UseDayColours(); });
  Register(kToolDayColours, [this] { UseDayColours(); });
  Register(kNightColours, [this] { UseNightColours(); });
  Register(kToolNightColours, [this] { UseNightColours(); });

  Register(kStart, [this] { m_gps->Start(); });
  Register(kToolStart, [this] { m_gps->Start(); });
  Register(kStop, [this] { m_gps->Stop(); });
  Register(kToolStop, [this] { m_gps->Stop(); });
  if (m_logCommands) {
    Register(kLogNmea, [this] { m_logCommands->LogNmeaData(); }, [this] { return m_gps->HandOff().NmeaLogFile.IsOpen(); });
  }
  Register(kReplayLog, [this] {
    m_replay->ReplayLogFile([this](CDlgReplay& dialog) { return m_host.RunReplayDialog(dialog); });
  });
  Register(kEscape, [this] {
    if (m_replay->Running()) m_replay->RequestStop();
  });

  Register(kMute, [this] { m_cameras->ToggleMute(); }, [this] { return m_cameras->Voice().Muted(); });
  Register(kSpecsLine, [this] {
    m_cameras->SpaceKey(Fix());
    m_host.Invalidate();
  });
  Register(kManualLocation, [this] { ManualLocation(); });

  Register(kDoAnOndraw, [this] { DoAnOndraw(); });
  Register(kCheckRegistry, [this] { CheckRegistry(); });
  Register(kLoadCameraFile, [this] {
    m_cameras->Cameras().LoadCameraList(Fix(), MapRadius());
    m_host.Invalidate();
  });
  Register(kDistanceToLocation, [this] { DistanceToLocation(); });
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

// ---- Mode switching ----

void RovexSystem::SetMode(int mode) {
  m_viewMode = mode;
  m_pipeline->SetViewMode(mode);
}

void RovexSystem::EnterMode(int mode) {
  SetMode(mode);
  m_pipeline->RequestBackgroundFill();
  m_host.SetTitle(ViewTitle(mode));
  m_host.Repaint();
}

void RovexSystem::LeaveToCamera() {
  if (m_viewMode == kPoiMode) FreePoiList();
  // The next sentence reloads the camera list.
  m_pipeline->SetRefreshCounter(SentencePipeline::kRefreshNow);
  EnterMode(kCameraMode);
}

void RovexSystem::SelectCameraView() {
  if (m_viewMode == kPoiMode) {
    FreePoiList();
    m_pipeline->SetRefreshCounter(SentencePipeline::kRefreshNow);
  }
  ResetAtlasView();
  ReloadCameraList();
  EnterMode(kCameraMode);
}

void RovexSystem::ToggleView(int mode) {
  if (m_viewMode == mode) {
    LeaveToCamera();
    return;
  }
  switch (mode) {
    case kPoiMode:
      LoadPoiList();
      ResetAtlasView();
      break;
    case kRouteMode:
    case kCompassMode:
    case kPointerMode:
      if (m_viewMode == kPoiMode) FreePoiList();
      ResetRouteFollowing();
      ResetAtlasView();
      break;
    default:
      // The track editor and the trail prepare their own state when they are part of the system.
      break;
  }
  EnterMode(mode);
}

void RovexSystem::SelectPoiView() {
  LoadPoiList();
  EnterMode(kPoiMode);
}

void RovexSystem::SelectRouteView() {
  if (m_viewMode == kPoiMode) FreePoiList();
  ResetRouteFollowing();
  ResetAtlasView();
  EnterMode(kRouteMode);
}

void RovexSystem::SelectTrekbuddyView() { EnterMode(kTrekbuddyMode); }

void RovexSystem::NextView() {
  if (m_viewMode == kPoiMode) {
    m_pipeline->SetRefreshCounter(SentencePipeline::kRefreshNow);
    m_pipeline->RequestBackgroundFill();
    FreePoiList();
  }
  if (m_viewMode == kTrailMode) ResetAtlasView();
  SetMode(m_viewMode >= kTrekbuddyMode ? kCameraMode : m_viewMode + 1);
  ResetRouteFollowing();
  m_host.SetTitle(ViewTitle(m_viewMode));
  if (m_viewMode == kPoiMode) LoadPoiList();
  if (m_viewMode == kTrekbuddyMode) RedrawAtlas();
  ResetAtlasView();
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
      if (m_viewMode != mode) ToggleView(mode);
      break;
  }
}

// ---- Map radius ----

void RovexSystem::ZoomIn() { ZoomBy(true); }
void RovexSystem::ZoomOut() { ZoomBy(false); }

void RovexSystem::ZoomBy(bool in) {
  // The track editor and the atlas have zooms of their own.
  if (m_viewMode == kTrackEditorMode || m_viewMode == kTrekbuddyMode) return;
  uint32_t scale = m_registry.ReadMapScale();
  uint32_t next = scale;
  if (in) {
    if (scale >= kSmallestRadiusToHalve) next = scale / 2;
  } else {
    if (scale <= kLargestRadiusToDouble) next = scale * 2;
  }
  if (next == scale) return;
  // A failed write is reported by the writer; the new radius is used for this run all the same.
  m_cameras->SetMapRadius(next);
  m_registry.WriteMapScaleSetting(next);
  ReloadNearbyLists();
  m_host.Repaint();
}

// ---- Colours, settings and the Test menu ----

void RovexSystem::UseDayColours() {
  m_colours = DaySet(m_registry);
  m_pipeline->RequestBackgroundFill();
  m_host.Repaint();
}

void RovexSystem::UseNightColours() {
  m_colours = NightSet(m_registry);
  m_pipeline->RequestBackgroundFill();
  m_host.Repaint();
}

void RovexSystem::OptionsDialog(OptionDialog which) {
  // Whatever the user chose, the view takes the stored values again: what is
  // stored is what it shows, even when another program changed it meanwhile.
  m_host.RunOptionDialog(which, m_registry);
  switch (which) {
    case OptionDialog::Speed:
      m_settings.speedUnits = m_registry.ReadSpeedUnits();
      break;
    case OptionDialog::TimeZone:
      m_settings.timeZone = m_registry.ReadTimeZoneSetting();
      break;
    case OptionDialog::Tracking:
      AfterTrackingDialog();
      break;
    case OptionDialog::MapScale:
      m_cameras->ReadMapRadius();
      ReloadNearbyLists();
      break;
    case OptionDialog::Colours:
      UseDayColours();
      break;
    case OptionDialog::Specs:
      m_cameras->Specs().ResetSpecs();
      break;
  }
  m_host.Invalidate();
}

void RovexSystem::CommSettings() {
  // New settings take effect at the next Start.
  CComSettingsDlg dialog(*m_services.store, m_services.serialPorts);
  dialog.OnInitDialog();
  m_host.RunComSettingsDialog(dialog);
  m_host.Invalidate();
}

void RovexSystem::SendLogFile() {
  CDlg_Send_Log dialog(*m_services.serialPorts, *m_services.store, *m_services.prompt, *m_ui);
  dialog.OnInitDialog();
  m_host.RunSendLogDialog(dialog);
  // However the window was closed, its port is closed and its thread ends before the dialog goes.
  dialog.OnCancel();
  m_host.Invalidate();
}

void RovexSystem::ShowNearCameraList() {
  m_host.RunNearCameraListDialog(
      NearCameraList::Build(m_cameras->Cameras().List(), Fix().latitude, Fix().longitude));
}

void RovexSystem::CreatePassedCameraList() {
  if (!m_cameras->Cameras().List()) {
    Fix().latitude = kTestLatitude;
    Fix().longitude = kTestLongitude;
    ReloadCameraList();
  }
  PassedCameraList dialog(m_registry, m_services.prompt, m_cameras->Cameras(), m_services.clipboard);
  m_host.RunPassedCameraListDialog(dialog);
  m_host.Invalidate();
}

void RovexSystem::CheckRegistry() {
  if (HookedReset().CheckRegistry(true)) UseDayColours();
}

void RovexSystem::DoAnOndraw() {
  Fix().latitude = kTestLatitude;
  Fix().longitude = kTestLongitude;
  m_cameras->Cameras().LoadCameraList(Fix(), MapRadius());
  m_gps->HandOff().mailbox.Overwrite(kTestSentence);
  m_host.Repaint();
}

void RovexSystem::ManualLocation() {
  CameraVoice& voice = m_cameras->Voice();
  const bool wasMuted = voice.Muted();
  voice.SetMuted(true);
  CDlgManualLocation dialog(Fix(), m_services.poster);
  dialog.OnInitDialog();
  m_host.RunManualLocationDialog(dialog);
  voice.SetMuted(wasMuted);
}

void RovexSystem::DistanceToLocation() {
  CDlgDistance dialog;
  dialog.OnInitDialog(Fix());
  m_host.RunDistanceDialog(dialog);
}

void RovexSystem::SetStoredLocation(double latitude, double longitude) {
  m_storedLatitude = latitude;
  m_storedLongitude = longitude;
}

void RovexSystem::StartDemoReplay(const std::string& path, int delayMs) {
  SetRefreshCounter(58);
  m_replay->Start(path, delayMs, false);
}

bool RovexSystem::ReplayLogNow(const std::string& path, long maxLines, std::string* error) {
  std::FILE* file = std::fopen(path.c_str(), "r");
  if (!file) {
    *error = "cannot open " + path + ": " + std::strerror(errno);
    return false;
  }
  SetRefreshCounter(SentencePipeline::kRefreshReplay);
  NmeaLogLineReader reader(file);
  std::string_view text;
  while (reader.Next(&text)) {
    if (maxLines >= 0 && static_cast<long>(reader.LineNumber()) > maxLines) break;
    if (text.empty()) break;
    if (text.size() > 2) {
      m_gps->HandOff().mailbox.Overwrite(text);
      RedrawNow();
    }
    RunPipeline();
  }
  bool failed = reader.Failed();
  std::fclose(file);
  if (failed) *error = "cannot read " + path;
  return !failed;
}

// ---- Window messages ----

void RovexSystem::OnPostedMessage(uint32_t message, uintptr_t, intptr_t lParam) {
  switch (message) {
    case WM_GPS_SENTENCE:
      m_pipeline->OnGpsSentence([this] { m_host.Repaint(); });
      break;
    case WM_LOCATION_SET:
      m_pipeline->OnLocationSet();
      m_host.Invalidate();
      break;
    case WM_MAP_ZOOM:
      ZoomBy(lParam == 1);
      break;
    case WM_DISTANCE_TO_LOCATION:
      ShowDistanceToLocation(*m_services.prompt, Fix(), m_storedLatitude, m_storedLongitude);
      break;
    case WM_GPS_PORT_OPENED:
      m_gps->OnPortOpened();
      break;
    case WM_GPS_UI_CALL:
      if (m_postedUi) m_postedUi->RunPending();
      break;
    default:
      break;
  }
}

// ---- Drawing ----

void RovexSystem::DrawingPass(Canvas& canvas) {
  m_canvas = &canvas;
  DrawingHooks* hooks = this;
  m_pipeline->DrawingPass(hooks);
  m_canvas = nullptr;
}

bool RovexSystem::NothingReceivedYet() const { return m_gps->HandOff().mailbox.SharedSentence()[0] == '\0'; }

CameraViewData RovexSystem::CameraViewNow(const std::string& sentence, bool pending) const {
  CameraViewData d;
  d.fix = m_pipeline->Fix();
  d.cameras = m_cameras->Cameras().List();
  const CameraWarning& w = m_cameras->Warning();
  d.distanceLine = w.DistanceLine().str();
  d.specsLine = m_cameras->Specs().SpecsLine().str();
  d.speedLimitText = w.SpeedLimitText().str();
  d.roadText = w.RoadText().str();
  d.townText = w.TownText().str();
  d.camTypeText = w.CamTypeText().str();
  d.hazardText = w.HazardText().str();
  d.track = m_pipeline->Track();
  d.displayTrack = m_settings.displayTrack;
  d.mapRadius = m_cameras->MapRadius();
  d.speedUnits = m_settings.speedUnits;
  d.timeZone = m_settings.timeZone;
  d.colours = m_colours;
  d.sentence = sentence;
  d.sentencePending = pending;
  return d;
}

void RovexSystem::FillBackground() {
  Canvas& canvas = *m_canvas;
  canvas.SelectPen(Pen{kGrey});
  canvas.SelectBrush(Brush{m_colours.viewBackground});
  canvas.Rectangle(0, 0, canvas.Width(), canvas.Height());
}

void RovexSystem::DrawPanels() {
  // Until the first sentence the view shows only its background.
  if (NothingReceivedYet()) return;
  camera_view::DrawCommonPanels(*m_canvas, CameraViewNow(std::string(), false), m_services.canvas);
}

void RovexSystem::DrawMode(int viewMode, const char* sentence, bool pending) {
  if (NothingReceivedYet()) return;
  switch (EffectiveViewMode(viewMode)) {
    case kCameraMode:
      camera_view::DrawCameraView(*m_canvas, CameraViewNow(sentence, pending));
      break;
    default:
      // The other modes draw themselves once they are part of the system.
      break;
  }
}

void RovexSystem::RedrawNow() { m_host.Repaint(); }
void RovexSystem::RunPipeline() { m_pipeline->RunPipeline(); }
void RovexSystem::SetRefreshCounter(int value) { m_pipeline->SetRefreshCounter(value); }

// ---- Feature steps ----

void RovexSystem::FreePoiList() {}
void RovexSystem::LoadPoiList() {}
void RovexSystem::ResetAtlasView() {}
void RovexSystem::ResetRouteFollowing() {}
void RovexSystem::RedrawAtlas() {}

void RovexSystem::ReloadCameraList() { m_cameras->Cameras().LoadCameraList(Fix(), MapRadius()); }

void RovexSystem::ReloadNearbyLists() {
  if (m_viewMode == kPoiMode) {
    LoadPoiList();
  } else {
    ReloadCameraList();
  }
}

}  // namespace rovex
