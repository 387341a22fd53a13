#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cameras/camera_database.h"
#include "cameras/camera_record.h"
#include "cameras/camera_table.h"
#include "nmea/speed_units.h"
#include "platform/clipboard.h"
#include "platform/user_prompt.h"
#include "settings/registry_settings.h"

// "Create &passed camera list": replays an NMEA log offline, finds the cameras
// the logged drive came near, and lists each camera type with its closest
// distance and the speed near it; the list can be copied to the clipboard.
// The dialog's model: its fields, the process and copy buttons, and the table.

namespace rovex {

class PassedCameraList {
 public:
  struct Entry {
    std::optional<std::string> name;  // CamType; none in the first entry
    double distance = 1000000.0;      // closest seen, metres
    double speed = 0.0;               // in the chosen unit, last time within 200 m
  };

  // Opening the dialog: the fields take their start values and the speed
  // unit is copied from SpeedUnits. cameras reads the camera database.
  PassedCameraList(RegistrySettings& settings, UserPrompt* prompt, CameraDatabase& cameras, Clipboard* clipboard);

  // The dialog's fields.
  std::string logFile;
  std::string nearestDistance = "300";
  std::string farthestDistance = "4000";

  static constexpr const char* kLogFilter = "ROVEX log file (*.txt)| *.txt|All files (*.*)|*.*||";

  // The browse button: a log chosen in the data root's Log folder replaces the file name.
  void OnBrowse();
  // The process button. True when the log was processed to its end ("Finished").
  bool Process();
  // The copy button.
  void Copy();

  const CameraTable& Table() const { return m_table; }
  const std::vector<Entry>& Entries() const { return m_entries; }
  // The clipboard text of the entries shown in the table.
  std::string ClipboardText(bool withDistances) const;

 private:
  void ReadRmc(const std::vector<std::string_view>& fields);
  bool ReadGga(const std::vector<std::string_view>& fields, int* reloadCounter, double farthest);
  void UpdateEntries(int farthestMetres);
  bool Shown(const Entry& entry) const;
  std::string SpeedText(double speed, const char* prefix) const;
  void FillTable();
  void Tell(const std::string& text, MsgIcon icon = MsgIcon::Warning);

  RegistrySettings& m_settings;
  UserPrompt* m_prompt;
  CameraDatabase& m_cameras;
  Clipboard* m_clipboard;
  SpeedUnit m_speedUnit;
  double m_nearest = 300.0;  // N as processed, for the rows shown
  double m_logLatitude = 0.0;
  double m_logLongitude = 0.0;
  double m_logSpeed = 0.0;
  std::vector<CameraRecord> m_logCameras;  // the second camera list, around the log position
  std::vector<Entry> m_entries;
  CameraTable m_table;
};

}  // namespace rovex
