#pragma once

#include <string>

#include "converters/gpx_route_converter.h"
#include "platform/user_prompt.h"

// The rules of the "GPX Route to Route CSV file" (`CDlgGPXConvert`) and
// "GPX Track to Route CSV file" (`CDlgConvertGPXTrack`) dialogs.

namespace rovex::converters {

class GpxConvertDialog {
 public:
  enum class Points { Route, Track };

  static constexpr const char* kBrowseFilter = "All files *.*|*.*||";
  static constexpr const char* kAppendLabel = "&Append to existing file.";

  explicit GpxConvertDialog(Points points);

  // "Convert GPX Route to Route CSV file" or "Convert GPX track file to this programs route format".
  const char* Title() const;

  std::string source;       // the GPX folder with a trailing separator, for the browse to start in
  std::string destination;  // DataPath("Routes/gpx.csv")
  bool append = false;

  // "&Convert": converts and shows the messages; the dialog stays open.
  ConverterResult Convert(UserPrompt& prompt, const ProgressFunction& progress = {});

 private:
  Points m_points;
};

}  // namespace rovex::converters
