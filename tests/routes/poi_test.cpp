#include <gtest/gtest.h>

#include "nmea/distance.h"
#include "platform/memory_settings_store.h"
#include "routes/nearby_poi_list.h"
#include "routes/poi_file.h"
#include "routes/poi_list_model.h"
#include "routes/poi_select_model.h"
#include "support/fake_prompt.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

using testing::FakePrompt;
using testing::TempDir;

GpsFix Fix(double latitude, double longitude) {
  GpsFix fix;
  fix.latitude = latitude;
  fix.longitude = longitude;
  return fix;
}

TEST(PoiFile, AcceptanceAtTheRadiusAndBeyond) {
  const GpsFix fix = Fix(51.5, -1.0);
  // A point due north at exactly 1000 m, and one a metre further.
  const std::string atText = std::to_string(51.5 + 1000.0 / MetresPerDegreeLat);
  const double atRadius = std::stod(atText);
  const double beyond = atRadius + 1.0 / MetresPerDegreeLat;
  const std::string at = "-1.0," + atText;
  const double radius = DistanceFromFix(fix, atRadius, -1.0);
  struct Case {
    std::string line;
    bool kept;
    const char* legend;
  };
  const Case cases[] = {
      {at + ",Pub,Second", true, "exactly at the radius"},
      {"-1.0," + std::to_string(beyond) + ",Pub", false, "a metre beyond"},
      {"0.0,51.5,zero longitude", false, "longitude 0.0 means no value"},
      {"-1.0,0.0,zero latitude", false, "latitude 0.0 means no value"},
      {",,-1.0,51.5,Lead", true, "empty tokens before the numbers are passed over"},
      {"-1.0", false, "one number only"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AcceptPoiLine(c.line, fix, radius).has_value(), c.kept) << c.legend;
  }
  // Fields cut to their widths; a quoted field runs past its comma.
  std::optional<PoiRecord> r =
      AcceptPoiLine("-1.000000000000000001,51.5,\"Cafe, corner\"," + std::string(100, 'x') + ",more", fix, radius);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->longitude, "-1.00000000000");
  EXPECT_EQ(r->description, "\"Cafe, corner\"");
  EXPECT_EQ(r->description2.size(), 79u);
}

struct PoiFolder {
  TempDir dir;
  MemorySettingsStore store;
  FakePrompt prompt;
  RegistrySettings settings{store, &prompt};
  int stops = 0;
  NearbyPoiList pois{settings, &prompt, [this] { ++stops; }};

  PoiFolder() { settings.WriteTextSetting("POIFolder", dir.Path()); }
  void Select(const std::vector<std::pair<std::string, std::string>>& values) {
    for (const auto& [name, file] : values) store.Write(kPoiFilesKey, name, SettingValue::Text(file));
  }
};

TEST(NearbyPoiList, FilesInStoreOrderAndAMissingFileToldOnce) {
  PoiFolder f;
  f.dir.Write("b.csv", "-1.001,51.5,B1\n-1.002,51.5,B2\n");
  f.dir.Write("a.csv", "-1.003,51.5,A1\n");
  f.Select({{"POIFile1", "b.csv"}, {"Other", "a.csv"}, {"POIFile3", "gone.csv"}, {"POIFile2", "a.csv"}});
  EXPECT_EQ(f.pois.Load(Fix(0.0, -1.0), 5000), NearbyPoiList::LoadResult::NoFix);
  EXPECT_EQ(f.pois.List(), nullptr);
  for (int refresh = 0; refresh < 3; ++refresh) {
    ASSERT_EQ(f.pois.Load(Fix(51.5, -1.0), 5000), NearbyPoiList::LoadResult::Loaded);
  }
  std::vector<std::string> names;
  for (const PoiRecord& r : *f.pois.List()) names.push_back(r.description.str());
  EXPECT_EQ(names, (std::vector<std::string>{"B1", "B2", "A1"}));
  EXPECT_EQ(f.prompt.Texts(), (std::vector<std::string>{"Error can't open the POI location file\n" +
                                                         f.dir.File("gone.csv") + "\nPlease check the setup/registry."}));
  EXPECT_EQ(f.stops, 0);
  // Losing the fix keeps the last list.
  EXPECT_EQ(f.pois.Load(Fix(0.0, 0.0), 5000), NearbyPoiList::LoadResult::NoFix);
  EXPECT_EQ(f.pois.List()->size(), 3u);
}

TEST(NearbyPoiList, AMissingFolderSettingStopsGps) {
  PoiFolder f;
  f.store.Delete("Software\\ROVEX", "POIFolder");
  EXPECT_EQ(f.pois.Load(Fix(51.5, -1.0), 5000), NearbyPoiList::LoadResult::Failed);
  EXPECT_EQ(f.stops, 1);
  EXPECT_EQ(f.prompt.Texts().back(),
            "Error can't get the POI folder name from the registry.\nPlease check the setup/registry.");
}

TEST(PoiSelect, SavedWithoutGapsAndReadBackWhole) {
  PoiFolder f;
  f.dir.Write("A.csv", "");
  f.dir.Write("B.csv", "");
  f.dir.Write("C.csv", "");
  f.Select({{"POIFile7", "stale.csv"}, {"Keep", "x"}});
  PoiSelectModel model(f.settings, &f.prompt);
  model.Open();
  EXPECT_EQ(model.Available(), (std::vector<std::string>{"A.csv", "B.csv", "C.csv"}));
  model.Add({2, 0, 0, 9});
  EXPECT_EQ(model.Selected(), (std::vector<std::string>{"A.csv", "C.csv"}));
  model.Add({0});
  std::remove(f.dir.File("C.csv").c_str());
  model.Ok();
  EXPECT_EQ(f.store.Read(kPoiFilesKey, "POIFile1").value.text, "A.csv");
  EXPECT_EQ(f.store.Read(kPoiFilesKey, "POIFile2").value.text, "B.csv");
  EXPECT_EQ(f.store.Read(kPoiFilesKey, "POIFile3").status, ReadStatus::ValueMissing);
  EXPECT_EQ(f.store.Read(kPoiFilesKey, "POIFile7").status, ReadStatus::ValueMissing);
  EXPECT_EQ(f.store.Read(kPoiFilesKey, "Keep").value.text, "x");
  EXPECT_EQ(f.settings.ReadNumberSetting("POIFileNameCount"), 2u);

  PoiSelectModel again(f.settings, &f.prompt);
  again.Open();
  EXPECT_EQ(again.Selected(), (std::vector<std::string>{"A.csv", "B.csv"}));
  EXPECT_TRUE(again.Available().empty());
  EXPECT_TRUE(f.prompt.shown.empty());
  // Removing puts back only what the folder still holds.
  f.dir.Write("C.csv", "");
  again.RemoveAll();
  EXPECT_EQ(again.Available(), (std::vector<std::string>{"A.csv", "B.csv"}));
}

TEST(PoiListTable, FlatDistancesAndTheEmptyEnd) {
  std::vector<PoiRecord> list(3);
  list[0] = {"-1.0", "51.51", "North", ""};
  list[1] = {"-0.99", "51.5", "East", ""};
  list[2] = {"0", "51.5", "No longitude", ""};
  const PoiListTable t = PoiListTable::Build(&list, Fix(51.5, -1.0));
  ASSERT_EQ(t.rows.size(), 4u);
  EXPECT_EQ(t.rows[0].distance, "1.109 km");
  EXPECT_EQ(t.rows[1].distance, "1.113 km");
  EXPECT_EQ(t.rows[2].distance, "");
  EXPECT_EQ(t.rows[3].latitude + t.rows[3].description, "");
  EXPECT_EQ(PoiListTable::Build(&list, Fix(0.0, -1.0)).rows[0].distance, "");
  EXPECT_EQ(PoiListTable::Build(nullptr, Fix(51.5, -1.0)).rows.size(), 1u);
  EXPECT_EQ(PoiListTable::Build(nullptr, Fix(51.5, -1.0)).rows[0].latitude, "Poi list is empty");
}

}  // namespace
}  // namespace rovex
