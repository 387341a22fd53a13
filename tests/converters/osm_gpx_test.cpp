#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <osmium/io/any_input.hpp>
#include <osmium/io/any_output.hpp>
#include <osmium/io/reader.hpp>
#include <osmium/io/writer.hpp>

#include "converters/gpx_frame.h"
#include "converters/osm_gpx_converter.h"
#include "converters/osm_gpx_dialog.h"
#include "support/cli_runner.h"
#include "support/fake_prompt.h"
#include "support/temp_dir.h"

namespace rovex::converters {
namespace {

using testing::CountOf;
using testing::ReadWholeFile;
using testing::RunCliCapture;
using testing::TempDir;

const std::string kData = ROVEX_SOURCE_DIR "/tests/converters/data/";

bool HaveTool(const char* name) { return std::system((std::string("command -v ") + name + " >/dev/null").c_str()) == 0; }

// Well-formed in the eyes of a real XML parser (which also checks the declared encoding).
void ExpectXml(const std::string& path) {
  if (!HaveTool("xmllint")) return;
  EXPECT_EQ(std::system(("xmllint --noout " + path + " 2>&1").c_str()), 0) << path;
}

class OsmGpx : public ::testing::Test {
 protected:
  ConverterResult Run(OsmGpxVariant variant, bool poi = false, std::vector<std::string> exclusions = {},
                      const std::string& source = kData + "ways.osm") {
    OsmToGpxOptions options;
    options.source = source;
    options.destination = dir.File("out.gpx");
    options.settings.variant = variant;
    options.settings.exclusions = std::move(exclusions);
    options.box = {51.2, 51.0, -1.5, -1.2};  // the file's bounds; nodes 3 and 8 lie north of it
    options.includePoi = poi;
    return ConvertOsmToGpx(options);
  }
  std::string Out() const { return dir.Read("out.gpx"); }
  TempDir dir;
};

// Each variant's whole file: the plain one ignores the box; the extractor
// cuts way 10 to its inside points, drops way 13, filters every track; the
// fast one filters only the tagged-node tracks. Names keep whole tag values
// (apostrophes and quotes as entities), leave out created_by, and skip
// missing nodes; the self-closed node 7 and node 5 (created_by only) are no POI.
TEST_F(OsmGpx, EachVariantWritesItsGoldenFile) {
  struct Case {
    OsmGpxVariant variant;
    std::vector<std::string> exclusions;
    const char* expected;
  } cases[] = {
      {OsmGpxVariant::Normal, {"landuse"}, "ways_normal.expected"},
      {OsmGpxVariant::Big, {"landuse", "traffic_signals"}, "ways_big.expected"},
      {OsmGpxVariant::Fast, {"landuse", "traffic_signals"}, "ways_fast.expected"},
  };
  for (const Case& c : cases) {
    ConverterResult result = Run(c.variant, true, c.exclusions);
    ASSERT_TRUE(result.ok) << c.expected;
    EXPECT_EQ(Out(), ReadWholeFile(kData + c.expected)) << c.expected;
    ExpectXml(dir.File("out.gpx"));
  }
  // 13 nodes and ways (the extractor reads the nodes again for POI), 11 node references.
  EXPECT_EQ(Run(OsmGpxVariant::Normal).Texts().back(),
            "Input 12 lines processed.\nOutput 11 lines processed.\n\nThe GPX output file has been created.");
}

TEST_F(OsmGpx, TranslateWritesLatin1ThatStillParses) {
  OsmToGpxOptions options{kData + "ways.osm", dir.File("out.gpx"), {OsmGpxVariant::Big, true, {}}, {}, false, {}};
  ASSERT_TRUE(ConvertOsmToGpx(options).ok);
  const std::string text = Out();
  EXPECT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n", 0), 0u);
  EXPECT_NE(text.find("name-Caf\xE9 Z\xFCrich &#8211; S\xFC" "d:"), std::string::npos);
  ExpectXml(dir.File("out.gpx"));
}

TEST(OsmXmlText, MarkupBrokenUtf8AndControlsStayValid) {
  struct Case {
    std::string in;
    bool latin1;
    std::string out;
  } cases[] = {
      {"a&b<c>\"d'", false, "a&amp;b&lt;c&gt;&quot;d&apos;"},
      {"line\nbreak\ttab\x01", false, "line break tab "},
      {"\xC3\xA9\xE2\x82\xAC", false, "\xC3\xA9\xE2\x82\xAC"},
      {"\xC3\xA9\xE2\x82\xAC\xC2\xB0", true, "\xE9&#8364;\xB0"},
      {"x\xC3", false, "x\xEF\xBF\xBD"},               // cut sequence
      {"\xC0\xAF", false, "\xEF\xBF\xBD\xEF\xBF\xBD"},  // overlong slash
      {"\xED\xA0\x80", false, "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // a surrogate
      {"\xEF\xBF\xBF", true, "&#65533;"},                               // a non-character
  };
  for (const Case& c : cases) {
    std::string out;
    AppendXmlText(out, c.in, c.latin1);
    EXPECT_EQ(out, c.out) << c.in;
  }
}

// A long name is cut to 460 bytes without splitting a letter.
TEST(OsmGpxWriterNames, CutOnALetterBoundary) {
  std::string text;
  OsmGpxWriter writer({}, [&](std::string_view piece) { return text.append(piece), true; });
  osm::OsmWay way;
  way.id = 1;
  way.tags = "name-" + std::string(448, 'a') + "\xC3\xA9" + "tail:";  // é at bytes 459 and 460
  way.points = {{1, 2}};
  ASSERT_TRUE(writer.Begin() && writer.Way(way) && writer.End());
  EXPECT_NE(text.find(std::string(448, 'a') + "</name>"), std::string::npos);
}

// gzip, bzip2 and PBF (written here by libosmium) give the plain file's tracks.
TEST_F(OsmGpx, CompressedAndPbfFilesReadAlike) {
  ASSERT_TRUE(Run(OsmGpxVariant::Big, true).ok);
  const std::string plain = Out();
  std::vector<std::string> sources;
  for (auto [tool, suffix] : {std::pair{"gzip", ".gz"}, std::pair{"bzip2", ".bz2"}}) {
    if (!HaveTool(tool)) continue;
    std::filesystem::copy_file(kData + "ways.osm", dir.File("ways.osm"), std::filesystem::copy_options::overwrite_existing);
    ASSERT_EQ(std::system((std::string(tool) + " -kf " + dir.File("ways.osm")).c_str()), 0);
    sources.push_back(dir.File(std::string("ways.osm") + suffix));
  }
  {
    osmium::io::Reader reader(kData + "ways.osm");
    osmium::io::Writer writer(dir.File("ways.osm.pbf"), reader.header());
    while (osmium::memory::Buffer buffer = reader.read()) writer(std::move(buffer));
    writer.close();
    reader.close();
  }
  sources.push_back(dir.File("ways.osm.pbf"));
  for (const std::string& source : sources) {
    ASSERT_TRUE(Run(OsmGpxVariant::Big, true, {}, source).ok) << source;
    EXPECT_EQ(Out(), plain) << source;
    OsmBoundsResult found = ReadOsmBounds(source);
    ASSERT_TRUE(found.bounds) << source;
    EXPECT_DOUBLE_EQ(found.bounds->maxLon, -1.2);
  }
}

TEST_F(OsmGpx, FailuresLeaveTheDestinationAsItWas) {
  dir.Write("out.gpx", "keep");
  dir.Write("bad.osm", "<osm><node id='1' lat='1' lon='1'><way></osm>");
  EXPECT_NE(Run(OsmGpxVariant::Normal, false, {}, dir.File("bad.osm")).Texts()[0].find("Error reading the OSM file"),
            std::string::npos);
  EXPECT_EQ(Run(OsmGpxVariant::Fast, false, {}, dir.File("none.osm")).Texts()[0],
            "Error can't open the source file\n" + dir.File("none.osm"));
  OsmToGpxOptions options{kData + "ways.osm", dir.File("out.gpx"), {OsmGpxVariant::Fast, false, {}}, {}, false, {}};
  options.box = {10, 9, 9, 10};
  EXPECT_EQ(ConvertOsmToGpx(options).Texts()[0].substr(0, 42), "No nodes were found in your selected area.");
  options.box = {};
  options.progress = [](uint64_t, uint64_t) { return false; };
  EXPECT_EQ(ConvertOsmToGpx(options).Texts(), std::vector<std::string>{kCancelledMessage});
  EXPECT_EQ(Out(), "keep");
  for (auto [variant, text] : {std::pair{OsmGpxVariant::Normal, "Please choose a osm file."},
                               std::pair{OsmGpxVariant::Big, "Please select an OSM source file."}}) {
    EXPECT_EQ(ConvertOsmToGpx({"", "x.gpx", {variant, false, {}}, {}, false, {}}).Texts()[0].substr(0, 32),
              std::string(text).substr(0, 32));
  }
}

TEST(OsmGpxDialogs, ExclusionButtonsBoundsAndOverwrite) {
  ConvertBigOsmGpxDialog big;
  ConvertFastOsmGpxDialog fast;
  ASSERT_EQ(big.Exclusions().size(), 18u);
  ASSERT_EQ(fast.Exclusions().size(), 19u);
  EXPECT_EQ(fast.Exclusions()[14]->keyword, std::string("street_lamp"));
  EXPECT_EQ(big.Settings().exclusions.size(), 13u);  // checked on opening
  big.None();
  EXPECT_TRUE(big.Settings().exclusions.empty());
  big.Default();
  EXPECT_EQ(big.Settings().exclusions.size(), 14u);  // type-sos too
  big.All();
  EXPECT_EQ(big.Settings().exclusions.back(), "waterway");

  testing::FakePrompt prompt;
  big.source = kData + "ways.osm";
  ASSERT_TRUE(big.GetBounds(prompt));
  EXPECT_EQ(big.top + " " + big.bottom + " " + big.left + " " + big.right, "51.2 51 -1.5 -1.2");
  TempDir dir;
  dir.Write("plain.osm", "<osm version='0.6'><node id='1' lat='1' lon='1'/></osm>");
  big.source = dir.File("plain.osm");
  EXPECT_FALSE(big.GetBounds(prompt));
  EXPECT_EQ(prompt.Texts().back(), "The source file does not contain\na '<bounds ' line\n in the first 100 rows.");

  dir.Write("out.gpx", "keep");
  fast.source = kData + "ways.osm";
  fast.destination = dir.File("out.gpx");
  prompt.QueueAnswer(MsgResult::No);
  EXPECT_FALSE(fast.Convert(prompt));
  EXPECT_EQ(prompt.Texts().back(), "Extract aborted");
  // A source that cannot be read is said before any question about the destination.
  ConvertOsmGpxDialog plain;
  plain.source = dir.File("none.osm");
  plain.destination = dir.File("out.gpx");
  EXPECT_FALSE(plain.Convert(prompt));
  EXPECT_EQ(prompt.Texts().back(), "Error can't open source file\n" + dir.File("none.osm"));
  EXPECT_EQ(prompt.shown.size(), 4u);
  EXPECT_EQ(dir.Read("out.gpx"), "keep");
}

TEST(OsmGpxCli, ConvertsRefusesAndReplacesOnlyWithForce) {
  TempDir dir;
  const std::string out = dir.File("out.gpx");
  testing::CliResult r = RunCliCapture({"convert", "osm-gpx", kData + "ways.osm", out});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(CountOf(ReadWholeFile(out), "<trk>"), 3u);
  r = RunCliCapture({"convert", "osm-gpx", kData + "ways.osm", out, "--box", "51.2,51,,", "--poi"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("--force"), std::string::npos);
  r = RunCliCapture({"convert", "osm-gpx", kData + "ways.osm", out, "--box", "51.2,51,,", "--poi", "--exclude",
                     "landuse,pub", "--force"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  // Way 10 cut to its inside points and node 6, the one tagged node left.
  EXPECT_EQ(CountOf(ReadWholeFile(out), "<trk>"), 2u);
  EXPECT_EQ(RunCliCapture({"convert", "osm-gpx", kData + "ways.osm", out, "--box", "1,2"}).exitCode, 2);
  EXPECT_EQ(RunCliCapture({"convert", "hgt-gpx", "a", "b", "--poi"}).exitCode, 2);
}

// The real extracts: each converts, parses, and has as many tracks as ways with a found node.
TEST(OsmGpxShared, RealFilesConvertAndParse) {
  const std::string shared = testing::SharedDataDir();
  if (shared.empty() || !std::filesystem::exists(shared + "/osm")) GTEST_SKIP() << "no shared OSM files (../shared/data/osm)";
  TempDir dir;
  for (const char* name : {"bautzen.osm", "andorra.osm.gz", "krems.osm.gz"}) {
    const std::string source = shared + "/osm/" + name;
    uint64_t ways = 0;
    osm::OsmWaysStats stats = osm::ReadOsmWays(source, {}, [&](const osm::OsmWay&) { return ++ways, true; });
    ASSERT_TRUE(stats.read.ok) << name;
    testing::CliResult r = RunCliCapture({"convert", "osm-gpx", source, dir.File("out.gpx"), "--force"});
    ASSERT_EQ(r.exitCode, 0) << name << r.err;
    const std::string text = ReadWholeFile(dir.File("out.gpx"));
    EXPECT_GT(ways, 50u) << name;
    EXPECT_EQ(CountOf(text, "<trk>"), ways) << name;
    ExpectXml(dir.File("out.gpx"));
  }
  // Odd characters, entities, whitespace and very long tags stay well-formed, translated or not.
  for (const char* name : {"osm-testdata_140-unicode.osm", "osm-testdata_141-entities.osm",
                           "osm-testdata_142-whitespace.osm", "osm-testdata_tag_lengths.osm"}) {
    for (const char* translate : {"--poi", "--translate"}) {
      testing::CliResult r = RunCliCapture({"convert", "osm-gpx", shared + "/osm/" + name, dir.File("t.gpx"), "--force",
                                            "--poi", translate});
      EXPECT_EQ(r.exitCode, 0) << name << r.err;
      ExpectXml(dir.File("t.gpx"));
    }
  }
}

}  // namespace
}  // namespace rovex::converters
