#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cameras/camera_record.h"

// One line of a published comma-separated camera list (Pocket GPS, Garmin):
// longitude, latitude, camera name ("GATSO@30"), description, and columns
// that are ignored. Turned into the camera record the camera file holds.

namespace rovex::converters {

// Kept characters of the columns that are used.
inline constexpr std::size_t kCsvCoordinateWidth = 14;
inline constexpr std::size_t kCsvNameWidth = 14;
inline constexpr std::size_t kCsvDescriptionWidth = 25;
inline constexpr std::size_t kCsvSpeedWidth = 3;

// The columns of a line. Leading blanks and then leading double quotes are
// skipped. A column that begins with a double quote and has its closing quote
// on the line runs to that quote, commas included ("" stands for one quote),
// so a quoted description with a comma stays one column.
struct CsvColumn {
  std::string text;
  bool quoted = false;  // its quotes were taken off already
};
std::vector<CsvColumn> SplitCameraCsvColumns(std::string_view line);

// The rules of the Pocket GPS and Garmin lists.
CameraRecord CameraFromCsvLine(std::string_view line);

// The rules of the multi-file Pocket GPS conversion, whose names carry the
// camera kind in a different place.
CameraRecord CameraFromMultiCsvLine(std::string_view line, bool typePrefix);

// The camera-file line of a record, ended by "\n": every field in UTF-8, with
// commas and control characters replaced so that it stays eight fields.
std::string CameraFileLine(const CameraRecord& record);

}  // namespace rovex::converters
