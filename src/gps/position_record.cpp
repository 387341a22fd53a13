#include "gps/position_record.h"

#include <cstdio>
#include <algorithm>
#include <cstdlib>

#include "nmea/c_number.h"
#include "platform/c_format.h"

namespace rovex {
namespace {

constexpr std::size_t kRecordLineLimit = 253;

// "%f\n" with a decimal point whatever the locale.
std::string Decimal(double value) { return FormatFixed(value, 6) + "\n"; }

std::string Printf(const char* format, int value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// The lines of a record, each cut to the reader's limit and without up to two
// trailing CR or LF characters.
class RecordLines {
 public:
  explicit RecordLines(const std::string& content) : m_content(content) {}
  bool Next(std::string* line) {
    if (m_pos >= m_content.size()) return false;
    std::size_t end = m_content.find('\n', m_pos);
    std::size_t next = end == std::string::npos ? m_content.size() : end + 1;
    std::string text = m_content.substr(m_pos, next - m_pos);
    m_pos = next;
    if (text.size() > kRecordLineLimit) text.resize(kRecordLineLimit);
    for (int i = 0; i < 2 && !text.empty() && (text.back() == '\n' || text.back() == '\r'); ++i) text.pop_back();
    *line = text;
    return true;
  }

 private:
  const std::string& m_content;
  std::size_t m_pos = 0;
};

// A time field out of its range (a damaged file) reads as 0, so that no
// later arithmetic on the clock can overflow.
int ClockField(const std::string& line, int largest) {
  const int value = CAtoi(line.c_str());
  return value < 0 || value > largest ? 0 : value;
}

}  // namespace

std::string FormatPositionRecord(const GpsFix& fix, int timeZone, const TrackRing* ring) {
  int localHour = (fix.utcHour + timeZone) % 24;
  if (localHour < 0) localHour += 24;
  std::string out = std::string(kRecordFirstLine) + "\nTime\n";
  char time[64];
  std::snprintf(time, sizeof time, "%d:%2.2d:%2.2d\n", localHour, fix.utcMinute, fix.utcSecond);
  out += time;
  out += Printf("%d\n", fix.utcHour) + Printf("%d\n", fix.utcMinute) + Printf("%d\n", fix.utcSecond);
  out += "Latitude\n" + Decimal(fix.latitude);
  out += "Longitude\n" + Decimal(fix.longitude);
  out += "Track\n";
  if (ring) {
    out += Printf("%d\n", ring->WriteIndex()) + Printf("%d\n", ring->Length());
    for (int i = 0; i < ring->Length(); ++i) {
      const TrackRing::Point& p = ring->Slot(i);
      out += Decimal(p.latitude) + Decimal(p.longitude);
    }
  } else {
    out += "0\n0\n";
  }
  out += "End Of file";
  return out;
}

PositionRecord ParsePositionRecord(const std::string& content) {
  PositionRecord r;
  RecordLines lines(content);
  std::string line;
  if (!lines.Next(&line)) return r;
  if (line != kRecordFirstLine) {
    r.status = PositionRecord::Status::NotARecord;
    return r;
  }
  r.linesRead = 1;
  for (int number = 2; number <= 13; ++number) {
    if (!lines.Next(&line)) return r;
    r.linesRead = number;
    switch (number) {
      case 4: r.utcHour = ClockField(line, 23); break;
      case 5: r.utcMinute = ClockField(line, 59); break;
      case 6: r.utcSecond = ClockField(line, 59); break;
      case 8: r.latitude = CAtof(line.c_str()); break;
      case 10:
        r.longitude = CAtof(line.c_str());
        r.positionRead = true;
        break;
      case 12: r.writeIndex = CAtoi(line.c_str()); break;
      case 13: {
        const int n = CAtoi(line.c_str());
        r.pointCount = n < 500 || n > 5000 ? 500 : n;
        break;
      }
      default: break;
    }
  }
  r.status = PositionRecord::Status::Complete;
  // A record may hold fewer points than its count: the points end at the end
  // line or at the end of the file.
  while (static_cast<int>(r.points.size()) < r.pointCount) {
    std::string latitude, longitude;
    if (!lines.Next(&latitude) || latitude == "End Of file") break;
    if (!lines.Next(&longitude) || longitude == "End Of file") break;
    r.points.push_back({CAtof(latitude.c_str()), CAtof(longitude.c_str())});
  }
  return r;
}

void RestoreRing(const PositionRecord& record, TrackRing& ring) {
  const int count = std::min(static_cast<int>(record.points.size()), ring.SlotCount());
  for (int i = 0; i < count; ++i) ring.SetSlot(i, record.points[static_cast<size_t>(i)].latitude,
                                               record.points[static_cast<size_t>(i)].longitude);
  if (record.writeIndex >= 0 && record.writeIndex < count) ring.SetWriteIndex(record.writeIndex);
}

std::string FormatMarkLine(double latitude, double longitude, const std::tm& local) {
  static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const int day = local.tm_wday >= 0 && local.tm_wday < 7 ? local.tm_wday : 0;
  const int month = local.tm_mon >= 0 && local.tm_mon < 12 ? local.tm_mon : 0;
  char when[64];
  std::snprintf(when, sizeof when, "%s %s %02d %02d:%02d:%02d %d", kDays[day], kMonths[month], local.tm_mday % 100,
                local.tm_hour % 100, local.tm_min % 100, local.tm_sec % 100, local.tm_year + 1900);
  return FormatFixed(latitude, 6) + "," + FormatFixed(longitude, 6) + "," + when + ",,,,, \n";
}

}  // namespace rovex
