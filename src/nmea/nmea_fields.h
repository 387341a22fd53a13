#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// Reading the comma-separated fields of an NMEA sentence, for every reader of
// NMEA text: the parser, the passed-camera list and the converters.

namespace rovex {

// The fields of a line split at every comma, as views into it; the first is
// the address ("$GPGGA"). A line without commas is one field.
std::vector<std::string_view> SplitNmeaFields(std::string_view line);

// Field n counted from 1 (the address is field 1), empty past the end.
inline std::string_view NmeaField(const std::vector<std::string_view>& fields, std::size_t oneBased) {
  return oneBased >= 1 && oneBased <= fields.size() ? fields[oneBased - 1] : std::string_view();
}

// ddmm.mmm (degreeDigits 2) or dddmm.mmm (3) in decimal degrees, numbers read
// as the C library reads them; a short field gives what its characters give.
double NmeaDegrees(std::string_view field, std::size_t degreeDigits);

}  // namespace rovex
