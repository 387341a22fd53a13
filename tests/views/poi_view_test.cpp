#include <gtest/gtest.h>

#include <cmath>

#include "nmea/distance.h"
#include "support/recording_canvas.h"
#include "views/poi_view.h"

namespace rovex {
namespace {

using testing::RecordingCanvas;

PoiRecord Poi(const std::string& longitude, const std::string& latitude, const char* description) {
  PoiRecord r;
  r.longitude = longitude;
  r.latitude = latitude;
  r.description = description;
  return r;
}

TEST(PoiView, LabelsInsideTheRadiusAtTheirProjectedPlace) {
  std::vector<PoiRecord> pois(4);
  // 2000 m north, 1000 m east, one beyond the radius to the north, one with no position.
  pois[0] = Poi("-1.0", std::to_string(51.5 + 2000.0 / MetresPerDegreeLat), "North");
  pois[1] = Poi(std::to_string(-1.0 + 1000.0 / (MetresPerDegreeLon * std::cos(51.5 * DegToRad))), "51.5", "East");
  pois[2] = Poi("-1.0", std::to_string(51.5 + 4100.0 / MetresPerDegreeLat), "Beyond");
  pois[3] = Poi("0", "0", "Nowhere");
  PoiViewData data;
  data.fix.latitude = 51.5;
  data.fix.longitude = -1.0;
  data.fix.utcHour = 23;
  data.timeZone = 2;
  data.mapRadius = 4000.0;
  data.pois = &pois;
  RecordingCanvas canvas(800, 600);
  poi_view::DrawPoiView(canvas, data);
  struct Expected {
    std::string text;
    int x, y;
  };
  const Expected expected[] = {
      {"* North", 180, 190},      {"* East", 222, 253},        {"Map radius 4km", 240, 380},
      {"Lat. 51.500000", 10, 420}, {"Long. -1.000000", 120, 420}, {"Time 1:00:00", 240, 420},
  };
  for (const Expected& e : expected) {
    auto found = canvas.TextsEqual(e.text);
    ASSERT_EQ(found.size(), 1u) << e.text;
    EXPECT_NEAR(found[0]->args[0], e.x, 1) << e.text;
    EXPECT_NEAR(found[0]->args[1], e.y, 1) << e.text;
  }
  EXPECT_TRUE(canvas.TextsEqual("* Beyond").empty());
  EXPECT_TRUE(canvas.TextsEqual("* Nowhere").empty());

  RecordingCanvas small(750, 600);
  poi_view::DrawPoiView(small, data);
  EXPECT_TRUE(small.calls.empty());
}

}  // namespace
}  // namespace rovex
