#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "converters/add_new_lines.h"
#include "converters/gpx_points_reader.h"
#include "converters/gpx_route_converter.h"
#include "converters/josm_converter.h"
#include "converters/synthetic_nmea.h"
#include "nmea/nmea_sentence.h"
#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace rovex::converters {
namespace {

using testing::TempDir;

using testing::ReadWholeFile;

std::string DataFile(const std::string& name) {
  return ReadWholeFile(ROVEX_SOURCE_DIR "/tests/converters/data/" + name);
}

struct Counter final : GpxPointsHandler {
  std::map<GpxPointKind, int> points;
  int missing = 0;
  std::vector<GpxPoint> all;
  void Point(const GpxPoint& p) override {
    ++points[p.kind];
    all.push_back(p);
  }
  void MissingCoordinate(std::size_t) override { ++missing; }
};

TEST(GpxPointsReader, LayoutsThatLineReadersGetWrong) {
  struct Case {
    const char* legend;
    const char* text;
    const char* lat;
    const char* lon;
    const char* name;
  };
  const Case cases[] = {
      {"lon before lat", "<trkpt lon=\"2.5\" lat=\"1.5\"></trkpt>", "1.5", "2.5", ""},
      {"single quotes and blanks", "<wpt lat = '1' lon='2'><name>a</name></wpt>", "1", "2", "a"},
      {"name on the next line", "<wpt lat=\"1\" lon=\"2\">\n\n<name>\nN</name></wpt>", "1", "2", "\nN"},
      {"CDATA name with a bracket", "<wpt lat=\"1\" lon=\"2\"><name><![CDATA[a]b<c]]></name></wpt>", "1", "2",
       "a]b<c"},
      {"entities", "<wpt lat=\"1\" lon=\"2\"><name>&lt;&amp;&#233;&#x20AC;&bogus;</name></wpt>", "1", "2",
       "<&é€&bogus;"},
      {"prefixed elements", "<gpx:wpt lat=\"1\" lon=\"2\"><gpx:name>p</gpx:name></gpx:wpt>", "1", "2", "p"},
      {"nested names are not the point's", "<wpt lat=\"1\" lon=\"2\"><link><name>x</name></link><name>y</name></wpt>",
       "1", "2", "y"},
      {"file ends inside the point", "<trkpt lat=\"1\" lon=\"2\"><name>cut", "1", "2", "cut"},
      {"comments are skipped whole", "<!-- > <wpt lat=\"9\" lon=\"9\"/> --><wpt lat=\"1\" lon=\"2\"/>", "1", "2", ""},
      {"Latin-1 name", "<wpt lat=\"1\" lon=\"2\"><name>Z\xfcrich</name></wpt>", "1", "2", "Zürich"},
  };
  for (const Case& c : cases) {
    Counter counter;
    ReadGpxPoints(c.text, counter);
    ASSERT_EQ(counter.all.size(), 1u) << c.legend;
    EXPECT_EQ(counter.all[0].latitude, c.lat) << c.legend;
    EXPECT_EQ(counter.all[0].longitude, c.lon) << c.legend;
    EXPECT_EQ(counter.all[0].name, c.name) << c.legend;
  }
}

// Every GPX file of the shared data reads, with the point counts its README gives.
TEST(GpxPointsReader, SharedFilesMatchTheirReadmeCounts) {
  std::string shared = testing::SharedDataDir();
  if (shared.empty()) GTEST_SKIP() << "shared data folder absent (../shared/data)";
  std::string readme = ReadWholeFile(shared + "/README.md");
  std::regex row(R"(\| `([^`]+\.gpx)` \|[^\n]*\| (\d+) / (\d+)\((\d+)\) / (\d+)\((\d+), (\d+)\) \|)");
  int files = 0;
  for (auto it = std::sregex_iterator(readme.begin(), readme.end(), row); it != std::sregex_iterator(); ++it) {
    const std::smatch& m = *it;
    std::string path = shared + "/gpx/" + m[1].str();
    if (!std::filesystem::exists(path)) continue;
    ++files;
    Counter counter;
    std::string text = ReadWholeFile(path);
    ReadGpxPoints(text, counter);
    EXPECT_EQ(counter.points[GpxPointKind::Waypoint], std::stoi(m[2])) << m[1];
    EXPECT_EQ(counter.points[GpxPointKind::RoutePoint], std::stoi(m[4])) << m[1];
    EXPECT_EQ(counter.points[GpxPointKind::TrackPoint], std::stoi(m[7])) << m[1];
    EXPECT_EQ(counter.missing, 0) << m[1];
  }
  EXPECT_GE(files, 20);
}

TEST(GpxToRoute, RouteGolden) {
  TempDir dir;
  dir.Write("r.gpx", DataFile("route.gpx"));
  ConverterResult r = ConvertGpxRouteToCsv({dir.File("r.gpx"), dir.File("r.csv"), false, {}});
  EXPECT_EQ(dir.Read("r.csv"), DataFile("route.expected"));
  EXPECT_EQ(r.Texts(), (std::vector<std::string>{"Error missing 'lat=' or \" in or before line 11.",
                                                 "14 lines processed.\n\nConversion complete."}));
  EXPECT_TRUE(r.ok);
  // Appending adds the points again.
  ConvertGpxRouteToCsv({dir.File("r.gpx"), dir.File("r.csv"), true, {}});
  EXPECT_EQ(dir.Read("r.csv"), DataFile("route.expected") + DataFile("route.expected"));
}

TEST(GpxToRoute, TrackPointsNumberedPastNineHundredNinetyNine) {
  TempDir dir;
  std::string gpx = "<gpx><trk><trkseg>\n";
  for (int i = 0; i < 1000; ++i) gpx += "<trkpt lat=\"1\" lon=\"2\"></trkpt>\n";
  gpx += "</trkseg></trk></gpx>";
  dir.Write("t.gpx", gpx);
  ConverterResult r = ConvertGpxTrackToCsv({dir.File("t.gpx"), dir.File("t.csv"), false, {}});
  std::string csv = dir.Read("t.csv");
  EXPECT_EQ(csv.substr(0, 18), "2,1,P001,Trk001\n2,");
  EXPECT_NE(csv.find("2,1,P999,Trk999\n2,1,P1000,Trk1000\n"), std::string::npos);
  EXPECT_EQ(r.Texts(), (std::vector<std::string>{"Input 1002 lines processed.\nOutput 1000 lines processed.\n\n"
                                                 "Conversion complete."}));
}

TEST(SyntheticNmea, FieldsAndSentences) {
  struct Case {
    double value;
    bool latitude;
    const char* field;
  };
  const Case cases[] = {
      {51.5083333, true, "5130.5000,N,"},   {0.12, false, "00007.2000,E,"},     {-33.5, true, "3330.0000,S,"},
      {-0.12, false, "00007.2000,W,"},      {10.9999999, true, "1100.0000,N,"}, {-179.99999999, false, "18000.0000,W,"},
      {0.0, true, "0000.0000,N,"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.latitude ? NmeaLatitudeField(c.value) : NmeaLongitudeField(c.value), c.field) << c.value;
  }
  EXPECT_EQ(NmeaTimeField(360000000 + 1234), "1000001.234,");
  std::string gga = SyntheticGga(1000, -33.5, 151.25), rmc = SyntheticRmc(1000, -33.5, 151.25);
  EXPECT_TRUE(ValidateChecksum(gga.substr(0, gga.size() - 1))) << gga;
  EXPECT_TRUE(ValidateChecksum(rmc.substr(0, rmc.size() - 1))) << rmc;
}

TEST(JosmToMap, SectionsTimesAndTheMapFile) {
  TempDir dir;
  dir.Write("j.gpx",
            "<gpx><trk>\n<trkseg>\n<trkpt lat=\"51.5\" lon=\"-0.25\"/>\n<trkpt lat=\"51.6\" lon=\"-0.25\"/>\n"
            "</trkseg>\n<trkseg>\n<trkpt lon=\"1.0\" lat=\"-1.0\"/>\n</trkseg>\n</trk></gpx>\n");
  ConverterResult r = ConvertJosmToMapProject({dir.File("j.gpx"), dir.File("walk.TXT"), {}});
  ASSERT_TRUE(r.ok) << r.Texts()[0];
  EXPECT_EQ(r.Texts(), (std::vector<std::string>{"Input 9 lines processed.\nOutput 3 lines processed.\n\n"
                                                 "Conversion complete."}));
  std::string base = dir.File("walk");
  EXPECT_EQ(dir.Read("walk.txt"), ";ROVEX Track Editor\nMapDesc:JOSM Convert: " + dir.File("j.gpx") +
                                      "\nzoom:1\nTrkDesc:Track000001\nTrkPath:" + base +
                                      "-Track000001.txt\nTrkDesc:Track000002\nTrkPath:" + base +
                                      "-Track000002.txt\nTrkDesc:Track000003\nTrkPath:" + base + "-Track000003.txt\n");
  std::string first = dir.Read("walk-Track000001.txt");
  EXPECT_EQ(first.substr(0, 44), "$GPGGA,000001.000,5130.0000,N,00015.0000,W,1");
  EXPECT_NE(first.find("$GPRMC,000002.000,A,5136.0000,N,"), std::string::npos);
  // The second section goes on one second after the first one ends.
  EXPECT_EQ(dir.Read("walk-Track000002.txt").substr(0, 44), "$GPGGA,000003.000,0100.0000,S,00100.0000,E,1");
  EXPECT_EQ(dir.Read("walk-Track000003.txt"), "");
}

TEST(AddNewLines, Markers) {
  struct Case {
    const char* legend;
    const char* in;
    const char* out;
  };
  const Case cases[] = {
      {"each marker", "<trk><name>a</name><trkseg><trkpt lat=\"1\"/></trkpt></trkseg></trk>",
       "<trk>\n<name>a</name>\n<trkseg>\n<trkpt lat=\"1\"/>\n</trkpt>\n</trkseg>\n</trk>\n"},
      {"a marker cut off at the end is kept", "<wpt/></tr", "<wpt/>\n</tr"},
      {"a failed match that starts another", "<<trk>", "<<trk>\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(AddNewLinesToText(c.in), c.out) << c.legend;
}

TEST(AddNewLines, FilesAndChecks) {
  TempDir dir;
  dir.Write("a.gpx", "<wpt lat=\"1\" lon=\"2\"></wpt><wpt lat=\"3\" lon=\"4\"></wpt>");
  ConverterResult r = AddNewLines({dir.File("a.gpx"), dir.File("b.gpx"), {}});
  EXPECT_EQ(dir.Read("b.gpx"), "<wpt lat=\"1\" lon=\"2\"></wpt>\n<wpt lat=\"3\" lon=\"4\"></wpt>\n");
  EXPECT_EQ(AddNewLines({dir.File("a.gpx"), dir.Path() + "/./a.gpx", {}}).Texts(),
            (std::vector<std::string>{"The source and destination file names can not be the same."}));
}

}  // namespace
}  // namespace rovex::converters
