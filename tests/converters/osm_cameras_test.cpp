#include "converters/osm_cameras.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <osmium/memory/buffer.hpp>

#include "converters/speedcam_dialog.h"
#include "osm/osm_input.h"
#include "support/cli_runner.h"
#include "support/fake_prompt.h"
#include "support/temp_dir.h"

namespace rovex::converters {
namespace {

using testing::RunCliCapture;
using testing::TempDir;

std::string Osm(const std::string& body) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<osm version=\"0.6\">\n" + body + "</osm>\n";
}

std::string Camera(const char* lat, const char* lon, const std::string& tags = "") {
  return std::string("<node id=\"1\" lat=\"") + lat + "\" lon=\"" + lon +
         "\">\n<tag k=\"highway\" v=\"speed_camera\"/>\n" + tags + "</node>\n";
}

std::string Tag(const char* k, const char* v) { return std::string("<tag k=\"") + k + "\" v=\"" + v + "\"/>\n"; }

std::string Extract(const std::string& xml, SpeedcamOutput output = SpeedcamOutput::Rovex) {
  OsmCameraExtractor extractor(output);
  std::string lines;
  osm::OsmReadResult read = osm::ReadOsmBytes(xml, "osm", osmium::osm_entity_bits::node,
                                               [&](osmium::memory::Buffer& b) { extractor.Extract(b, &lines); });
  EXPECT_TRUE(read.ok) << read.error;
  return lines;
}

// Plain nodes, a way with the camera tag and three cameras: only the cameras
// count, numbered in file order, the note upper-cased, maxspeed's leading digits.
TEST(OsmCameras, CamerasOfAFileNumberedInOrder) {
  const std::string xml = Osm(
      "<node id=\"5\" lat=\"1\" lon=\"2\"/>\n" + Camera("42.5231888", "1.5616078") +
      "<node id=\"6\" lat=\"3\" lon=\"4\">\n" + Tag("highway", "traffic_signals") + "</node>\n" +
      Camera("-33.25", "151.125", Tag("maxspeed", "60") + Tag("name", "x")) +
      Camera("51.5", "-0.12", Tag("note", "gatso") + Tag("maxspeed", "30 mph")) +
      "<way id=\"9\"><nd ref=\"5\"/><nd ref=\"6\"/>" + Tag("highway", "speed_camera") + "</way>\n");
  EXPECT_EQ(Extract(xml),
            "42.523189,1.561608,GATSO,1,,GATSO:1@0,,0\n"
            "-33.250000,151.125000,GATSO,2,,GATSO:2@60,,60\n"
            "51.500000,-0.120000,GATSO,3,,GATSO:3@30,,30\n");
  EXPECT_EQ(Extract(xml, SpeedcamOutput::Igo),
            "1.561608,42.523189,1,0,0,0\n151.125000,-33.250000,1,60,0,0\n-0.120000,51.500000,1,30,0,0\n");
}

TEST(OsmCameras, SingleQuotedAttributesAsJosmWritesThem) {
  const std::string xml =
      "<?xml version='1.0' encoding='UTF-8'?>\n<osm version='0.6' generator='JOSM'>\n"
      "  <node id='-1' action='modify' lat='51.5' lon='-0.12'>\n"
      "    <tag k='highway' v='speed_camera' />\n    <tag k='note' v='specs' />\n"
      "    <tag k='maxspeed' v='50' />\n  </node>\n</osm>\n";
  EXPECT_EQ(Extract(xml), "51.500000,-0.120000,SPECS,1,,SPECS:1@50,,50\n");
}

// A note is free text: its commas and line ends would make new fields and lines.
TEST(OsmCameras, NoteCommasAndLineEndsStayInsideTheField) {
  const std::string xml = Osm(Camera("10", "20", Tag("note", "fixed, rear&#10;facing")));
  EXPECT_EQ(Extract(xml), "10.000000,20.000000,FIXED; REAR FACING,1,,FIXED; REAR FACING:1@0,,0\n");
  EXPECT_EQ(SpeedcamType(std::string(400, 'a').c_str()), std::string(299, 'A'));
}

TEST(OsmCameras, IgoTypeCodesFirstMatchWins) {
  const std::pair<const char*, int> cases[] = {
      {"red light", 1},  // RED LIGHT does not contain REDLIGHT
      {"redlight", 3},   {"redlight combined", 3}, {"combined", 2}, {"Mobile SPECS", 4},
      {"section", 4},    {"mobile", 5},            {"truvelo", 1},
  };
  for (const auto& [note, code] : cases) {
    const std::string line = Extract(Osm(Camera("1", "2", Tag("note", note))), SpeedcamOutput::Igo);
    EXPECT_EQ(line, "2.000000,1.000000," + std::to_string(code) + ",0,0,0\n") << note;
  }
}

TEST(OsmCameras, MaxspeedIsItsLeadingDigits) {
  const std::pair<const char*, double> cases[] = {
      {"30", 30}, {"30 mph", 30}, {" 50", 50}, {"50.5", 50}, {"none", 0}, {"", 0}, {"-30", 0},
      {"1234567890123456", 0},  // too long for a speed
  };
  for (const auto& [value, speed] : cases) EXPECT_EQ(SpeedcamMaxspeed(value), speed) << value;
  EXPECT_EQ(SpeedcamMaxspeed(nullptr), 0);
}

class OsmCameraFiles : public ::testing::Test {
 protected:
  ConverterResult Run(const std::string& source, SpeedcamOutput output = SpeedcamOutput::Rovex) {
    return ExtractOsmCameras({source, dir.File("cams.txt"), output, {}});
  }
  TempDir dir;
};

TEST_F(OsmCameraFiles, DoneAndTheIgoHeaderEvenWithoutCameras) {
  dir.Write("none.osm", Osm("<node id=\"1\" lat=\"1\" lon=\"2\"/>\n"));
  EXPECT_EQ(Run(dir.File("none.osm"), SpeedcamOutput::Igo).Texts(), std::vector<std::string>{"Done"});
  EXPECT_EQ(dir.Read("cams.txt"), "X,Y,TYPE,SPEED,DIRTYPE,DIRECTION\n");
  EXPECT_TRUE(Run(dir.File("none.osm")).ok);
  EXPECT_EQ(dir.Read("cams.txt"), "");
}

TEST_F(OsmCameraFiles, FailuresLeaveTheDestinationAsItWas) {
  dir.Write("cams.txt", "kept\n");
  dir.Write("bad.osm", Osm(Camera("1", "2")) + "<node id=\"2\" lat=\"1\" lon=\"2\"><tag k=\"a\"");
  ConverterResult r = Run(dir.File("bad.osm"));
  ASSERT_FALSE(r.ok);
  EXPECT_EQ(r.Texts()[0].rfind("Error can't read the source file\n" + dir.File("bad.osm") + "\n", 0), 0u);
  EXPECT_EQ(Run(dir.File("missing.osm")).Texts(),
            std::vector<std::string>{"Error can't open the source file\n" + dir.File("missing.osm")});
  EXPECT_EQ(Run(dir.Path()).Texts(), std::vector<std::string>{"Error can't open the source file\n" + dir.Path()});
  EXPECT_EQ(Run(dir.File("cams.txt")).Texts(),
            std::vector<std::string>{"The source and destination file names can not be the same."});
  EXPECT_EQ(ExtractOsmCameras({dir.File("bad.osm"), dir.File("no/such/dir.txt"), {}, {}}).Texts(),
            std::vector<std::string>{"Error: Unable to open the output gpx file."});
  EXPECT_EQ(dir.Read("cams.txt"), "kept\n");
  std::vector<std::string> left;  // no temporary file stays behind
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) left.push_back(entry.path().filename());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"bad.osm", "cams.txt"}));
}

TEST_F(OsmCameraFiles, DialogAsksBeforeReplacingAndChecksEmptyNames) {
  dir.Write("in.osm", Osm(Camera("1", "2")));
  dir.Write("cams.txt", "old\n");
  testing::FakePrompt prompt;
  SpeedcamDialog model;
  EXPECT_FALSE(model.Extract(SpeedcamOutput::Rovex, prompt));
  model.source = dir.File("in.osm");
  EXPECT_FALSE(model.Extract(SpeedcamOutput::Rovex, prompt));
  model.destination = dir.File("cams.txt");
  prompt.QueueAnswer(MsgResult::No);
  EXPECT_FALSE(model.Extract(SpeedcamOutput::Rovex, prompt));
  EXPECT_EQ(dir.Read("cams.txt"), "old\n");
  EXPECT_TRUE(model.Extract(SpeedcamOutput::Rovex, prompt));  // answered Yes
  EXPECT_EQ(dir.Read("cams.txt"), "1.000000,2.000000,GATSO,1,,GATSO:1@0,,0\n");
  const std::string asked = "The output file\n" + dir.File("cams.txt") + "\nall ready exists.\n\nOverwrite Yes/No ?";
  EXPECT_EQ(prompt.Texts(),
            (std::vector<std::string>{
                "Please select an OSM source file.\n\nThis is the file that contains the OSM XML data that you want "
                "to extract an area of.",
                "The destination file name is empty.\n\nThis is the file that the OSM XML data that you extract will "
                "be written to.",
                asked, "Extract aborted", asked, "Done"}));
}

TEST_F(OsmCameraFiles, CommandLineLikeTheOtherConverters) {
  dir.Write("in.osm", Osm(Camera("1", "2", Tag("note", "mobile"))));
  auto r = RunCliCapture({"convert", "osm-cameras", dir.File("in.osm"), dir.File("cams.txt"), "--igo"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "Done\n");
  EXPECT_EQ(dir.Read("cams.txt"), "X,Y,TYPE,SPEED,DIRTYPE,DIRECTION\n2.000000,1.000000,5,0,0,0\n");
  r = RunCliCapture({"convert", "osm-cameras", dir.File("in.osm"), dir.File("cams.txt")});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("--force"), std::string::npos);
  EXPECT_EQ(RunCliCapture({"convert", "osm-cameras", dir.File("in.osm"), dir.File("cams.txt"), "--force"}).exitCode, 0);
  EXPECT_EQ(dir.Read("cams.txt"), "1.000000,2.000000,MOBILE,1,,MOBILE:1@0,,0\n");
  EXPECT_EQ(RunCliCapture({"convert", "garmin", "a", "b", "--igo"}).exitCode, 2);
}

// The Andorra extract, checked by hand against its seven speed_camera nodes.
TEST(OsmCamerasShared, AndorraExtract) {
  const std::string shared = testing::SharedDataDir();
  const std::string source = shared + "/osm/andorra.osm.gz";
  if (shared.empty() || !std::filesystem::exists(source)) GTEST_SKIP() << "no shared OSM extract at " << source;
  TempDir dir;
  auto r = RunCliCapture({"convert", "osm-cameras", source, dir.File("cams.txt")});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(dir.Read("cams.txt"),
            "42.523189,1.561608,GATSO,1,,GATSO:1@0,,0\n"
            "42.548000,1.698090,GATSO,2,,GATSO:2@60,,60\n"
            "42.446640,1.482220,GATSO,3,,GATSO:3@0,,0\n"
            "42.521880,1.559370,GATSO,4,,GATSO:4@0,,0\n"
            "42.545640,1.729910,GATSO,5,,GATSO:5@0,,0\n"
            "42.552450,1.508460,GATSO,6,,GATSO:6@0,,0\n"
            "42.507120,1.537500,GATSO,7,,GATSO:7@60,,60\n");
}

}  // namespace
}  // namespace rovex::converters
