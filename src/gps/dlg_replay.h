#pragma once

#include <string>

#include "platform/user_prompt.h"

// The rules of the "Replay log file" dialog: its starting texts, Browse, and
// what OK hands to the replay.

namespace rovex {

class CDlgReplay {
 public:
  static constexpr const char* kTitle = "Replay log file";
  static constexpr const char* kFileText = "Choose the log file that you would like to use.";
  static constexpr const char* kDelayText =
      "Replay speed in milliseconds delay per NMEA line, the lower the figure the faster the replay.";
  static constexpr const char* kFilter = "ROVEX replay file (*.csv;*.txt)|*.csv; *.txt|All files (*.*)|*.*||";

  explicit CDlgReplay(UserPrompt& prompt);

  std::string m_fileName;  // the data root's Log folder with a trailing separator
  std::string m_delay = "100";

  void OnBrowse();
  // What OK stores: the file name (up to 298 characters) and atoi of the delay.
  std::string FileName() const;
  int Delay() const;

 private:
  UserPrompt& m_prompt;
};

}  // namespace rovex
