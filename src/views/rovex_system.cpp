#include "views/rovex_system.h"

#include "platform/canvas.h"
#include "platform/data_root.h"
#include "platform/message_poster.h"
#include "settings/registry_settings.h"
#include "settings/settings_reset.h"
#include "views/command_ids.h"
#include "views/view_host.h"

namespace rovex {
namespace {

constexpr Rgb kGrey{190, 190, 190};

// Zoom limits of the map radius in metres.
constexpr uint32_t kLargestRadiusToDouble = 255000;
constexpr uint32_t kSmallestRadiusToHalve = 101;

// The refresh counter value that makes the next sentence rebuild the nearby lists.
constexpr int kRefreshOnNextSentence = 71;

}  // namespace

RovexSystem::RovexSystem(const Services& services, ViewHost& host) : m_services(services), m_host(host) {
  ReloadSettingCopies();
  m_colours = DaySet(Registry());
  RegisterCommands();
}

RovexSystem::~RovexSystem() = default;

RegistrySettings RovexSystem::Registry() { return RegistrySettings(*m_services.store, m_services.prompt); }

void RovexSystem::ReloadSettingCopies() {
  RegistrySettings settings = Registry();
  m_settings.mapRadius = settings.ReadMapScale();
  m_settings.speedUnits = settings.ReadSpeedUnits();
  m_settings.timeZone = settings.ReadTimeZoneSetting();
}

void RovexSystem::RunVersionCheck() {
  if (!m_services.prompt) return;
  SettingsReset reset(*m_services.store, *m_services.prompt, DataRoot());
  reset.SetAfterReset([this] {
    ReloadSettingCopies();
    m_colours = DaySet(Registry());
  });
  reset.RunVersionCheck();
}

void RovexSystem::OnInitialUpdate() {
  if (!m_services.prompt) return;
  SettingsReset reset(*m_services.store, *m_services.prompt, DataRoot());
  reset.SetAfterReset([this] {
    ReloadSettingCopies();
    m_colours = DaySet(Registry());
  });
  reset.RunFirstRunQuestion();
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

  Register(kDayColours, [this] { UseDayColours(); });
  Register(kToolDayColours, [this] { UseDayColours(); });
  Register(kNightColours, [this] { UseNightColours(); });
  Register(kToolNightColours, [this] { UseNightColours(); });

  Register(kCheckRegistry, [this] { CheckRegistry(); });
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

void RovexSystem::EnterMode(int mode) {
  m_viewMode = mode;
  m_flags.clearOnce = true;
  m_host.SetTitle(ViewTitle(mode));
  m_host.Repaint();
}

void RovexSystem::LeaveToCamera() {
  if (m_viewMode == kPoiMode) FreePoiList();
  // The next sentence reloads the camera list.
  m_refreshCounter = kRefreshOnNextSentence;
  EnterMode(kCameraMode);
}

void RovexSystem::SelectCameraView() {
  if (m_viewMode == kPoiMode) {
    FreePoiList();
    m_refreshCounter = kRefreshOnNextSentence;
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
    m_refreshCounter = kRefreshOnNextSentence;
    m_flags.clearOnce = true;
    FreePoiList();
  }
  if (m_viewMode == kTrailMode) ResetAtlasView();
  m_viewMode = m_viewMode >= kTrekbuddyMode ? kCameraMode : m_viewMode + 1;
  ResetRouteFollowing();
  m_host.SetTitle(ViewTitle(m_viewMode));
  if (m_viewMode == kPoiMode) LoadPoiList();
  if (m_viewMode == kTrekbuddyMode) RedrawAtlas();
  ResetAtlasView();
  m_flags.clearOnce = true;
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
  RegistrySettings settings = Registry();
  uint32_t scale = settings.ReadMapScale();
  uint32_t next = scale;
  if (in) {
    if (scale >= kSmallestRadiusToHalve) next = scale / 2;
  } else {
    if (scale <= kLargestRadiusToDouble) next = scale * 2;
  }
  if (next == scale) return;
  // A failed write is reported by the writer; the new radius is used for this run all the same.
  m_settings.mapRadius = next;
  settings.WriteMapScaleSetting(next);
  ReloadNearbyLists();
  m_host.Repaint();
}

// ---- Colours and settings ----

void RovexSystem::UseDayColours() {
  m_colours = DaySet(Registry());
  m_flags.clearOnce = true;
  m_host.Repaint();
}

void RovexSystem::UseNightColours() {
  m_colours = NightSet(Registry());
  m_flags.clearOnce = true;
  m_host.Repaint();
}

void RovexSystem::CheckRegistry() {
  if (!m_services.prompt) return;
  SettingsReset reset(*m_services.store, *m_services.prompt, DataRoot());
  reset.SetAfterReset([this] { ReloadSettingCopies(); });
  if (reset.CheckRegistry(true)) UseDayColours();
}

// ---- Window messages ----

void RovexSystem::OnPostedMessage(uint32_t message, uintptr_t, intptr_t lParam) {
  switch (message) {
    case WM_GPS_SENTENCE:
      m_host.Repaint();
      break;
    case WM_LOCATION_SET:
      m_refreshCounter = kRefreshOnNextSentence;
      m_host.Invalidate();
      break;
    case WM_MAP_ZOOM:
      ZoomBy(lParam == 1);
      break;
    default:
      break;
  }
}

// ---- Drawing ----

void RovexSystem::DrawingPass(Canvas& canvas) {
  if (m_flags.clearOnce) {
    canvas.SelectPen(Pen{kGrey});
    canvas.SelectBrush(Brush{m_colours.viewBackground});
    canvas.Rectangle(0, 0, canvas.Width(), canvas.Height());
    m_flags.clearOnce = false;
  }
}

// ---- Feature steps ----

void RovexSystem::FreePoiList() {}
void RovexSystem::LoadPoiList() {}
void RovexSystem::ResetAtlasView() {}
void RovexSystem::ResetRouteFollowing() {}
void RovexSystem::RedrawAtlas() {}
void RovexSystem::ReloadCameraList() {}

void RovexSystem::ReloadNearbyLists() {
  if (m_viewMode == kPoiMode) {
    LoadPoiList();
  } else {
    ReloadCameraList();
  }
}

}  // namespace rovex
