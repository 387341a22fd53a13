#include <gtest/gtest.h>

#include <string>

#include "platform/memory_settings_store.h"
#include "settings/settings_table.h"
#include "support/fake_prompt.h"
#include "support/temp_dir.h"
#include "trail/default_trail.h"
#include "trail/load_trail_dialog_model.h"
#include "trail/trail_file_dialog_model.h"
#include "trail/trail_reader.h"

namespace rovex {
namespace {

// The trail as "lat,lon" and "|" for a break.
std::string Shown(const TrackList& trail) {
  std::string s;
  for (const TrackList::Point& p : trail.Points()) {
    if (!s.empty()) s += ' ';
    if (p.IsBreak()) {
      s += '|';
    } else {
      char text[64];
      std::snprintf(text, sizeof text, "%g,%g", p.latitude, p.longitude);
      s += text;
    }
  }
  return s;
}

struct ReaderCase {
  const char* legend;
  const char* file;
  const char* expected;
};

const ReaderCase kReaderCases[] = {
    {"route points one a line, a break at the route's end",
     "<gpx>\n<rte>\n<rtept lat=\"51.1\" lon=\"-1.1\">\n<rtept lat=\"51.2\" lon=\"-1.2\"/>\n</rte>\n</gpx>\n",
     "51.1,-1.1 51.2,-1.2 |"},
    {"a whole file on one line gives every point",
     "<gpx><trk><trkseg><trkpt lat=\"1\" lon=\"2\"/><trkpt lat=\"3\" lon=\"4\"/><trkpt lat=\"5\" lon=\"6\"/>"
     "</trkseg></trk></gpx>\n",
     "1,2 3,4 5,6 |"},
    {"lon before lat, single quotes, spaces round the equals sign",
     "<trk>\n<trkpt lon=\"-1.5\" lat=\"51.5\"/><trkpt lon = '-2' lat = '52'/>\n", "51.5,-1.5 52,-2"},
    {"two segments are not joined",
     "<trk><trkseg>\n<trkpt lat=\"1\" lon=\"1\"/>\n</trkseg>\n<trkseg>\n<trkpt lat=\"2\" lon=\"2\"/>\n</trkseg>\n",
     "1,1 | 2,2 |"},
    {"minlat and other attributes are not lat", "<trk>\n<bounds minlat=\"1\" minlon=\"2\"/>\n"
     "<trkpt minlat=\"7\" lat=\"3\" xlon=\"9\" lon=\"4\"/>\n", "3,4"},
    {"nothing before an opening route, track or segment tag",
     "<gpx>\n<wpt lat=\"1\" lon=\"1\"/>\n<trkpt lat=\"2\" lon=\"2\"/>\n</gpx>\n", ""},
    {"a trk tag with attributes does not open, its trkseg does",
     "<trk name=\"x\">\n<trkpt lat=\"1\" lon=\"1\"/>\n<trkseg>\n<trkpt lat=\"2\" lon=\"2\"/>\n", "2,2"},
    {"the last line without a line end is read", "<rte>\n<rtept lat=\"1\" lon=\"2\"/>", "1,2"},
    {"CR LF line ends, comment lines and empty lines",
     "<rte>\r\n;<rtept lat=\"9\" lon=\"9\"/>\r\n\r\n<rtept lat=\"1\" lon=\"2\"/>\r\n</rte>\r\n", "1,2 |"},
    {"lat without lon, or lon on the next line, gives nothing",
     "<rte>\n<rtept lat=\"1\">\n<rtept lat=\"2\"\n lon=\"3\">\n", ""},
    {"a closing tag outside adds no break", "</trkseg>\n</rte>\n<rte>\n</rte>\n</rte>\n", "|"},
    {"waypoints inside a route count, other elements with lat do not",
     "<rte><wpt lat=\"1\" lon=\"1\"/><foo lat=\"2\" lon=\"2\"/><rtept lat=\"3\" lon=\"3\"/></rte>", "1,1 3,3 |"},
    {"an opening rtept opens by itself", "<rtept lat=\"4\" lon=\"5\"/>\n", "4,5"},
};

TEST(TrailReader, CasesFromFiles) {
  testing::TempDir dir;
  for (const ReaderCase& c : kReaderCases) {
    dir.Write("trail.gpx", c.file);
    TrackList trail;
    ASSERT_EQ(ReadTrailFile(dir.File("trail.gpx"), &trail), TrailReadResult::Read) << c.legend;
    EXPECT_EQ(Shown(trail), c.expected) << c.legend;
    EXPECT_EQ(trail.Count(), trail.Points().size());
  }
}

TEST(TrailReader, UnreadableFilesLeaveTheListAlone) {
  testing::TempDir dir;
  TrackList trail;
  trail.Add(1.0, 2.0);
  EXPECT_EQ(ReadTrailFile(dir.File("missing.gpx"), &trail), TrailReadResult::CannotOpen);
  EXPECT_EQ(ReadTrailFile(dir.File(""), &trail), TrailReadResult::ReadError);  // the folder itself
  EXPECT_EQ(Shown(trail), "1,2");
}

class TrailDialogs : public ::testing::Test {
 protected:
  MemorySettingsStore store;
  testing::FakePrompt prompt;
  RegistrySettings settings{store, &prompt};
  testing::TempDir dir;
  const std::string kFile = "<rte>\n<rtept lat=\"1\" lon=\"2\"/>\n<rtept lat=\"3\" lon=\"4\"/>\n</rte>\n";
};

TEST_F(TrailDialogs, LoadDialogOkByField) {
  dir.Write("t.gpx", kFile);
  struct Case {
    std::string path;
    bool withList;
    bool closes;
    std::string message;
  };
  const Case cases[] = {
      {"", true, false, "Please choose a Gpolyline GPX route file."},
      {dir.File("none.gpx"), true, false, "Error can't open source file\n" + dir.File("none.gpx")},
      {dir.File("t.gpx"), false, true, "Error pCopyOfTrackList is NULL"},
      {dir.File("t.gpx"), true, true, "Loaded the trail GPX.\nnumber of points found 3."},
  };
  for (const Case& c : cases) {
    TrackList trail;
    LoadTrailDialogModel model(&prompt, c.withList ? &trail : nullptr);
    model.path = c.path;
    prompt.shown.clear();
    EXPECT_EQ(model.Ok(), c.closes) << c.message;
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, c.message);
  }
}

TEST_F(TrailDialogs, DefaultTrailMessages) {
  dir.Write("t.gpx", kFile);
  struct Case {
    std::optional<std::string> name;
    std::size_t count;
    const char* message;
  };
  const Case cases[] = {
      {std::nullopt, 0, "Unable read the default trail file name from the registry."},
      {"", 0,
       "Trying to load the default trail file but there is no filename set.\n"
       "Please choose a Gpolyline GPX trail file under the Trail menu."},
      {dir.File("none.gpx"), 0, nullptr},
      {dir.File("t.gpx"), 3, ""},
  };
  for (const Case& c : cases) {
    store.Delete(kRovexKey, "TrailName");
    if (c.name) settings.WriteTextSetting("TrailName", *c.name);
    TrackList trail;
    trail.Add(9.0, 9.0);
    prompt.shown.clear();
    EXPECT_EQ(LoadDefaultTrail(settings, &prompt, &trail), c.count > 0);
    EXPECT_EQ(trail.Count(), c.count);
    const std::string expected =
        c.message ? c.message : "Error can't open the default trail file\n" + dir.File("none.gpx");
    if (expected.empty()) {
      EXPECT_TRUE(prompt.shown.empty());
    } else {
      ASSERT_EQ(prompt.shown.size(), 1u);
      EXPECT_EQ(prompt.shown[0].text, expected);
    }
  }
}

TEST_F(TrailDialogs, TrailFileDialogReadsBrowsesAndWrites) {
  TrailFileDialogModel failing(settings, &prompt);
  failing.Open();
  ASSERT_EQ(prompt.Texts(), std::vector<std::string>{"Unable read the route file name from the registry."});

  settings.WriteTextSetting("TrailName", "/old.gpx");
  TrailFileDialogModel model(settings, &prompt);
  model.Open();
  EXPECT_EQ(model.path, "/old.gpx");
  prompt.QueueFile("/" + std::string(300, 'a'));
  model.Browse();
  EXPECT_EQ(model.path.size(), TrailFileDialogModel::kChosenNameLimit);
  EXPECT_EQ(prompt.fileDialogFilters.back(), TrailFileDialogModel::kFilter);
  model.path = std::string(600, 'b');
  ASSERT_TRUE(model.Ok());
  EXPECT_EQ(settings.TryReadText("TrailName", 1000), std::string(500, 'b'));
}

}  // namespace
}  // namespace rovex
