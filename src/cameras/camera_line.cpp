#include "cameras/camera_line.h"

#include <cmath>
#include <cstring>

#include "nmea/c_number.h"
#include "nmea/distance.h"

namespace rovex {
namespace {

// atof of a token that is not NUL-terminated where it stands.
double TokenValue(std::string_view token) {
  char buffer[kCameraLineLimit + 1];
  std::size_t n = token.size() < kCameraLineLimit ? token.size() : kCameraLineLimit;
  if (n > 0) std::memcpy(buffer, token.data(), n);
  buffer[n] = '\0';
  return CAtof(buffer);
}

// The next token after pos the way strtok finds it: leading delimiters are
// passed over; empty when the line has no further token.
std::string_view NextToken(std::string_view line, std::size_t* pos) {
  std::size_t start = line.find_first_not_of(',', *pos);
  if (start == std::string_view::npos) {
    *pos = line.size();
    return {};
  }
  std::size_t end = line.find(',', start);
  if (end == std::string_view::npos) end = line.size();
  *pos = end;
  return line.substr(start, end - start);
}

}  // namespace

std::string_view CameraLineText(std::string_view raw) {
  if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
  if (raw.size() > kCameraLineLimit) raw = raw.substr(0, kCameraLineLimit);
  std::size_t nul = raw.find('\0');
  if (nul != std::string_view::npos) raw = raw.substr(0, nul);
  return raw;
}

bool CameraLinePosition(std::string_view line, double* latitude, double* longitude) {
  std::size_t pos = 0;
  std::string_view first = NextToken(line, &pos);
  if (first.empty()) return false;
  std::string_view second = NextToken(line, &pos);
  if (second.empty()) return false;
  double lat = TokenValue(first);
  double lon = TokenValue(second);
  if (lat == 0.0 || lon == 0.0) return false;
  // "nan" would slip past every distance test below and land in every nearby list.
  if (!std::isfinite(lat) || !std::isfinite(lon)) return false;
  *latitude = lat;
  *longitude = lon;
  return true;
}

bool CameraInRange(const GpsFix& origin, double latitude, double longitude, double radius) {
  double d = DistanceFromFix(origin, latitude, longitude);
  // -1.0 is "no distance"; a fix that parsed to nan gives no distance either,
  // rather than a distance that no comparison rejects.
  return d >= 0.0 && d <= radius;
}

CameraRecord CameraRecordFromLine(std::string_view line) {
  CameraRecord record;
  std::size_t index = 0;
  std::size_t start = 0;
  while (index < CameraRecord::kFieldCount && start <= line.size()) {
    std::size_t end = line.find(',', start);
    if (end == std::string_view::npos) end = line.size();
    std::string_view piece = line.substr(start, end - start);
    while (!piece.empty() && piece.front() == ' ') piece.remove_prefix(1);
    while (!piece.empty() && piece.front() == '"') piece.remove_prefix(1);
    record.SetField(index, piece);
    ++index;
    start = end + 1;
  }
  return record;
}

std::optional<std::string_view> CameraLineTypeField(std::string_view line) {
  std::size_t start = 0;
  for (int comma = 0; comma < 5; ++comma) {
    std::size_t at = line.find(',', start);
    if (at == std::string_view::npos) return std::nullopt;
    start = at + 1;
  }
  std::size_t end = line.find(',', start);
  if (end == std::string_view::npos) return std::nullopt;
  return line.substr(start, end - start);
}

bool CameraLineExcluded(std::string_view line, const CameraExcludeList& excluded) {
  if (line.empty()) return false;
  auto type = CameraLineTypeField(line);
  return type && excluded.IsExcluded(*type);
}

}  // namespace rovex
