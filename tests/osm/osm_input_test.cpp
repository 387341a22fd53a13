#include "osm/osm_input.h"
#include "osm/osm_xml_chunks.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <osmium/memory/buffer.hpp>
#include <osmium/osm/node.hpp>
#include <osmium/osm/way.hpp>

namespace rovex::osm {
namespace {

// JOSM writes single quotes and negative ids for objects not yet uploaded.
constexpr const char* kJosmXml =
    "<?xml version='1.0' encoding='UTF-8'?>\n"
    "<osm version='0.6' generator='JOSM'>\n"
    "  <node id='-1' lat='51.5' lon='-0.12'>\n"
    "    <tag k='created_by' v='JOSM' />\n"
    "    <tag k='name' v='Tom &amp; Jerry&apos;s' />\n"
    "  </node>\n"
    "  <way id='-2'><nd ref='-1' /><tag k='highway' v='primary' /></way>\n"
    "</osm>\n";

struct Seen {
  std::vector<std::string> tags;
  std::vector<int64_t> ids;
};

void Collect(osmium::memory::Buffer& buffer, Seen& seen) {
  for (const auto& object : buffer.select<osmium::OSMObject>()) {
    seen.ids.push_back(object.id());
    seen.tags.push_back(OsmTagString(object.tags()));
  }
}

std::filesystem::path TempPath(const std::string& name) {
  return std::filesystem::temp_directory_path() / ("rovex_osm_input_" + name);
}

TEST(OsmInput, SingleQuotesNegativeIdsAndTheTagString) {
  Seen seen;
  const auto result = ReadOsmBytes(kJosmXml, "osm", osmium::osm_entity_bits::node | osmium::osm_entity_bits::way,
                                   [&](osmium::memory::Buffer& b) { Collect(b, seen); });
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(seen.ids, (std::vector<int64_t>{-1, -2}));
  // created_by is left out; entities are decoded (the writers escape again).
  EXPECT_EQ(seen.tags, (std::vector<std::string>{"name-Tom & Jerry's:", "highway-primary:"}));
}

TEST(OsmInput, ACompressedFileUnderAnUnknownNameIsToldByItsContent) {
  const auto path = TempPath("gz.xml");
  {
    gzFile gz = gzopen(path.c_str(), "wb");
    ASSERT_NE(gz, nullptr);
    gzputs(gz, kJosmXml);
    gzclose(gz);
  }
  EXPECT_EQ(OsmFormatOf(path), "osm.gz");
  EXPECT_EQ(OsmFormatOf("x.osm.pbf"), "");  // named forms are left to libosmium
  Seen seen;
  uint64_t lastDone = 0;
  const auto result = ReadOsmFile(path, osmium::osm_entity_bits::way, [&](osmium::memory::Buffer& b) { Collect(b, seen); },
                                  [&](uint64_t done, uint64_t total) {
                                    lastDone = done;
                                    EXPECT_LE(done, total);
                                    return true;
                                  });
  std::filesystem::remove(path);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(seen.ids, (std::vector<int64_t>{-2}));
  EXPECT_GT(lastDone, 0u);
}

TEST(OsmInput, BrokenMissingAndDirectoryInputsReportWhy) {
  const auto broken = ReadOsmBytes("<osm><node id='1' lat='1' lon='2'>", "osm", osmium::osm_entity_bits::node,
                                   [](osmium::memory::Buffer&) {});
  EXPECT_FALSE(broken.ok);
  EXPECT_FALSE(broken.error.empty());
  const auto missing = ReadOsmFile(TempPath("absent.osm"), osmium::osm_entity_bits::node, [](osmium::memory::Buffer&) {});
  EXPECT_FALSE(missing.ok);
  EXPECT_FALSE(missing.error.empty());
  const auto folder = ReadOsmFile(std::filesystem::temp_directory_path(), osmium::osm_entity_bits::node,
                                  [](osmium::memory::Buffer&) {});
  EXPECT_EQ(folder.error, "Is a directory");
}

TEST(OsmInput, ProgressCanStopTheReading) {
  const auto path = TempPath("stop.osm");
  std::ofstream(path) << kJosmXml;
  int buffers = 0;
  const auto result = ReadOsmFile(path, osmium::osm_entity_bits::node, [&](osmium::memory::Buffer&) { ++buffers; },
                                  [](uint64_t, uint64_t) { return false; });
  std::filesystem::remove(path);
  EXPECT_TRUE(result.cancelled);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(buffers, 1);
}

}  // namespace
}  // namespace rovex::osm

namespace rovex::osm {
namespace {

TEST(OsmXmlPieces, CutsOnlyBeforeTopLevelStartTagsOutsideCommentsAndCdata) {
  const std::string text = "<osm version='0.6'>\n<node id='1'/>\n<way id='2'><nd ref='1'/></way>\n"
                           "<!-- <node id='3'/> -->\n<nd ref='9'/><nodes/>";
  EXPECT_EQ(XmlRootEnd(text), text.find('\n'));
  EXPECT_EQ(XmlCutPoint(text, 0), text.find("<way"));  // not in the comment, not <nd or <nodes
  EXPECT_EQ(XmlCutPoint(text, text.find("<way") + 1), std::string::npos);
  const std::string cdata = "<osm>\n<relation id='4'>\n<![CDATA[ <way id='5'> ]]>";
  EXPECT_EQ(XmlCutPoint(cdata, 0), cdata.find("<relation"));
  EXPECT_EQ(XmlRootEnd("<?xml version='1.0'?><!-- <osm> --><osmChange version='0.6'>"), std::string::npos);
}

// Small pieces over a file with a comment, CDATA, a way longer than a piece
// and single quotes give the very objects of one whole reading, in order.
TEST(OsmXmlPieces, PiecesReadWhatOneReadingReads) {
  std::string xml = "<?xml version='1.0' encoding='UTF-8'?>\n<osm version='0.6' generator='JOSM'>\n";
  for (int i = 1; i <= 300; ++i) {
    xml += "  <node id='" + std::to_string(i) + "' lat='51." + std::to_string(i) + "' lon='-1.5'>\n";
    xml += i % 50 == 0 ? "    <!-- <node id='0'/> -->\n" : "";
    xml += "    <tag k='name' v='n" + std::to_string(i) + "'/>\n  </node>\n";
  }
  xml += "  <way id='1'>\n";
  for (int i = 1; i <= 300; ++i) xml += "    <nd ref='" + std::to_string(i) + "'/>\n";
  xml += "    <tag k='note' v='&lt;way id=&quot;9&quot;&gt;'/>\n  </way>\n  <way id='2'><nd ref='7'/></way>\n</osm>\n";
  const auto path = TempPath("pieces.osm");
  std::ofstream(path) << xml;

  const auto entities = osmium::osm_entity_bits::node | osmium::osm_entity_bits::way;
  Seen whole;
  ASSERT_TRUE(ReadOsmBytes(xml, "osm", entities, [&](osmium::memory::Buffer& b) { Collect(b, whole); }).ok);
  for (std::size_t piece : {std::size_t{512}, std::size_t{4096}}) {
    Seen pieces;
    uint64_t lastDone = 0;
    const auto result = ReadOsmXmlInPieces(path, entities, [&](osmium::memory::Buffer& b) { Collect(b, pieces); },
                                           [&](uint64_t done, uint64_t) { return (lastDone = done), true; }, piece, 2);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(pieces.ids, whole.ids);
    EXPECT_EQ(pieces.tags, whole.tags);
    EXPECT_EQ(lastDone, xml.size());
  }
  std::ofstream(path) << xml.substr(0, xml.size() / 2);  // cut in the middle of the nodes
  const auto broken = ReadOsmXmlInPieces(path, entities, [](osmium::memory::Buffer&) {}, {}, 512, 2);
  EXPECT_FALSE(broken.ok);
  EXPECT_FALSE(broken.error.empty());
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace rovex::osm
