#include "nmea/nmea_fields.h"

#include <cstring>
#include <string>

#include "nmea/c_number.h"

namespace rovex {

std::vector<std::string_view> SplitNmeaFields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (;;) {
    std::size_t comma = line.find(',', start);
    if (comma == std::string_view::npos) {
      fields.push_back(line.substr(start));
      return fields;
    }
    fields.push_back(line.substr(start, comma - start));
    start = comma + 1;
  }
}

double NmeaDegrees(std::string_view field, std::size_t degreeDigits) {
  const std::size_t split = field.size() < degreeDigits ? field.size() : degreeDigits;
  const std::string degrees(field.substr(0, split));
  const std::string minutes(field.substr(split));
  return CAtof(degrees.c_str()) + CAtof(minutes.c_str()) / 60.0;
}

}  // namespace rovex
