#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Reads a TomTom OV2 POI file: little-endian records of a type byte and a
// signed 32-bit length. Type 0 (deleted) and 1 (skipper) are passed over,
// types 2 (simple POI) and 3 (extended POI) are handed on, a type above 3
// ends the file. Every length and position is checked before the bytes
// behind it are read, so a damaged file ends with an error naming the offset
// of the bad record and never reads outside the file or loops.

namespace rovex::converters {

struct Ov2Record {
  int type = 2;
  uint64_t offset = 0;
  float latitude = 0.0f;  // raw / 100000, held in single precision as the format's readers always have
  float longitude = 0.0f;
  std::string name;   // bytes as stored (often Latin-1), at most kMaxName
  std::string second; // type 3 only
  std::string third;  // type 3 only
};

struct Ov2ReadSummary {
  bool ok = true;
  std::string error;              // set when !ok
  unsigned records = 0;           // type 2 and 3 records handed on
  unsigned outOfRange = 0;        // POIs dropped for coordinates outside ±90/±180
  bool cancelled = false;
};

inline constexpr std::size_t kMaxOv2Name = 299;

// onRecord returns false to stop (cancel).
Ov2ReadSummary ReadOv2(std::string_view bytes, const std::function<bool(const Ov2Record&)>& onRecord);

// True when the bytes look like an OV2 file rather than text: the first
// record is one of the four types with a plausible length.
bool LooksLikeOv2(std::string_view bytes);

}  // namespace rovex::converters
