#pragma once

#include "app/background_load_window.h"

// The "Load JOSM GPX track" dialog: the track sections of GPX files as
// background entries of the open track editor map.

namespace rovex {

namespace trackeditor {
class TrackJosmLoadModel;
}

class CDlgTrackJosmLoad final : public BackgroundLoadWindow {
  Q_OBJECT
 public:
  CDlgTrackJosmLoad(trackeditor::TrackJosmLoadModel& model, UserPrompt& prompt, QWidget* parent = nullptr);
};

}  // namespace rovex
