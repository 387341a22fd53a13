#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "converters/converter_result.h"

namespace osmium::memory {
class Buffer;
}

// Speed cameras out of an OpenStreetMap file: every node tagged
// highway=speed_camera becomes a line of the camera file or of the iGO
// speed-camera file. Only the current node is looked at, so memory does not
// grow with the file.

namespace rovex::converters {

enum class SpeedcamOutput { Rovex, Igo };

inline constexpr const char* kIgoHeader = "X,Y,TYPE,SPEED,DIRTYPE,DIRECTION\n";
inline constexpr const char* kSpeedcamDefaultType = "GATSO";

// The type written for a camera: the note's text (GATSO without a note),
// upper-cased and at most 299 characters. Commas become ";" and line ends
// blanks: both files are comma-separated, one camera a line.
std::string SpeedcamType(const char* note);

// The leading digits of a maxspeed value ("30 mph" is 30); 0 when there are
// none, or too many to be a speed.
double SpeedcamMaxspeed(const char* value);

// The iGO type code of an upper-cased type: the first of REDLIGHT 3,
// COMBINED 2, SPECS 4, SECTION 4, MOBILE 5 it contains, else 1.
int IgoTypeCode(std::string_view type);

std::string RovexCameraLine(double latitude, double longitude, const std::string& type, uint64_t counter,
                            double maxspeed);
std::string IgoCameraLine(double latitude, double longitude, const std::string& type, double maxspeed);

// Turns the speed-camera nodes of the buffers handed to it, in order, into
// lines; the counter runs over everything it is given.
class OsmCameraExtractor {
 public:
  explicit OsmCameraExtractor(SpeedcamOutput output) : m_output(output) {}

  // Appends the lines of the buffer's cameras to out.
  void Extract(const osmium::memory::Buffer& buffer, std::string* out);
  uint64_t Count() const { return m_counter; }

 private:
  SpeedcamOutput m_output;
  uint64_t m_counter = 0;
};

struct OsmCamerasOptions {
  std::string source;  // .osm, .osm.gz, .osm.bz2 or .osm.pbf
  std::string destination;
  SpeedcamOutput output = SpeedcamOutput::Rovex;
  ProgressFunction progress;
};

// The whole extraction, with the messages the dialog shows. The destination
// is replaced only when every line was written.
ConverterResult ExtractOsmCameras(const OsmCamerasOptions& options);

}  // namespace rovex::converters
