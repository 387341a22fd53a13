#pragma once

#include <cstdio>
#include <optional>
#include <string_view>
#include <vector>

#include "nmea/gps_fix.h"
#include "routes/poi_record.h"

// The POI file: lines "longitude,latitude,description,description 2" (later
// fields ignored, no comment lines). A line is kept when its first two numbers
// are both non-zero and the place lies within the radius of the fix.

namespace rovex {

// The record of one line, or nothing when the line is not kept.
std::optional<PoiRecord> AcceptPoiLine(std::string_view line, const GpsFix& fix, double radius);

// Appends the kept lines of an open file in file order.
void ReadPoiFile(std::FILE* file, const GpsFix& fix, double radius, std::vector<PoiRecord>* records);

}  // namespace rovex
