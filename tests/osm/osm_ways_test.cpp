#include "osm/osm_ways.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rovex::osm {
namespace {

// Sparse and negative ids, a reference to a node the file lacks, a node
// without tags beyond created_by, and a tagged node that lies outside the box.
constexpr const char* kXml = R"(<?xml version="1.0"?>
<osm version="0.6">
  <node id="-7" lat="51.0" lon="1.0"/>
  <node id="5" lat="52.0" lon="2.0"><tag k="created_by" v="x"/></node>
  <node id="900000000" lat="53.0" lon="3.0"><tag k="amenity" v="pub"/></node>
  <node id="12" lat="60.0" lon="9.0"><tag k="amenity" v="fuel"/></node>
  <way id="100"><nd ref="-7"/><nd ref="404"/><nd ref="5"/><nd ref="900000000"/><nd ref="12"/>
    <tag k="highway" v="primary"/></way>
  <way id="101"><nd ref="404"/></way>
  <way id="102"><nd ref="12"/><tag k="name" v="far"/></way>
</osm>
)";

struct Collected {
  std::vector<OsmWay> ways;
  std::vector<OsmTaggedNode> nodes;
};

OsmWaysStats ReadAll(const OsmWaysOptions& options, Collected& out) {
  return ReadOsmWaysFromBytes(
      kXml, "osm", options,
      [&](const OsmWay& w) {
        out.ways.push_back(w);
        return true;
      },
      [&](const OsmTaggedNode& n) {
        out.nodes.push_back(n);
        return true;
      });
}

TEST(OsmWays, WaysKeepTheirFoundPointsInOrderAndTheBoxCutsThem) {
  Collected all;
  const auto stats = ReadAll({}, all);
  ASSERT_TRUE(stats.read.ok) << stats.read.error;
  ASSERT_EQ(all.ways.size(), 2u);  // 101 has no node in the file
  EXPECT_EQ(all.ways[0].id, 100);
  EXPECT_EQ(all.ways[0].tags, "highway-primary:");
  EXPECT_EQ(all.ways[0].references, 5u);
  ASSERT_EQ(all.ways[0].points.size(), 4u);
  EXPECT_DOUBLE_EQ(all.ways[0].points[0].latitude, 51.0);
  EXPECT_DOUBLE_EQ(all.ways[0].points[3].longitude, 9.0);
  EXPECT_EQ(stats.references, 7u);
  EXPECT_TRUE(all.nodes.empty());  // tagged nodes only when asked

  Collected boxed;
  OsmWaysOptions options;
  options.box = OsmBox{55.0, 50.0, 0.0, 5.0};
  options.taggedNodes = true;
  const auto boxedStats = ReadAll(options, boxed);
  ASSERT_TRUE(boxedStats.read.ok);
  EXPECT_EQ(boxedStats.nodesKept, 3u);
  ASSERT_EQ(boxed.ways.size(), 1u);  // 102 lies wholly outside
  EXPECT_EQ(boxed.ways[0].points.size(), 3u);
  ASSERT_EQ(boxed.nodes.size(), 1u);  // created_by alone is no tag; 12 is outside
  EXPECT_EQ(boxed.nodes[0].id, 900000000);
  EXPECT_EQ(boxed.nodes[0].tags, "amenity-pub:");
  EXPECT_EQ(boxedStats.objects, 11u);  // seven, then the four nodes again
}

TEST(OsmWays, ACallbackCanStopAndProgressSpansBothReadings) {
  OsmWaysOptions options;
  options.taggedNodes = true;
  uint64_t lastDone = 0;
  uint64_t lastTotal = 0;
  options.progress = [&](uint64_t done, uint64_t total) {
    lastDone = done;
    lastTotal = total;
    return true;
  };
  int ways = 0;
  const auto stats = ReadOsmWaysFromBytes(kXml, "osm", options,
                                          [&](const OsmWay&) { return ++ways < 1; },
                                          [](const OsmTaggedNode&) { return true; });
  EXPECT_TRUE(stats.stopped);
  EXPECT_FALSE(stats.read.ok);
  EXPECT_FALSE(stats.read.cancelled);
  EXPECT_EQ(ways, 1);

  const auto whole = ReadOsmWaysFromBytes(kXml, "osm", options, [](const OsmWay&) { return true; },
                                          [](const OsmTaggedNode&) { return true; });
  ASSERT_TRUE(whole.read.ok);
  EXPECT_EQ(lastTotal, 2 * std::string_view(kXml).size());
  EXPECT_EQ(lastDone, lastTotal);
}

}  // namespace
}  // namespace rovex::osm
