#include "system/track_editor_feature.h"

#include "nmea/c_number.h"
#include "platform/canvas.h"
#include "settings/registry_settings.h"
#include "platform/user_prompt.h"
#include "system/accelerator_table.h"
#include "system/command_ids.h"
#include "system/system_context.h"
#include "system/view_host.h"
#include "system/view_mode.h"
#include "trackeditor/screen_refresh_model.h"
#include "trackeditor/track_add_model.h"
#include "trackeditor/track_desc_model.h"
#include "trackeditor/track_display_model.h"
#include "trackeditor/track_josm_load_model.h"
#include "trackeditor/track_osm_load_model.h"
#include "trackeditor/track_select_model.h"

namespace rovex {

TrackEditorFeature::TrackEditorFeature(SystemContext& context)
    : m_context(context), m_session(context.GetServices().prompt, *this, [this] { Redraw(); }) {
  ReadRefreshRate();
}

void TrackEditorFeature::Redraw() {
  m_refreshSkip = 0;
  m_context.Host().Invalidate();
}

// The rate is the port's speed value, loaded with the port settings.
void TrackEditorFeature::ReadRefreshRate() {
  if (auto speed = m_context.Registry().TryReadText("Speed")) m_refreshRate = static_cast<uint32_t>(CAtoi(speed->c_str()));
}

void TrackEditorFeature::OnGpsStart() { ReadRefreshRate(); }

void TrackEditorFeature::RefreshRate() {
  trackeditor::ScreenRefreshModel model(m_refreshRate);
  if (m_context.Host().Run(model)) m_refreshRate = model.Ok();
  Redraw();
}

bool TrackEditorFeature::Show(trackeditor::TrackDescModel& model) { return m_context.Host().Run(model); }
bool TrackEditorFeature::Show(trackeditor::TrackAddModel& model) { return m_context.Host().Run(model); }
bool TrackEditorFeature::Show(trackeditor::TrackDisplayModel& model) { return m_context.Host().Run(model); }
bool TrackEditorFeature::Show(trackeditor::TrackSelectModel& model) { return m_context.Host().Run(model); }
bool TrackEditorFeature::Show(trackeditor::TrackJosmLoadModel& model) { return m_context.Host().Run(model); }
bool TrackEditorFeature::Show(trackeditor::TrackOsmLoadModel& model) { return m_context.Host().Run(model); }

void TrackEditorFeature::Toggle(bool& flag) {
  flag = !flag;
  Redraw();
}

void TrackEditorFeature::RegisterCommands(CommandRegistry& commands) {
  using namespace cmd;
  auto& s = m_session;
  commands.Register(kTracksNew, [&s] { s.New(); });
  commands.Register(kTracksOpen, [&s] { s.Open(); });
  commands.Register(kTracksSave, [&s] { s.Save(); });
  commands.Register(kTracksSaveAs, [&s] { s.SaveAs(); });
  commands.Register(kTracksClose, [&s] { s.Close(); });
  commands.Register(kTracksDescription, [&s] { s.Description(); });
  commands.Register(kTracksAddRemove, [&s] { s.AddRemove(); });
  commands.Register(kTracksVisible, [&s] { s.Visible(); });
  commands.Register(kTracksEdit, [&s] { s.EditTrack(); });
  commands.Register(kTracksSaveEdited, [&s] { s.SaveEditedTrack(); });
  commands.Register(kTracksCloseEdited, [&s] { s.CloseEditedTrackCommand(); });
  commands.Register(kTracksRefreshRate, [this] { RefreshRate(); });
  commands.Register(kTracksLoadJosm, [&s] { s.LoadJosm(); });
  commands.Register(kTracksLoadOsm, [&s] { s.LoadOsm(); });
  commands.Register(kTracksLoadSrtm, [&s] { s.LoadHeights(); });
  commands.Register(kTracksUnloadSrtm, [&s] { s.UnloadHeights(); });
  ShellFlags& flags = m_context.View().flags;
  commands.Register(kTracksShowLocation, [this, &flags] { Toggle(flags.showLocation); },
                    [&flags] { return flags.showLocation; });
  commands.Register(kTracksShowIcons, [this, &flags] { Toggle(flags.showIcons); },
                    [&flags] { return flags.showIcons; });
  commands.Register(kTracksShowNodeNames, [this, &flags] { Toggle(flags.showNodeNames); },
                    [&flags] { return flags.showNodeNames; });
  commands.Register(kTracksShowRoadNames, [this, &flags] { Toggle(flags.showRoadNames); },
                    [&flags] { return flags.showRoadNames; });
  commands.Register(kTracksShowRoadRef, [this, &flags] { Toggle(flags.showRoadRef); },
                    [&flags] { return flags.showRoadRef; });
}

bool TrackEditorFeature::OnKeyDown(int key) {
  if (m_context.View().viewMode != kTrackEditorMode) return false;
  if (key == vk::kSubtract) {
    m_session.View().ZoomOut();
  } else if (key == vk::kAdd) {
    m_session.View().ZoomIn();
  } else {
    return false;
  }
  Redraw();
  return true;
}

bool TrackEditorFeature::OnMouse(const MouseEvent& e) {
  if (m_context.View().viewMode != kTrackEditorMode) return false;
  trackeditor::EditorView& view = m_session.View();
  bool redraw = false;
  std::string message;
  switch (e.action) {
    case MouseAction::LeftDown:
      redraw = view.LeftDown(e.x, e.y, e.width, e.height, m_session.Edited(), &message);
      break;
    case MouseAction::LeftUp:
      view.LeftUp(e.x, e.y);
      break;
    case MouseAction::RightDown:
      view.RightDown(e.x, e.y);
      break;
    case MouseAction::RightUp:
      redraw = view.RightUp(e.x, e.y);
      break;
    case MouseAction::LeftDoubleClick:
    case MouseAction::RightDoubleClick: {
      const auto button =
          e.action == MouseAction::LeftDoubleClick ? trackeditor::MouseButton::Left : trackeditor::MouseButton::Right;
      redraw = view.DoubleClick(button, e.x, e.y, e.width, e.height, m_session.Edited());
      break;
    }
    case MouseAction::Wheel:
      if (e.wheelDelta > 0) {
        view.ZoomOut();
      } else {
        view.ZoomIn();
      }
      redraw = true;
      break;
  }
  if (!message.empty()) {
    if (UserPrompt* prompt = m_context.GetServices().prompt) prompt->MessageBox(message, MsgIcon::Information);
  }
  if (redraw) Redraw();
  return true;
}

bool TrackEditorFeature::DrawMode(int mode, Canvas& canvas, const DrawState& state) {
  if (mode != kTrackEditorMode) return false;
  // While the car is shown, fast input would redraw at every sentence: frames are skipped by the rate.
  if (state.view.flags.showLocation) {
    if (m_refreshSkip > 0) {
      --m_refreshSkip;
      return true;
    }
    m_refreshSkip = trackeditor::SkippedPaints(m_refreshRate);
  }
  track_editor_view::EditorFrame frame;
  frame.map = m_session.Map();
  frame.edited = m_session.Edited();
  frame.view = &m_session.View();
  frame.heights = m_session.Heights();
  frame.dataGeneration = m_session.DataGeneration();
  frame.showLocation = state.view.flags.showLocation;
  frame.showRoadNames = state.view.flags.showRoadNames;
  frame.showRoadRef = state.view.flags.showRoadRef;
  frame.showIcons = state.view.flags.showIcons;
  frame.showNodeNames = state.view.flags.showNodeNames;
  frame.latitude = state.fix.latitude;
  frame.longitude = state.fix.longitude;
  m_painter.Draw(canvas, frame);
  if (frame.showLocation) {
    track_editor_view::FollowLocation(m_session.View(), frame.latitude, frame.longitude, canvas.Width(),
                                      canvas.Height());
  }
  return true;
}

void TrackEditorFeature::OnExit() { m_session.CloseAtExit(); }

}  // namespace rovex
