#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/fake_prompt.h"
#include "support/temp_dir.h"
#include "trackeditor/height_tile.h"
#include "trackeditor/node_labels.h"
#include "trackeditor/track_josm_load_model.h"
#include "trackeditor/track_osm_load_model.h"

namespace rovex::trackeditor {
namespace {

class JosmLoad : public ::testing::Test {
 protected:
  bool Load(const std::string& text) {
    dir.Write("in.gpx", text);
    model.source = dir.File("in.gpx");
    return model.Load();
  }
  const TrackEntry& Entry(std::size_t i) const { return map.TracksMem.at(i); }

  testing::TempDir dir;
  testing::FakePrompt prompt;
  TrackEditor map;
  TrackJosmLoadModel model{&map, &prompt};
};

TEST_F(JosmLoad, EachSectionIsAnEntryAndLaterUnnamedSectionsAreEmpty) {
  ASSERT_TRUE(Load(
      "<?xml version=\"1.0\"?>\n<gpx>\n<trk><name>GPX:1:highway-primary:name-High Street:</name>\n<trkseg>\n"
      "<trkpt lat=\"51.5\" lon=\"-0.1\"></trkpt>\n<trkpt lat='51.6' lon='-0.2'/>\n</trkseg>\n<trkseg>\n"
      "<trkpt lat=\"52\" lon=\"1\"/>\n</trkseg>\n</trk>\n<trk><name>Node:7:amenity-pub:</name><trkseg>\n"
      "<trkpt lat=\"53\" lon=\"2\"><name>point names do not name sections</name></trkpt>\n</trkseg></trk>\n"
      "<trk><trkseg><trkpt lat=\"54\" lon=\"3\"/></trkseg></trk>\n</gpx>\n"));
  ASSERT_EQ(map.TracksMem.size(), 4u);
  EXPECT_EQ(*Entry(0).description, "GPX:1:highway-primary:name-High Street:");
  EXPECT_EQ(*Entry(1).description, "Empty");
  EXPECT_EQ(*Entry(2).description, "Node:7:amenity-pub:");
  EXPECT_EQ(*Entry(3).description, "Empty");
  ASSERT_EQ(Entry(0).points->points.size(), 2u);
  EXPECT_DOUBLE_EQ(Entry(0).points->points[1].latitude, 51.6);
  EXPECT_DOUBLE_EQ(Entry(0).points->points[1].longitude, -0.2);
  for (const TrackEntry& e : map.TracksMem) {
    EXPECT_TRUE(e.background && e.Visible() && !e.path);
  }
  EXPECT_EQ(prompt.Texts().back(), "Input 16 lines processed.\nOutput 5 lines processed.\n\nGPX load complete.");
  EXPECT_EQ(model.Added(), 4u);
}

TEST_F(JosmLoad, ADeviceFileOnOneLine) {
  const auto path = std::filesystem::path(ROVEX_SHARED_DATA) / "gpx" / "around-visnjan-with-car.gpx";
  if (!std::filesystem::exists(path)) GTEST_SKIP() << "no " << path;
  model.source = path.string();
  ASSERT_TRUE(model.Load());
  ASSERT_EQ(map.TracksMem.size(), 1u);
  EXPECT_EQ(Entry(0).points->points.size(), 104u);
  EXPECT_EQ(prompt.Texts().back(), "Input 1 lines processed.\nOutput 104 lines processed.\n\nGPX load complete.");
}

TEST_F(JosmLoad, APointWithoutLatitudeIsReportedWithItsLine) {
  ASSERT_TRUE(Load("<gpx>\n<trk><trkseg>\n<trkpt lon=\"2\"/>\n<trkpt lat=\"1\" lon=\"2\"/>\n</trkseg></trk></gpx>\n"));
  ASSERT_GE(prompt.Texts().size(), 2u);
  EXPECT_EQ(prompt.Texts()[0], "Error missing 'lat=' or \" in or before line 3.");
  ASSERT_EQ(map.TracksMem.size(), 1u);
  EXPECT_EQ(Entry(0).points->points.size(), 1u);
}

TEST_F(JosmLoad, BrokenXmlKeepsWhatWasReadAndSaysWhere) {
  EXPECT_TRUE(Load("<gpx>\n<trk><trkseg><trkpt lat=\"1\" lon=\"2\"/>\n<trkpt lat=\"3\" lon=\"4\"\n"));
  EXPECT_EQ(map.TracksMem.size(), 1u);
  EXPECT_EQ(prompt.Texts().back().rfind("Error in the GPX file in line ", 0), 0u) << prompt.Texts().back();
}

TEST(OsmLoad, WaysWithAKnownNodeBecomeEntriesNamedByIdAndTags) {
  testing::TempDir dir;
  const std::string longValue(600, 'v');
  dir.Write("in.osm",
            "<?xml version='1.0'?>\n<osm version='0.6'>\n"
            "<node id='1' lat='51.1' lon='14.4'/><node id='2' lat='51.2' lon='14.5'/><node id='3' lat='51.3' lon='14.6'/>\n"
            "<way id='10'><nd ref='1'/><nd ref='99'/><nd ref='2'/><tag k='created_by' v='JOSM'/>"
            "<tag k='highway' v='primary'/><tag k='name' v='Main'/></way>\n"
            "<way id='11'><nd ref='98'/></way>\n"
            "<way id='12'><nd ref='3'/><tag k='note' v='" + longValue + "'/></way>\n</osm>\n");
  testing::FakePrompt prompt;
  TrackEditor map;
  TrackOsmLoadModel model(&map, &prompt);
  EXPECT_FALSE(model.Load());
  model.source = dir.File("none.osm");
  EXPECT_FALSE(model.Load());
  model.source = dir.File("in.osm");
  ASSERT_TRUE(model.Load());
  ASSERT_EQ(map.TracksMem.size(), 2u);
  EXPECT_EQ(*map.TracksMem[0].description, "OSM:10:highway-primary:name-Main:");
  ASSERT_EQ(map.TracksMem[0].points->points.size(), 2u) << "the missing node adds no point";
  EXPECT_DOUBLE_EQ(map.TracksMem[0].points->points[1].longitude, 14.5);
  EXPECT_TRUE(map.TracksMem[0].background && !map.TracksMem[0].path);
  EXPECT_EQ(map.TracksMem[1].description->size(), TrackOsmLoadModel::kDescriptionLimit);
  ASSERT_EQ(prompt.Texts().size(), 3u);
  EXPECT_EQ(prompt.Texts()[0], "Please choose a osm file.");
  EXPECT_EQ(prompt.Texts()[1], "Error can't open source file\n" + dir.File("none.osm"));
  EXPECT_EQ(prompt.Texts()[2],
            "Input 6 nodes and ways processed.\nOutput 5 node references processed.\n\nOSM load complete.");
}

TEST(NodeName, CleansKeysSourcesAndEntities) {
  EXPECT_EQ(NodeName("Node:123:amenity-pub:name-The Crown:"), "pub:The Crown:");
  EXPECT_EQ(NodeName("Node:1:name-A &amp; B:source-survey:x-y:"), "A & B:x-y:");
  EXPECT_EQ(NodeName("Node:1:name-Bob&apos;s:source:date-2009;rest"), "Bob's:rest") << "no later ':': through the ';'";
  EXPECT_EQ(NodeName("Node:1:name-X source-"), "X ") << "neither ':' nor ';': the key alone";
  EXPECT_EQ(NodeName("Node:1:place-town:openGeoDB:name-Y:"), "");
  EXPECT_EQ(NodeName("GPX:1:name-Z:"), "") << "only nodes are named";
  EXPECT_EQ(NodeName("Node:1"), "");
  EXPECT_EQ(NodeName("Node:1:" + std::string(400, 'a')).size(), 298u);
}

TEST(IconCode, FirstKeywordOfTheFirstGroupThatMatches) {
  EXPECT_EQ(IconCode("Node:1:amenity-pub:name-X:"), 18);
  EXPECT_EQ(IconCode("Node:1:amenity-parking:amenity-pub:"), 1);
  EXPECT_EQ(IconCode("Node:1:amenity-pub:leisure-golf_course:"), 18) << "amenity is tested before leisure";
  EXPECT_EQ(IconCode("Node:1:waterway-lock_gate:"), 1400);
  EXPECT_EQ(IconCode("Node:1:aerialway-t-bar:"), 1518);
  EXPECT_EQ(IconCode("Node:1:railway-station"), 0) << "the keyword ends with its colon";
  EXPECT_EQ(IconCode("OSM:5:highway-primary:"), 0);
  // Shared pictures, and the sports centre that has none.
  EXPECT_EQ(IconPicture(IconCode("x:sport-golf:")), IconPicture(IconCode("x:leisure-golf_course:")));
  EXPECT_EQ(IconPicture(1108), IconPicture(IconCode("x:sport-swimming:")));
  EXPECT_EQ(IconPicture(1504), 1501);
  EXPECT_EQ(IconPicture(1509), 1501);
  EXPECT_NE(IconPicture(1502), 1501);
  EXPECT_EQ(IconPicture(IconCode("x:leisure-sports_centre:")), 0);
  EXPECT_EQ(IconPicture(42), 0);
}

TEST(HeightTile, SamplesAreBigEndianAndAShortFileIsZeroFilled) {
  const std::string bytes("\x01\x02\xff\xfe\x07", 5);
  const auto samples = ReadBigEndianSamples(bytes, 4);
  EXPECT_EQ(samples, (std::vector<int32_t>{0x0102, 0xfffe, 0, 0}));

  testing::TempDir dir;
  dir.Write("full.hgt", std::string(kHeightTileCells * 2, '\x05'));
  dir.Write("short.hgt", std::string("\x00\x09", 2));
  HeightTile tile;
  ASSERT_TRUE(ReadHeightTile(dir.File("full.hgt"), &tile));
  EXPECT_EQ(tile.At(1200, 1200), 0x0505);
  ASSERT_TRUE(ReadHeightTile(dir.File("short.hgt"), &tile));
  EXPECT_EQ(tile.At(0, 0), 9);
  EXPECT_EQ(tile.At(0, 1), 0) << "nothing of the earlier tile stays";
  EXPECT_EQ(tile.At(1200, 1200), 0);
  EXPECT_FALSE(ReadHeightTile(dir.File("none.hgt"), &tile));
}

}  // namespace
}  // namespace rovex::trackeditor
