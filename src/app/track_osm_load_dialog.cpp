#include "app/track_osm_load_dialog.h"

#include "trackeditor/track_osm_load_model.h"

namespace rovex {

using trackeditor::TrackOsmLoadModel;

CDlgTrackOsmLoad::CDlgTrackOsmLoad(TrackOsmLoadModel& model, UserPrompt& prompt, QWidget* parent)
    : BackgroundLoadWindow(prompt,
                           {TrackOsmLoadModel::kTitle, TrackOsmLoadModel::kSourceLabel, TrackOsmLoadModel::kBrowseFilter,
                            "&Load OSM file", {TrackOsmLoadModel::kHint1, TrackOsmLoadModel::kHint2}},
                           model.source,
                           [&model](const std::string& source, const trackeditor::LoadProgress& progress) {
                             model.source = source;
                             model.Load(progress);
                           },
                           parent) {}

}  // namespace rovex
