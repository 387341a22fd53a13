#include <gtest/gtest.h>

#include "trackeditor/map_file.h"

namespace rovex::trackeditor {
namespace {

// "desc|path" per track, "-" for a missing part.
std::vector<std::string> Tracks(const TrackEditor& map) {
  std::vector<std::string> out;
  for (const TrackEntry& e : map.TracksMem) out.push_back(e.description.value_or("-") + "|" + e.path.value_or("-"));
  return out;
}

struct ReadCase {
  const char* legend;
  std::string text;
  MapReadStatus status;
  const char* description;  // null for none
  int zoom;
  std::vector<std::string> tracks;
};

TEST(MapFile, Reads) {
  const std::string head = ";ROVEX Track Editor\nMapDesc:Drive\nzoom:12\n";
  const ReadCase cases[] = {
      {"plain file", head + "TrkDesc:A\nTrkPath:/a.txt\nTrkPath:/b.txt\n", MapReadStatus::Read, "Drive", 12,
       {"A|/a.txt", "-|/b.txt"}},
      {"CR LF line ends", ";ROVEX Track Editor\r\nMapDesc:Drive\r\nzoom:12\r\nTrkDesc:A\r\nTrkPath:/a.txt\r\n",
       MapReadStatus::Read, "Drive", 12, {"A|/a.txt"}},
      {"empty line ends the list", head + "TrkPath:/a.txt\n\nTrkPath:/b.txt\n", MapReadStatus::Read, "Drive", 12,
       {"-|/a.txt"}},
      {"two descriptions make two tracks", head + "TrkDesc:A\nTrkDesc:B\nTrkPath:/b.txt\n", MapReadStatus::Read,
       "Drive", 12, {"A|-", "B|/b.txt"}},
      {"other lines ignored, keywords case-sensitive", head + "# note\ntrkpath:/x\nTrkPath:/a.txt\n",
       MapReadStatus::Read, "Drive", 12, {"-|/a.txt"}},
      {"empty description", ";ROVEX Track Editor\nMapDesc:\nzoom:3\n", MapReadStatus::Read, nullptr, 3, {}},
      {"zoom alone at the end", ";ROVEX Track Editor\nMapDesc:x\nzoom:", MapReadStatus::Read, "x", 10, {}},
      {"zoom with a newline and no digits", ";ROVEX Track Editor\nMapDesc:x\nzoom:\n", MapReadStatus::Read, "x", 0,
       {}},
      {"first line with trailing blank", ";ROVEX Track Editor \nMapDesc:x\nzoom:1\n", MapReadStatus::BadFirstLine,
       nullptr, 10, {}},
      {"first line in other case", ";rovex track editor\n", MapReadStatus::BadFirstLine, nullptr, 10, {}},
      {"missing description line", ";ROVEX Track Editor\n", MapReadStatus::NoDescription, nullptr, 10, {}},
      {"wrong second line", ";ROVEX Track Editor\nDesc:x\n", MapReadStatus::BadDescription, nullptr, 10, {}},
      {"missing zoom", ";ROVEX Track Editor\nMapDesc:x\n", MapReadStatus::NoZoom, "x", 10, {}},
      {"wrong zoom", ";ROVEX Track Editor\nMapDesc:x\nZoom:4\n", MapReadStatus::BadZoom, "x", 10, {}},
  };
  for (const ReadCase& c : cases) {
    MapReadResult r = ParseMapText(c.text);
    EXPECT_EQ(r.status, c.status) << c.legend;
    ASSERT_TRUE(r.map) << c.legend;
    EXPECT_EQ(r.map->description.has_value(), c.description != nullptr) << c.legend;
    if (c.description && r.map->description) {
      EXPECT_EQ(*r.map->description, c.description) << c.legend;
    }
    EXPECT_EQ(r.map->zoom, c.zoom) << c.legend;
    EXPECT_EQ(Tracks(*r.map), c.tracks) << c.legend;
  }
  EXPECT_EQ(ParseMapText("").status, MapReadStatus::NoFirstLine);
  EXPECT_FALSE(ParseMapText("").map);
  EXPECT_EQ(ParseMapText(";X\n").badLine, ";X\n") << "the line is shown as read";
}

TEST(MapFile, WritesWhatReadsBack) {
  TrackEditor map;
  map.zoom = 0;
  map.TracksMem.emplace_back().description = "lost: no path";
  TrackEntry& a = map.TracksMem.emplace_back();
  a.description = "A";
  a.path = "/logs/a.txt";
  map.TracksMem.emplace_back().path = "/logs/b.txt";
  std::string text, error;
  ASSERT_TRUE(FormatMapText(map, &text, &error));
  EXPECT_EQ(text, ";ROVEX Track Editor\nMapDesc:No description\nzoom:\nTrkDesc:A\nTrkPath:/logs/a.txt\nTrkPath:/logs/b.txt\n");
  MapReadResult back = ParseMapText(text);
  ASSERT_EQ(back.status, MapReadStatus::Read);
  EXPECT_EQ(*back.map->description, "No description");
  EXPECT_EQ(back.map->zoom, 0);
  EXPECT_EQ(Tracks(*back.map), (std::vector<std::string>{"A|/logs/a.txt", "-|/logs/b.txt"}));
}

TEST(MapFile, LongDescriptionIsCutAndLongPathRefused) {
  TrackEditor map;
  map.description = std::string(400, 'd');
  std::string text, error;
  ASSERT_TRUE(FormatMapText(map, &text, &error));
  EXPECT_EQ(*ParseMapText(text).map->description, std::string(kMaxMapDescription, 'd'));

  const std::string longest = "/" + std::string(kMaxTrackPath - 1, 'p');
  map.TracksMem.emplace_back().path = longest;
  ASSERT_TRUE(FormatMapText(map, &text, &error));
  EXPECT_EQ(*ParseMapText(text).map->TracksMem.at(0).path, longest) << "the longest path allowed reads back whole";
  map.TracksMem.back().path = longest + "q";
  text = "unchanged";
  EXPECT_FALSE(FormatMapText(map, &text, &error));
  EXPECT_EQ(text, "unchanged");
  EXPECT_NE(error.find(longest + "q"), std::string::npos);
}

}  // namespace
}  // namespace rovex::trackeditor
