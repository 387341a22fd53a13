#pragma once

#include <string>
#include <vector>

#include "converters/nmea_gpx_writer.h"
#include "converters/nmea_points.h"
#include "platform/clipboard.h"
#include "platform/user_prompt.h"

// The rules of the "NMEA log to GPX track or route file" dialog
// (`CDialogNMEAToGPX`): its values, the points list it shows, and its make
// track, make route and copy-to-clipboard buttons.

namespace rovex::converters {

class NmeaToGpxDialog {
 public:
  struct Column {
    const char* title;
    int width;
  };
  static constexpr Column kColumns[] = {{"Latitude", 100}, {"Longitude", 100}, {"Time", 180},
                                        {"Elevation", 80}, {"Course", 80},     {"Row Count", 120}};

  static constexpr const char* kOutputFilter = "GPX track or route file (*.gpx)| *.gpx|All files (*.*)|*.*||";
  static constexpr const char* kOutputExtension = "gpx,*.*";
  static constexpr const char* kLogFilter = "ROVEX log file (*.txt)| *.txt|All files (*.*)|*.*||";
  static constexpr const char* kLogExtension = "txt,*.*";

  NmeaToGpxDialog();

  std::string outputPath;
  std::string logPath;
  bool distanceOn = true;
  std::string distanceText = "200";
  bool courseOn = false;
  std::string courseText = "25";
  std::string outputBrowseFolder;  // DataPath("GPX")
  std::string logBrowseFolder;     // DataPath("Log")

  // The kept points shown in the list; what the writers write.
  std::vector<NmeaPointRow> rows;

  // Refills the list from the log; false (after its message) when it could not.
  bool MakePointsList(UserPrompt& prompt, const ProgressFunction& progress = {});
  // The two make buttons: list, checks, the overwrite question, the file.
  bool MakeTrack(UserPrompt& prompt, const ProgressFunction& progress = {});
  bool MakeRoute(UserPrompt& prompt, const ProgressFunction& progress = {});
  // Puts the output file on the clipboard.
  bool CopyToClipboard(UserPrompt& prompt, Clipboard& clipboard);

  NmeaThinning Thinning() const;

 private:
  bool Make(GpxKind kind, UserPrompt& prompt, const ProgressFunction& progress);
};

}  // namespace rovex::converters
