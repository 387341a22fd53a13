#include "routes/poi_list_model.h"

#include <cmath>

#include "nmea/c_number.h"
#include "platform/c_format.h"

namespace rovex {
namespace {

// The list's own flat factors, without a cosine of the latitude.
constexpr double kEastMetresPerDegree = 111319.14001027387;
constexpr double kNorthMetresPerDegree = 110945.90800966838;

}  // namespace

PoiListTable PoiListTable::Build(const std::vector<PoiRecord>* list, const GpsFix& fix) {
  PoiListTable table;
  if (!list) {
    table.rows.push_back({kEmpty, "", "", ""});
    return table;
  }
  for (const PoiRecord& record : *list) {
    PoiListRow row{record.latitude.str(), record.longitude.str(), record.description.str(), ""};
    const double latitude = CAtof(record.latitude.c_str());
    const double longitude = CAtof(record.longitude.c_str());
    if (latitude != 0.0 && longitude != 0.0 && fix.latitude != 0.0 && fix.longitude != 0.0) {
      const double east = (longitude - fix.longitude) * kEastMetresPerDegree;
      const double north = (latitude - fix.latitude) * kNorthMetresPerDegree;
      row.distance = FormatFixed(std::sqrt(east * east + north * north) / 1000.0, 3) + " km";
    }
    table.rows.push_back(std::move(row));
  }
  table.rows.push_back({});
  return table;
}

}  // namespace rovex
