#pragma once

#include "platform/fixed_text.h"

// One accepted point of interest: its fields as the POI file wrote them, cut
// to the record's widths. The position is kept as text and read when used.

namespace rovex {

struct PoiRecord {
  FixedText<14> longitude;
  FixedText<14> latitude;
  FixedText<79> description;   // shown on the map and in the list
  FixedText<79> description2;  // stored, never shown
};

}  // namespace rovex
