#pragma once

#include <cstdint>
#include <memory>

#include "system/feature.h"
#include "trackeditor/track_editor_session.h"
#include "views/track_editor_view.h"

// The track editor in the running system: the Tracks menu's map, track and
// display commands, the background maps, the editor view (mode 5) with its zoom keys and mouse,
// and the offer to save the map at exit.

namespace rovex {

class SystemContext;

class TrackEditorFeature final : public Feature, private trackeditor::TrackEditorDialogs {
 public:
  explicit TrackEditorFeature(SystemContext& context);

  trackeditor::TrackEditorSession& Session() { return m_session; }
  const track_editor_view::TrackEditorPainter& Painter() const { return m_painter; }

  void RegisterCommands(CommandRegistry& commands) override;
  bool OnKeyDown(int key) override;
  bool OnMouse(const MouseEvent& event) override;
  bool DrawMode(int mode, Canvas& canvas, const DrawState& state) override;
  void OnGpsStart() override;
  void OnExit() override;

 private:
  bool Show(trackeditor::TrackDescModel& model) override;
  bool Show(trackeditor::TrackAddModel& model) override;
  bool Show(trackeditor::TrackDisplayModel& model) override;
  bool Show(trackeditor::TrackSelectModel& model) override;
  bool Show(trackeditor::TrackJosmLoadModel& model) override;
  bool Show(trackeditor::TrackOsmLoadModel& model) override;
  void Toggle(bool& flag);
  void Redraw();
  void RefreshRate();
  void ReadRefreshRate();

  SystemContext& m_context;
  trackeditor::TrackEditorSession m_session;
  track_editor_view::TrackEditorPainter m_painter;
  uint32_t m_refreshRate = 0;
  uint32_t m_refreshSkip = 0;
};

}  // namespace rovex
