#pragma once

#include "app/background_load_window.h"

// The "Load OSM file" dialog: the ways of OpenStreetMap files as background
// entries of the open track editor map.

namespace rovex {

namespace trackeditor {
class TrackOsmLoadModel;
}

class CDlgTrackOsmLoad final : public BackgroundLoadWindow {
  Q_OBJECT
 public:
  CDlgTrackOsmLoad(trackeditor::TrackOsmLoadModel& model, UserPrompt& prompt, QWidget* parent = nullptr);
};

}  // namespace rovex
