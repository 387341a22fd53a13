#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "converters/converter_result.h"

// The points of an NMEA log worth keeping for a GPX file: each valid RMC
// position, thinned by the distance from the last kept point and by the change
// of course. The rows hold the texts of the points list that the NMEA-to-GPX
// dialog shows and that the GPX writers copy.

namespace rovex::converters {

struct NmeaPointRow {
  std::string latitude;   // "%.9f"
  std::string longitude;  // "%.9f"
  std::string time;       // "2008-01-01T12:00:00Z"
  std::string elevation;  // "%1.1f", the last GGA altitude before the point
  std::string course;     // "%3.f", or "Unknown"
  std::string rowCount;   // "%d" from 1
};

struct NmeaThinning {
  bool distanceOn = true;
  double distance = 200.0;  // metres; a point further than this from the last kept one is kept
  bool courseOn = false;
  double course = 25.0;     // degrees; a turn by more than this keeps the point
};

// The kept points of a log, one sentence at a time. Lines whose checksum
// fails are not used, nor RMC sentences without a position.
class NmeaPointsMaker {
 public:
  explicit NmeaPointsMaker(const NmeaThinning& thinning) : m_thinning(thinning) {}

  // True and *row filled when the line gives a kept point.
  bool Line(std::string_view line, NmeaPointRow* row);

 private:
  NmeaThinning m_thinning;
  double m_previousLatitude = -1.0;
  double m_previousLongitude = -1.0;
  double m_previousCourse = -1.0;
  double m_elevation = 0.0;
  unsigned long m_rows = 0;
};

// Reads the log at path and hands each kept row to onRow (which returns false
// to stop). Messages: "Please select an NMEA log file." for an empty path,
// "Error: Unable to open the file." when it cannot be read.
ConverterResult ReadNmeaPoints(const std::string& path, const NmeaThinning& thinning,
                               const std::function<bool(const NmeaPointRow&)>& onRow,
                               const ProgressFunction& progress = {});

}  // namespace rovex::converters
