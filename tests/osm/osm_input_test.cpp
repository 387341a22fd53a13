#include "osm/osm_input.h"

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
