#pragma once

#include <cstdint>
#include <string>

// GGA and RMC sentences made up for a point that has no recording of its own
// (a track drawn in an editor): a fix at 50 knots, course 0, at a given time,
// which the track editor reads back like a recorded log.

namespace rovex::converters {

// "hhmmss.sss," from milliseconds since midnight; hours grow past 99 when
// the time runs on that long.
std::string NmeaTimeField(uint64_t milliseconds);

// "ddmm.mmmm,N," and "dddmm.mmmm,E,": the digits of the absolute value with
// the hemisphere letter, minutes rounded to four decimals with a carry into
// the degrees when they round to 60.
std::string NmeaLatitudeField(double latitude);
std::string NmeaLongitudeField(double longitude);

// The two hexadecimal digits of the XOR of everything between "$" and "*".
std::string NmeaChecksum(const std::string& sentenceWithoutStar);

// Both sentences, each ended by "\n".
std::string SyntheticGga(uint64_t milliseconds, double latitude, double longitude);
std::string SyntheticRmc(uint64_t milliseconds, double latitude, double longitude);

}  // namespace rovex::converters
