#include "app/track_josm_load_dialog.h"

#include "trackeditor/track_josm_load_model.h"

namespace rovex {

using trackeditor::TrackJosmLoadModel;

CDlgTrackJosmLoad::CDlgTrackJosmLoad(TrackJosmLoadModel& model, UserPrompt& prompt, QWidget* parent)
    : BackgroundLoadWindow(prompt,
                           {TrackJosmLoadModel::kTitle, TrackJosmLoadModel::kSourceLabel,
                            TrackJosmLoadModel::kBrowseFilter, "&Load GPX", {TrackJosmLoadModel::kHint}},
                           model.source,
                           [&model](const std::string& source, const trackeditor::LoadProgress& progress) {
                             model.source = source;
                             model.Load(progress);
                           },
                           parent) {}

}  // namespace rovex
