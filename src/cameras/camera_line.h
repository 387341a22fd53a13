#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "cameras/camera_exclude_list.h"
#include "cameras/camera_record.h"
#include "nmea/gps_fix.h"

// The reading rules of one camera-file line, shared by every reader of the
// file so that they cannot disagree on what a line holds.

namespace rovex {

// Characters of a line that count; the rest of a longer line is ignored.
inline constexpr std::size_t kCameraLineLimit = 299;

// The text of a line as the rules see it, from its bytes without the '\n':
// a CR before the line end is dropped (text mode), only the first
// kCameraLineLimit characters count, and a NUL ends the line.
std::string_view CameraLineText(std::string_view raw);

// The camera's position: the first two tokens as strtok with "," finds them
// (empty fields before a token are passed over), read with atof. False when a
// token is missing or either coordinate is 0.0 (no value) or not a finite number.
bool CameraLinePosition(std::string_view line, double* latitude, double* longitude);

// True when a camera at that position belongs to a list of cameras within
// radius metres of origin: its distance (DistanceFromFix) is known and not
// greater than radius, so a camera exactly at the radius is kept.
bool CameraInRange(const GpsFix& origin, double latitude, double longitude, double radius);

// The line split at every comma into the eight fields: leading spaces, then
// leading double quotes are dropped from each piece, and each is cut to its width.
CameraRecord CameraRecordFromLine(std::string_view line);

// The type field as it stands in the line (between the fifth and sixth comma),
// or nothing when the line has fewer than six commas.
std::optional<std::string_view> CameraLineTypeField(std::string_view line);

// True when the route's exclude list names this line's camera type.
bool CameraLineExcluded(std::string_view line, const CameraExcludeList& excluded);

}  // namespace rovex
