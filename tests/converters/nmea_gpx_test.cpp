#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "converter_test_util.h"
#include "converters/gpx_clipboard.h"
#include "converters/gpx_frame.h"
#include "converters/nmea_gpx_writer.h"
#include "converters/nmea_points.h"
#include "support/fake_clipboard.h"
#include "support/temp_dir.h"

namespace rovex::converters {
namespace {

using testing::TempDir;
using testing::WithChecksum;

// An RMC at a latitude given in decimal degrees north of 51, longitude 1 W.
std::string Rmc(double latitude, const char* time = "120000", const char* date = "150624", const char* course = "10.0",
                const char* status = "A") {
  double whole = std::floor(latitude);
  char body[160];
  std::snprintf(body, sizeof body, "$GPRMC,%s,%s,%02d%07.4f,N,00100.0000,W,20.0,%s,%s,,", time, status,
                static_cast<int>(whole), (latitude - whole) * 60.0, course, date);
  return WithChecksum(body);
}

std::vector<NmeaPointRow> Points(const std::string& log, const NmeaThinning& thinning) {
  NmeaPointsMaker maker(thinning);
  std::vector<NmeaPointRow> rows;
  std::istringstream in(log);
  NmeaPointRow row;
  for (std::string line; std::getline(in, line);) {
    if (maker.Line(line.substr(0, line.find('\r')), &row)) rows.push_back(row);
  }
  return rows;
}

// 150 m steps north: 150 / 111248.4 degrees.
constexpr double kStep = 150.0 / 111248.4;

TEST(NmeaPoints, DistanceIsMeasuredFromTheLastKeptPoint) {
  std::string log;
  for (int i = 0; i < 7; ++i) log += Rmc(51.0 + i * kStep);
  std::vector<NmeaPointRow> rows = Points(log, {});
  // Kept: 0, then 2 (300 m from 0), 4, 6.
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[1].latitude, "51.002696667");  // minutes written with 4 decimals
  EXPECT_EQ(rows[3].rowCount, "4");
  EXPECT_EQ(Points(log, {false, 200, false, 25}).size(), 1u) << "both filters off keep the first point only";
}

TEST(NmeaPoints, CourseChangeAcrossNorth) {
  std::string log = Rmc(51.0, "120000", "150624", "350") + Rmc(51.0001, "120001", "150624", "10") +
                    Rmc(51.0002, "120002", "150624", "30") + Rmc(51.0003, "120003", "150624", "60");
  // 350 -> 10 is 20 degrees: not kept at 25; 10 is not the new reference, so 30 (40 from 350) is.
  std::vector<NmeaPointRow> rows = Points(log, {false, 200, true, 25});
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1].course, " 30");
  EXPECT_EQ(rows[2].course, " 60");
  EXPECT_EQ(Points(log, {false, 200, true, 15}).size(), 4u);
}

TEST(NmeaPoints, RowTextsAndDates) {
  struct Case {
    const char* legend;
    std::string line;
    const char* time;
    const char* course;
  };
  const Case cases[] = {
      {"full date and time", Rmc(51.5, "235959.50", "311224"), "2024-12-31T23:59:59Z", " 10"},
      {"no time is noon", Rmc(51.5, "", "010203"), "2009-02-01T12:00:00Z", " 10"},
      {"years 00 to 08 count as 2009", Rmc(51.5, "000000", "010108"), "2009-01-01T00:00:00Z", " 10"},
      {"day and month 0 become 1", Rmc(51.5, "000000", "000015"), "2015-01-01T00:00:00Z", " 10"},
      {"no course", Rmc(51.5, "000000", "010115", ""), "2015-01-01T00:00:00Z", "Unknown"},
  };
  for (const Case& c : cases) {
    std::vector<NmeaPointRow> rows = Points(c.line, {});
    ASSERT_EQ(rows.size(), 1u) << c.legend;
    EXPECT_EQ(rows[0].time, c.time) << c.legend;
    EXPECT_EQ(rows[0].course, c.course) << c.legend;
    EXPECT_EQ(rows[0].latitude, "51.500000000") << c.legend;
    EXPECT_EQ(rows[0].longitude, "-1.000000000") << c.legend;
  }
}

TEST(NmeaPoints, SentencesThatGiveNoPoint) {
  std::string bad = Rmc(51.5);
  bad[bad.size() - 3] = bad[bad.size() - 3] == '0' ? '1' : '0';  // checksum digit
  const std::pair<const char*, std::string> cases[] = {
      {"status V", Rmc(51.5, "120000", "150624", "10", "V")},
      {"bad checksum", bad},
      {"valid status without a position", WithChecksum("$GPRMC,120000,A,,,,,0.0,0.0,150624,,")},
      {"no checksum at all", "$GPRMC,120000,A,5130.0000,N,00100.0000,W,20.0,10.0,150624,,\r\n"},
      {"other talker", WithChecksum("$GNRMC,120000,A,5130.0000,N,00100.0000,W,20.0,10.0,150624,,")},
  };
  for (const auto& [legend, line] : cases) EXPECT_TRUE(Points(line, {}).empty()) << legend;
}

class NmeaGpxFiles : public ::testing::Test {
 protected:
  TempDir dir;
  ConverterResult Convert(const std::string& log, GpxKind kind, NmeaThinning thinning = {}) {
    dir.Write("log.txt", log);
    NmeaToGpxOptions o;
    o.log = dir.File("log.txt");
    o.output = dir.File("out.gpx");
    o.kind = kind;
    o.thinning = thinning;
    return ConvertNmeaToGpx(o);
  }
};

TEST_F(NmeaGpxFiles, TrackGolden) {
  // The elevation of the last GGA with one carries to every point after it.
  std::string log = WithChecksum("$GPGGA,120000,5130.0000,N,00100.0000,W,1,08,0.9,12.04,M,47.0,M,,") +
                    Rmc(51.5, "120000", "") + WithChecksum("$GPGGA,120001,,,,,1,08,0.9,,M,47.0,M,,") +
                    Rmc(51.6, "120100", "");
  ConverterResult r = Convert(log, GpxKind::Track);
  EXPECT_EQ(r.Texts(), (std::vector<std::string>{"The GPX output file has been created."}));
  EXPECT_EQ(dir.Read("out.gpx"), GpxHeader() +
                                     "<time>2008-01-01T12:00:00Z</time>\n<trk>\n  <name>ACTIVE LOG</name>\n<trkseg>\n"
                                     "<trkpt lat=\"51.500000000\" lon=\"-1.000000000\">\n  <ele>12.0</ele>\n"
                                     "<time>2008-01-01T12:00:00Z</time>\n</trkpt>\n"
                                     "<trkpt lat=\"51.600000000\" lon=\"-1.000000000\">\n  <ele>12.0</ele>\n"
                                     "<time>2008-01-01T12:01:00Z</time>\n</trkpt>\n</trkseg>\n</trk>\n</gpx>\n");
}

TEST_F(NmeaGpxFiles, RouteGolden) {
  ASSERT_TRUE(Convert(Rmc(51.5) + Rmc(51.6), GpxKind::Route).ok);
  EXPECT_EQ(dir.Read("out.gpx"), GpxHeader() +
                                     "<rte>\n  <name>New Route</name>\n"
                                     "<rtept lat=\"51.500000000\" lon=\"-1.000000000\">\n<name>00001</name>\n</rtept>\n"
                                     "<rtept lat=\"51.600000000\" lon=\"-1.000000000\">\n<name>00002</name>\n</rtept>\n"
                                     "</rte>\n</gpx>\n");
}

TEST_F(NmeaGpxFiles, EmptyListLeavesTheOutputAndAMissingLogFails) {
  dir.Write("out.gpx", "keep");
  EXPECT_FALSE(Convert(Rmc(51.5, "120000", "150624", "10", "V"), GpxKind::Track).ok);
  EXPECT_EQ(dir.Read("out.gpx"), "keep");
  EXPECT_FALSE(ConvertNmeaToGpx({dir.File("none.txt"), dir.File("o.gpx"), GpxKind::Track, {}, {}}).ok);
}

// The written file is well-formed XML in the eyes of a real parser.
TEST_F(NmeaGpxFiles, OutputIsWellFormedXml) {
  if (std::system("command -v xmllint >/dev/null 2>&1") != 0) GTEST_SKIP() << "xmllint not installed";
  for (GpxKind kind : {GpxKind::Track, GpxKind::Route}) {
    ASSERT_TRUE(Convert(Rmc(51.5) + Rmc(51.6) + Rmc(51.7), kind).ok);
    std::string command = "xmllint --noout " + dir.File("out.gpx") + " 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0);
  }
}

// Our points of a real log against gpsbabel's reading of it: with thinning
// off, every point kept is one gpsbabel reads at the same time and place.
TEST(NmeaGpxInterop, SharedLogsAgreeWithGpsbabel) {
  std::string shared = testing::SharedDataDir();
  if (shared.empty()) GTEST_SKIP() << "shared data folder absent (../shared/data)";
  if (std::system("command -v gpsbabel >/dev/null 2>&1") != 0) GTEST_SKIP() << "gpsbabel not installed";
  TempDir dir;
  auto seconds = [](const std::string& iso) {  // of the day
    return std::stoi(iso.substr(11, 2)) * 3600 + std::stoi(iso.substr(14, 2)) * 60 + std::stoi(iso.substr(17, 2));
  };
  const std::regex trkpt(R"re(<trkpt lat="([-0-9.]+)" lon="([-0-9.]+)">[\s\S]*?<time>([^<]+)</time>)re");
  size_t compared = 0, logs = 0;
  for (const char* name : {"haicom-305N.log", "bu353s4.log", "garmin25lp.log", "magellan315.log", "motorola-t805.log",
                           "GPSmap-76S.log", "com-1289.log", "garmin48.log"}) {
    std::string log = shared + "/nmea/gpsd/" + name;
    if (!std::filesystem::exists(log)) continue;
    std::string command = "TZ=UTC gpsbabel -i nmea -f " + log + " -o gpx -F " + dir.File("babel.gpx") + " 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << name;
    std::string text = dir.Read("babel.gpx");
    std::map<int, std::pair<double, double>> byTime;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), trkpt); it != std::sregex_iterator(); ++it)
      byTime[seconds((*it)[3].str())] = {std::stod((*it)[1].str()), std::stod((*it)[2].str())};
    std::vector<NmeaPointRow> rows;
    auto keep = [&](const NmeaPointRow& row) { return rows.push_back(row), true; };
    ASSERT_TRUE(ReadNmeaPoints(log, {true, -1.0, false, 0}, keep).ok) << name;
    ++logs;
    // gpsbabel passes over the first fix of some receivers, and for receivers
    // that send RMC before GGA it dates each GGA position by the RMC before:
    // a point is found when gpsbabel has it within a second of our time.
    size_t found = 0;
    for (const NmeaPointRow& row : rows) {
      for (int dt : {0, 1, -1}) {
        auto it = byTime.find(seconds(row.time) + dt);
        if (it != byTime.end() && std::fabs(it->second.first - std::stod(row.latitude)) < 2e-6 &&
            std::fabs(it->second.second - std::stod(row.longitude)) < 2e-6) {
          ++found;
          break;
        }
      }
    }
    compared += rows.size();
    EXPECT_GE(found + 2, rows.size()) << name;
    EXPECT_GE(found * 10, rows.size() * 9) << name;
  }
  if (logs == 0) GTEST_SKIP() << "none of the compared logs is present";
  EXPECT_GT(compared, 100u);
}

TEST(GpxClipboard, CopiesTheFileOrSaysWhy) {
  TempDir dir;
  dir.Write("a.gpx", "<gpx>\r\n<wpt/>\n</gpx>");
  testing::FakeClipboard clipboard;
  EXPECT_TRUE(CopyGpxFileToClipboard(dir.File("a.gpx"), clipboard).ok);
  EXPECT_EQ(clipboard.texts, (std::vector<std::string>{"<gpx>\r\n<wpt/>\n</gpx>"}));
  EXPECT_FALSE(CopyGpxFileToClipboard(dir.File("none"), clipboard).ok);
  clipboard.failWith = ClipboardResult::SetFailed;
  EXPECT_FALSE(CopyGpxFileToClipboard(dir.File("a.gpx"), clipboard).ok);
}

}  // namespace
}  // namespace rovex::converters
