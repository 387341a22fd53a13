#pragma once

#include <string>
#include <vector>

#include "nmea/gps_fix.h"
#include "routes/poi_record.h"

// "POI List - local points of interest" (CDlgPOIList): the nearby POI list
// with each point's flat distance from the fix.

namespace rovex {

struct PoiListRow {
  std::string latitude;
  std::string longitude;
  std::string description;
  std::string distance;  // "%.3f km", empty without a position
};

struct PoiListTable {
  static constexpr const char* kTitle = "POI List - local points of interest";
  static constexpr const char* kNote = "This list shows POI that are in the local area.";
  static constexpr const char* kEmpty = "Poi list is empty";
  // One row a record in list order and an empty last row (the list's end);
  // without a list, the single row "Poi list is empty".
  std::vector<PoiListRow> rows;

  static PoiListTable Build(const std::vector<PoiRecord>* list, const GpsFix& fix);
};

}  // namespace rovex
