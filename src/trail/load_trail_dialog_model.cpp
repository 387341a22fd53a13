#include "trail/load_trail_dialog_model.h"

#include <cstdio>

#include "platform/data_root.h"
#include "trail/trail_reader.h"

namespace rovex {

std::string TrailFolder() { return DataPath("Trail"); }

void LoadTrailDialogModel::Tell(const std::string& text) {
  if (m_prompt) m_prompt->MessageBox(text, MsgIcon::Warning, MsgButtons::Ok);
}

void LoadTrailDialogModel::Browse() {
  if (!m_prompt) return;
  if (std::optional<std::string> chosen = m_prompt->OpenFile(kTitle, kFilter, TrailFolder())) path = *chosen;
}

bool LoadTrailDialogModel::Ok() {
  if (path.empty()) {
    Tell("Please choose a Gpolyline GPX route file.");
    return false;
  }
  if (!pCopyOfTrackList) {
    Tell("Error pCopyOfTrackList is NULL");
    return true;
  }
  switch (ReadTrailFile(path, pCopyOfTrackList)) {
    case TrailReadResult::CannotOpen:
    case TrailReadResult::ReadError:
      Tell("Error can't open source file\n" + path);
      return false;
    case TrailReadResult::Read:
      break;
  }
  char text[80];
  std::snprintf(text, sizeof text, "Loaded the trail GPX.\nnumber of points found %ld.",
                static_cast<long>(pCopyOfTrackList->Count()));
  Tell(text);
  return true;
}

}  // namespace rovex
