#include "routes/poi_file.h"

#include <string>

#include "nmea/distance.h"
#include "routes/route_line.h"

namespace rovex {

std::optional<PoiRecord> AcceptPoiLine(std::string_view line, const GpsFix& fix, double radius) {
  double longitude = 0.0, latitude = 0.0;
  if (!FirstTwoNumbers(line, &longitude, &latitude) || longitude == 0.0 || latitude == 0.0) return std::nullopt;
  const double distance = DistanceFromFix(fix, latitude, longitude);
  // A distance that cannot be had (-1.0) or is not a number is never kept.
  if (!(distance >= 0.0) || !(distance <= radius)) return std::nullopt;
  const std::vector<std::string_view> fields = SplitRouteFields(line);
  auto field = [&fields](std::size_t i) { return i < fields.size() ? fields[i] : std::string_view(); };
  PoiRecord record;
  record.longitude = field(0);
  record.latitude = field(1);
  record.description = field(2);
  record.description2 = field(3);
  return record;
}

void ReadPoiFile(std::FILE* file, const GpsFix& fix, double radius, std::vector<PoiRecord>* records) {
  RouteLineReader reader(file);
  std::string line;
  while (reader.Next(&line)) {
    if (std::optional<PoiRecord> record = AcceptPoiLine(line, fix, radius)) records->push_back(*record);
  }
}

}  // namespace rovex
