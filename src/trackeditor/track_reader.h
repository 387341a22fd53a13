#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "trackeditor/track_map.h"

// The points of a track: the positions of the "$GPGGA" sentences of an NMEA
// log in file order. Other sentences, the checksum and the fix quality are not
// looked at; a sentence without a position, or with a position of exactly 0.0
// (a receiver without a fix), gives no point.

namespace rovex::trackeditor {

// True when the line is a GGA sentence of the GP talker (any case), the sentences the track counts.
bool IsGgaLine(std::string_view line);

std::optional<TrackPoint> GgaPosition(std::string_view line);

// Appends the points of the log's text.
void ReadTrackText(std::string_view text, TrackPoints* points);

// False when the file cannot be read.
bool ReadTrackFile(const std::string& path, TrackPoints* points);

}  // namespace rovex::trackeditor
