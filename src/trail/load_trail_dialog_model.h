#pragma once

#include <string>

#include "platform/user_prompt.h"
#include "trail/track_list.h"

// "Load Trail GPX route file" (CDLG_LOADGPXTRAIL): a source file typed or
// chosen with Browse; OK reads it into the list it was given and tells how
// many points it found.

namespace rovex {

class LoadTrailDialogModel {
 public:
  static constexpr const char* kTitle = "Load Trail GPX route file";
  static constexpr const char* kFieldLabel = "GPX route or track source file.";
  static constexpr const char* kFilter = "All files *.*|*.*||";

  LoadTrailDialogModel(UserPrompt* prompt, TrackList* pCopyOfTrackList)
      : m_prompt(prompt), pCopyOfTrackList(pCopyOfTrackList) {}

  // The browse button: a chosen file replaces the field.
  void Browse();
  // OK: false while the dialog is to stay open (no file named, or it cannot be opened).
  bool Ok();

  std::string path;

 private:
  void Tell(const std::string& text);

  UserPrompt* m_prompt;
  TrackList* pCopyOfTrackList;
};

// "C:\ROVEX\Trail\", where the load dialog's chooser opens.
std::string TrailFolder();

}  // namespace rovex
