#include "converters/nmea_points.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "converters/input_file.h"
#include "nmea/c_number.h"
#include "nmea/distance.h"
#include "nmea/nmea_log_line_reader.h"
#include "nmea/nmea_sentence.h"
#include "platform/c_format.h"

namespace rovex::converters {

namespace {

constexpr int kMaxFields = 24;
constexpr unsigned kLinesPerProgress = 1 << 15;

// A sentence's fields from field 0 (the address): each ends at a comma, the
// asterisk or the end of the line.
struct Fields {
  std::string_view field[kMaxFields];
  int count = 0;

  explicit Fields(std::string_view line) {
    std::size_t star = line.find('*');
    if (star != std::string_view::npos) line = line.substr(0, star);
    std::size_t pos = 0;
    while (count < kMaxFields) {
      std::size_t comma = line.find(',', pos);
      std::size_t end = comma == std::string_view::npos ? line.size() : comma;
      field[count++] = line.substr(pos, end - pos);
      if (comma == std::string_view::npos) break;
      pos = comma + 1;
    }
  }

  // Absent when missing or empty.
  std::string_view Get(int index) const { return index < count ? field[index] : std::string_view(); }
};

// A field's text as a C string for the number readers, cut to 31 characters.
struct Text {
  char c[32];
  explicit Text(std::string_view s) {
    std::size_t n = s.size() < sizeof c - 1 ? s.size() : sizeof c - 1;
    std::memcpy(c, s.data(), n);
    c[n] = '\0';
  }
};

double Number(std::string_view s) { return CAtof(Text(s).c); }
int Integer(std::string_view s) { return CAtoi(Text(s).c); }

bool StartsWithNoCase(std::string_view line, std::string_view prefix) {
  if (line.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char c = line[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != prefix[i]) return false;
  }
  return true;
}

// "ddmm.mmmm" with degreeDigits leading degree digits.
double Angle(std::string_view text, std::size_t degreeDigits) {
  std::size_t n = text.size() < degreeDigits ? text.size() : degreeDigits;
  double degrees = Integer(text.substr(0, n));
  double minutes = Number(text.substr(n));
  return degrees + minutes / 60.0;
}

int Clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

std::string TimeText(const Fields& f) {
  int hour = 12, minute = 0, second = 0;
  std::string_view time = f.Get(1);
  if (!time.empty()) {
    hour = Integer(time.substr(0, 2));
    minute = Integer(time.substr(time.size() < 2 ? time.size() : 2, 2));
    second = time.size() > 4 ? Integer(time.substr(4)) : 0;
  }
  int day = 1, month = 1, year;
  std::string_view date = f.Get(9);
  if (date.empty()) {
    year = 2008;
  } else {
    day = Integer(date.substr(0, 2));
    month = Integer(date.substr(date.size() < 2 ? date.size() : 2, 2));
    int yy = date.size() > 4 ? Integer(date.substr(4)) : 0;
    // Two-digit years; anything before 2009 comes from a receiver that has
    // lost its week number, which is why it counts as 2009.
    if (yy >= 1000 && yy <= 9999) {
      year = yy;
    } else {
      yy %= 100;
      year = 2000 + (yy < 9 ? 9 : yy);
    }
  }
  // A GPX time must be a real date and time of day.
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", year, Clamp(month, 1, 12), Clamp(day, 1, 31),
                Clamp(hour, 0, 23), Clamp(minute, 0, 59), Clamp(second, 0, 59));
  return text;
}

}  // namespace

bool NmeaPointsMaker::Line(std::string_view line, NmeaPointRow* row) {
  bool rmc = StartsWithNoCase(line, "$GPRMC");
  bool gga = !rmc && StartsWithNoCase(line, "$GPGGA");
  if (!rmc && !gga) return false;
  // A damaged sentence could put a point anywhere; use only those that pass
  // the same checksum test as the live input.
  if (!ValidateChecksum(line)) return false;
  Fields f(line);
  if (gga) {
    std::string_view altitude = f.Get(9);
    if (!altitude.empty()) {
      double value = Number(altitude);
      if (std::isfinite(value)) m_elevation = value;
    }
    return false;
  }
  std::string_view status = f.Get(2);
  if (status.empty() || (status[0] != 'A' && status[0] != 'a')) return false;
  std::string_view latText = f.Get(3);
  std::string_view lonText = f.Get(5);
  if (latText.empty() || lonText.empty()) return false;  // no position: nothing to place
  double latitude = Angle(latText, 2);
  double longitude = Angle(lonText, 3);
  if (!std::isfinite(latitude) || !std::isfinite(longitude)) return false;
  if (f.Get(4) == "S") latitude = -latitude;
  if (f.Get(6) == "W") longitude = -longitude;
  std::string_view courseText = f.Get(8);
  double course = courseText.empty() ? -1.0 : Number(courseText);
  bool hasCourse = !courseText.empty() && std::isfinite(course);

  bool keep = false;
  if (m_previousLatitude != -1.0 || m_previousLongitude != -1.0) {
    double distance = latitude == 0.0 || longitude == 0.0 || m_previousLatitude == 0.0 || m_previousLongitude == 0.0
                          ? -1.0
                          : PointDistance(latitude, longitude, m_previousLatitude, m_previousLongitude);
    if (m_thinning.distanceOn && distance > m_thinning.distance) {
      keep = true;
      m_previousLatitude = latitude;
      m_previousLongitude = longitude;
    }
  } else {
    keep = true;
    m_previousLatitude = latitude;
    m_previousLongitude = longitude;
  }
  if (hasCourse) {
    if (m_previousCourse == -1.0) {
      m_previousCourse = course;
    } else {
      double change = std::fabs(course - m_previousCourse);
      if (change > 180.0) change = 360.0 - change;
      if (m_thinning.courseOn && change > m_thinning.course) {
        keep = true;
        m_previousCourse = course;
        m_previousLatitude = latitude;
        m_previousLongitude = longitude;
      }
    }
  }
  if (!keep) return false;

  row->latitude = FormatFixed(latitude, 9);
  row->longitude = FormatFixed(longitude, 9);
  row->time = TimeText(f);
  row->elevation = FormatFixed(m_elevation, 1);
  if (hasCourse) {
    char text[32];
    std::snprintf(text, sizeof text, "%3.f", course);
    row->course = text;
  } else {
    row->course = "Unknown";
  }
  row->rowCount = std::to_string(++m_rows);
  return true;
}

ConverterResult ReadNmeaPoints(const std::string& path, const NmeaThinning& thinning,
                               const std::function<bool(const NmeaPointRow&)>& onRow,
                               const ProgressFunction& progress) {
  ConverterResult result;
  if (path.empty()) {
    result.Error("Please select an NMEA log file.");
    return result;
  }
  InputFile input(path);
  if (!input) {
    result.Error("Error: Unable to open the file.");
    return result;
  }
  NmeaLogLineReader reader(input.get());
  NmeaPointsMaker maker(thinning);
  NmeaPointRow row;
  std::string_view line;
  unsigned long lines = 0;
  while (reader.Next(&line)) {
    if (progress && ++lines % kLinesPerProgress == 0) {
      long at = std::ftell(input.get());
      if (!progress(at > 0 ? static_cast<uint64_t>(at) : 0, input.Size())) {
        result.Error(kCancelledMessage);
        return result;
      }
    }
    if (maker.Line(line, &row) && !onRow(row)) return result;
  }
  if (reader.Failed()) result.Error("Error: Unable to open the file.");
  return result;
}

}  // namespace rovex::converters
