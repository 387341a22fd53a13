#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "gps/track_ring.h"
#include "nmea/gps_fix.h"

// The record file: a snapshot of the fix and of the displayed track that File
// Save writes and File Open puts back, and the one-line marks that Mark
// Location appends to the marked-spots file.

namespace rovex {

inline constexpr const char* kRecordFirstLine = "ROVEX record file";

// The whole record file as Save writes it. The ring's slots 0 .. Length()-1
// follow in slot order; without a ring (recording off) the count line is 0 and
// no point lines follow, so the count never promises points that are absent.
std::string FormatPositionRecord(const GpsFix& fix, int timeZone, const TrackRing* ring);

// What a record file gives back. The lines read so far stay set even when
// the reading stopped early.
struct PositionRecord {
  enum class Status {
    Complete,     // every line up to the points was read
    NotARecord,   // the first line is not "ROVEX record file": nothing is taken from it
    ReadError,    // a line before the points is missing
  };
  Status status = Status::ReadError;
  int linesRead = 0;          // the values of these lines are set
  int utcHour = 0, utcMinute = 0, utcSecond = 0;
  double latitude = 0.0, longitude = 0.0;
  bool positionRead = false;  // the longitude line was reached
  int writeIndex = -1;
  int pointCount = 500;       // line 13, brought into 500..5000
  std::vector<TrackRing::Point> points;  // as many as the file holds, up to pointCount
};

PositionRecord ParsePositionRecord(const std::string& content);

// Refills a fresh ring from a record: its points into the slots that exist,
// and the write index put back when it names one of them, so a ring that had
// wrapped is drawn from its oldest point on.
void RestoreRing(const PositionRecord& record, TrackRing& ring);

// One marked-spots line: "%f,%f,%s,,,,, \n" with the local date and time in
// the form "Sat Dec 05 04:24:05 2026" (English names, whatever the locale).
std::string FormatMarkLine(double latitude, double longitude, const std::tm& local);

}  // namespace rovex
