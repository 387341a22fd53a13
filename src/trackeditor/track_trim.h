#pragma once

#include <string>
#include <string_view>

// The part of an NMEA log between the two markers of the edited track, as
// "Save edited track" writes it: n counts the GGA sentences already read;
// every line read while n is at least the start index is written, and the
// copy ends after the line that follows GGA sentence number (end index).

namespace rovex::trackeditor {

std::string TrimTrackText(std::string_view log, double startIndex, double endIndex);

}  // namespace rovex::trackeditor
