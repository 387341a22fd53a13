#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "converter_test_util.h"
#include "converters/camera_converters.h"
#include "converters/camera_csv_line.h"
#include "converters/ov2_reader.h"
#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace rovex::converters {
namespace {

using testing::Le32;
using testing::Ov2Extended;
using testing::Ov2Poi;
using testing::Ov2Skipper;
using testing::ReadWholeFile;
using testing::TempDir;

// The common rules are in the pocketgps.csv golden below; these are the rest.
TEST(CameraCsvLine, RulesOfThePocketGpsAndGarminLists) {
  struct Case {
    const char* legend;
    const char* line;
    const char* expected;
  };
  const Case cases[] = {
      {"mobile in any case is not permanent", "1,2,mobile@40,X", "2,1,mobile@40,X,,mobile@40,No,40\n"},
      {"speed after the last at, three characters", "1,2,A@B@1234,X", "2,1,A@B@1234,X,,A@B@1234,Yes,123\n"},
      {"empty columns count", "1,,,Town", ",1,,Town,,,Yes,\n"},
      {"unclosed quote splits at commas", "1,2,\"GATSO,Town", "2,1,GATSO,Town,,GATSO,Yes,\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CameraFileLine(CameraFromCsvLine(c.line)), c.expected) << c.legend;
  }
}

TEST(CameraCsvLine, MultiFileNamesAndTypePrefix) {
  struct Case {
    const char* legend;
    const char* line;
    bool prefix;
    const char* expected;
  };
  const Case cases[] = {
      {"name after the last dash", "1,2,12-GATSO@30,X", false, "2,1,GATSO@30,X,,GATSO@30,Yes,30\n"},
      {"the last p wins over a dash", "1,2,a-bpSPECS@5,X", false, "2,1,SPECS@5,X,Calcs speed cam to cam,SPECS@5,Yes,5\n"},
      {"type prefix names the kind word and speed", "1,2,xGATSO zz@30,X", true, "2,1,GATSO@30,X,,GATSO@30,Yes,30\n"},
      {"a later kind word replaces an earlier one", "1,2,GATSO MOBILE@9,X", true, "2,1,MOBILE@9,X,,MOBILE@9,Yes,9\n"},
      {"kind words are case sensitive", "1,2,mobile@30,X", true, "2,1,mobile@30,X,,mobile@30,No,30\n"},
      {"lower-case t in a name", "1,2,Gatso@30,X", false, "2,1,so@30,X,,so@30,Yes,30\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CameraFileLine(CameraFromMultiCsvLine(c.line, c.prefix)), c.expected) << c.legend;
  }
}

TEST(MultiOv2Name, LettersAndPrefix) {
  EXPECT_EQ(MultiOv2Name("Speed camera", false), "Seed camera");
  EXPECT_EQ(MultiOv2Name("REDSPEED cam@40 x", true), "REDSPEED@40 x");
}

TEST(Ov2Reader, RecordTypesAndEveryBadLength) {
  struct Case {
    const char* legend;
    std::string bytes;
    bool ok;
    unsigned records;
    const char* errorPart;
  };
  const std::string poi = Ov2Poi(-133713, 5138422, "GATSO@30");
  const Case cases[] = {
      {"only skippers", Ov2Skipper(42) + Ov2Skipper(21), true, 0, ""},
      {"deleted record passed over by its length", std::string(1, '\0') + Le32(9) + "abcd" + poi, true, 1, ""},
      {"type above 3 ends the file", poi + "\x04garbage", true, 1, ""},
      {"length 0 would loop for ever", poi + std::string(1, '\0') + Le32(0), false, 1, "offset 22"},
      {"negative length", std::string(1, '\x02') + Le32(-5) + Le32(0) + Le32(0) + "x", false, 0, "offset 0"},
      {"length past the end", poi.substr(0, poi.size() - 1), false, 0, "runs past the end"},
      {"header cut off", poi + "\x02\x10", false, 1, "offset 22 is cut off"},
      {"skipper cut off", Ov2Skipper(21).substr(0, 10), false, 0, "cut off"},
      {"POI too short for its coordinates", std::string(1, '\x02') + Le32(10) + "12345", false, 0, "impossible length"},
      {"coordinates out of range are skipped", Ov2Poi(18000001, 0, "x") + poi, true, 1, ""},
  };
  for (const Case& c : cases) {
    Ov2ReadSummary s = ReadOv2(c.bytes, [](const Ov2Record&) { return true; });
    EXPECT_EQ(s.ok, c.ok) << c.legend;
    EXPECT_EQ(s.records, c.records) << c.legend;
    EXPECT_NE(s.error.find(c.errorPart), std::string::npos) << c.legend << ": " << s.error;
  }
}

TEST(Ov2Reader, NameWithoutNulStopsAtTheRecordEnd) {
  std::string bytes = std::string(1, '\x02') + Le32(16) + Le32(1) + Le32(2) + "abc" + Ov2Poi(3, 4, "next");
  std::vector<std::string> names;
  ReadOv2(bytes, [&](const Ov2Record& r) { return names.push_back(r.name), true; });
  EXPECT_EQ(names, (std::vector<std::string>{"abc", "next"}));
}

class CameraFiles : public ::testing::Test {
 protected:
  TempDir dir;
  ConverterResult Convert(bool pocketGps, const std::string& source, bool append = false) {
    CameraConvertOptions o{dir.File(source), dir.File("cams.txt"), append, {}};
    return pocketGps ? ConvertPocketGpsCameras(o) : ConvertGarminCameras(o);
  }
};

TEST_F(CameraFiles, PocketGpsGoldenWithHeaderBlankLineAndLastLineWithoutLineEnd) {
  dir.Write("list.csv", ReadWholeFile(ROVEX_SOURCE_DIR "/tests/converters/data/pocketgps.csv"));
  EXPECT_EQ(Convert(true, "list.csv").Texts().back(), "7 lines processed.\n\nConversion complete.");
  EXPECT_EQ(dir.Read("cams.txt"), ReadWholeFile(ROVEX_SOURCE_DIR "/tests/converters/data/pocketgps.expected"));
}

TEST_F(CameraFiles, GarminConvertsTheFirstLineAndAppendDoubles) {
  dir.Write("g.csv", "1,2,GATSO@30,A\n3,4,SPECS,B\n");
  const std::string once = "2,1,GATSO@30,A,,GATSO@30,Yes,30\n4,3,SPECS,B,Calcs speed cam to cam,SPECS,Yes,\n";
  Convert(false, "g.csv");
  EXPECT_EQ(dir.Read("cams.txt"), once);
  Convert(false, "g.csv", true);
  EXPECT_EQ(dir.Read("cams.txt"), once + once);
}

TEST_F(CameraFiles, Ov2SingleAndExtendedRecords) {
  dir.Write("c.ov2", Ov2Skipper(21) + Ov2Poi(-133713, 5138422, "GATSO@30") +
                         Ov2Extended(100000, -200000, "Name", "Town, X", "Type"));
  EXPECT_EQ(Convert(true, "c.ov2").Texts().back(), "2 lines processed.\n\nConversion complete.");
  EXPECT_EQ(dir.Read("cams.txt"),
            "51.384220,-1.337130,GATSO@30,,,GATSO@30,,\n-2.000000,1.000000,Name,Town; X,,Type,,\n");
}

TEST_F(CameraFiles, DamagedOv2LeavesTheDestinationAsItWas) {
  dir.Write("cams.txt", "old\n");
  dir.Write("bad.ov2", Ov2Poi(1, 2, "a") + std::string(1, '\0') + Le32(0));
  ConverterResult r = Convert(true, "bad.ov2");
  EXPECT_EQ(dir.Read("cams.txt"), "old\n");
  EXPECT_FALSE(r.ok);
  ASSERT_EQ(r.Texts().size(), 1u);
  EXPECT_NE(r.Texts()[0].find("offset 15"), std::string::npos) << r.Texts()[0];
}

TEST_F(CameraFiles, CancelLeavesNothingBehind) {
  std::string csv = "header\n";
  for (int i = 0; i < 10000; ++i) csv += "1,2,GATSO@30,Town\n";
  dir.Write("big.csv", csv);
  ConverterResult r = ConvertPocketGpsCameras(
      {dir.File("big.csv"), dir.File("cams.txt"), false, [](uint64_t, uint64_t) { return false; }});
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.Texts(), (std::vector<std::string>{kCancelledMessage}));
  EXPECT_FALSE(std::filesystem::exists(dir.File("cams.txt")));
  EXPECT_EQ(std::filesystem::directory_iterator(dir.Path())->path().filename(), "big.csv");
}

TEST_F(CameraFiles, MultiConvertsEverySourceAndReportsTheFailedOne) {
  dir.Write("a.csv", "header\n1,2,12-GATSO@30,A\n");
  dir.Write("b.ov2", Ov2Poi(300000, 400000, "UK-SPECS zone@50"));
  MultiCameraConvertOptions o{{dir.File("a.csv"), dir.File("gone.csv"), dir.File("b.ov2")}, dir.File("cams.txt"),
                              false, true, {}};
  ConverterResult r = ConvertMultiPocketGpsCameras(o);
  EXPECT_EQ(dir.Read("cams.txt"),
            "2,1,GATSO@30,A,,GATSO@30,Yes,30\n4.000000,3.000000,SPECS@50,,,SPECS@50,,50\n");
  EXPECT_EQ(r.Texts(), (std::vector<std::string>{"Error can't open source file\n" + dir.File("gone.csv"),
                                                 "3 lines processed.\n\nConversion complete."}));
}

TEST_F(CameraFiles, RefusedDestinations) {
  dir.Write("cams.txt", "header\n1,2,X,Y\n");
  EXPECT_FALSE(ConvertGarminCameras({dir.File("cams.txt"), dir.File("cams.txt"), true, {}}).ok) << "itself";
  EXPECT_EQ(dir.Read("cams.txt"), "header\n1,2,X,Y\n");
  EXPECT_EQ(ConvertPocketGpsCameras({dir.File("cams.txt"), dir.File("no/dir/c.txt"), false, {}}).Texts(),
            (std::vector<std::string>{"Error can't open destination file\n" + dir.File("no/dir/c.txt")}));
}

// tomtom.ov2 against the decoding of the same file in tomtom.gpx.
TEST(CameraInterop, TomTomOv2MatchesItsGpxDecoding) {
  std::string shared = testing::SharedDataDir();
  if (shared.empty()) GTEST_SKIP() << "shared data folder absent (../shared/data)";
  TempDir dir;
  ASSERT_TRUE(ConvertPocketGpsCameras({shared + "/ov2/tomtom.ov2", dir.File("c.txt"), false, {}}).ok);
  std::string gpx = ReadWholeFile(shared + "/ov2/tomtom.gpx");
  std::istringstream ours(dir.Read("c.txt"));
  std::regex wpt(R"re(<wpt lat="([-0-9.]+)" lon="([-0-9.]+)">\s*<name>([^<]*)</name>)re");
  std::regex line("([-0-9.]+),([-0-9.]+),([^,]*),[^,]*,[^,]*,([^,]*),[^,]*,[^,]*");
  std::string text;
  std::smatch m;
  std::size_t points = 0;
  for (auto it = std::sregex_iterator(gpx.begin(), gpx.end(), wpt); it != std::sregex_iterator(); ++it, ++points) {
    ASSERT_TRUE(std::getline(ours, text));
    ASSERT_TRUE(std::regex_match(text, m, line)) << text;
    EXPECT_NEAR(std::stod(m[1]), std::stod((*it)[1]), 1e-5) << text;
    EXPECT_NEAR(std::stod(m[2]), std::stod((*it)[2]), 1e-5) << text;
    std::string name = std::regex_replace((*it)[3].str(), std::regex(","), ";");
    name = std::regex_replace(name, std::regex("&amp;"), "&");
    EXPECT_EQ(m[3], name);
    EXPECT_EQ(m[4], name);
  }
  EXPECT_EQ(points, 54u);
  EXPECT_FALSE(std::getline(ours, text));
}

}  // namespace
}  // namespace rovex::converters
