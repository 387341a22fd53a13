#include <gtest/gtest.h>

#include <filesystem>

#include "gps/gps_input.h"
#include "routes/nearby_poi_list.h"
#include "routes/poi_list_model.h"
#include "routes/poi_select_model.h"
#include "settings/shutdown_dialog_model.h"
#include "support/fake_power_control.h"
#include "support/temp_dir.h"
#include "system/command_ids.h"
#include "system/poi_feature.h"
#include "system_fixture.h"

namespace rovex {
namespace {

using namespace cmd;
using testing::FakePowerControl;
using testing::SystemFixture;
using testing::TempDir;

void PlaceAt(RovexSystem& s, double latitude, double longitude) {
  s.Pipeline().Fix().latitude = latitude;
  s.Pipeline().Fix().longitude = longitude;
}

TEST(RecordFile, SaveAsThenOpenRestoresTheFixAndStopsGps) {
  SystemFixture f;
  TempDir dir;
  RovexSystem& s = f.Start();
  PlaceAt(s, 51.384223, -1.337132);
  s.Pipeline().Fix().utcHour = 9;
  s.Pipeline().Track()->Add(51.38, -1.33);
  f.prompt.QueueFile(dir.File("drive.txt"));
  ASSERT_TRUE(s.RunCommand(kFileSave));  // no name yet: asks for one
  ASSERT_TRUE(s.RunCommand(kFileSave));  // then writes there again without asking
  EXPECT_EQ(f.prompt.saveDialogs.size(), 1u);
  dir.Write("log.nmea", "$GPRMC,122517.0,A,5123.03664,N,00119.11388,W,000.0,226.6,170606,05.7,W,A*3B\n");

  PlaceAt(s, 10.0, 10.0);
  s.Gps().SetOpenWait([](int) { return true; });
  s.Gps().Start();
  f.prompt.QueueFile(dir.File("log.nmea"));
  s.RunCommand(kFileOpen);
  EXPECT_EQ(f.prompt.Texts().back(), "Error this is not a ROVEX record file\n" + dir.File("log.nmea"));
  EXPECT_TRUE(s.Gps().Opening()) << "a refused file leaves GPS input alone";
  EXPECT_EQ(s.Pipeline().Fix().latitude, 10.0);

  f.prompt.QueueFile(dir.File("drive.txt"));
  s.RunCommand(kFileOpen);
  EXPECT_FALSE(s.Gps().Opening());
  EXPECT_DOUBLE_EQ(s.Pipeline().Fix().latitude, 51.384223);
  EXPECT_DOUBLE_EQ(s.Pipeline().Fix().longitude, -1.337132);
  EXPECT_EQ(s.Pipeline().Fix().utcHour, 9);
  EXPECT_TRUE(s.State().displayTrack);
  EXPECT_EQ(s.Pipeline().Track()->WriteIndex(), 0);
  EXPECT_DOUBLE_EQ(s.Pipeline().Track()->Slot(0).latitude, 51.38);
}

TEST(MarkLocation, NothingBeforeAFixThenOneLineAMark) {
  SystemFixture f;
  TempDir dir;
  RegistrySettings(f.store, nullptr).WriteTextSetting("MarkFile", dir.File("marks.txt"));
  RovexSystem& s = f.Start();
  s.RunCommand(kMarkLocation);
  EXPECT_FALSE(std::filesystem::exists(dir.File("marks.txt")));
  PlaceAt(s, 51.5, -0.25);
  s.RunCommand(kMarkLocation);
  s.RunCommand(kToolMark);
  // The fixture's clock: 17 May 2024 12:00:00, local time = UTC.
  EXPECT_EQ(dir.Read("marks.txt"),
            "51.500000,-0.250000,Fri May 17 12:00:00 2024,,,,, \n"
            "51.500000,-0.250000,Fri May 17 12:00:00 2024,,,,, \n");
}

struct PoiSystem : SystemFixture {
  TempDir dir;
  PoiSystem() {
    RegistrySettings settings(store, nullptr);
    settings.WriteTextSetting("POIFolder", dir.Path());
    settings.WriteNumberSetting("MapScale", 4000);
    dir.Write("pubs.csv", "-1.01,51.5,Near pub,x\n-1.2,51.5,Far pub,y\n");
    store.Write(kPoiFilesKey, "POIFile1", SettingValue::Text("pubs.csv"));
    settings.WriteNumberSetting("POIFileNameCount", 1);
  }
  const std::vector<PoiRecord>* List() { return system->Get<PoiFeature>().Pois().List(); }
};

TEST(PoiView, TheListLivesWhileTheViewIsShown) {
  PoiSystem f;
  RovexSystem& s = f.Start();
  PlaceAt(s, 51.5, -1.0);
  s.RunCommand(kViewPoi);
  ASSERT_NE(f.List(), nullptr);
  EXPECT_EQ(f.List()->size(), 1u);
  EXPECT_EQ(s.RefreshCounter(), 0) << "a load starts the refresh interval again";
  // Zooming out to 16 km takes the far pub in.
  s.OnPostedMessage(WM_MAP_ZOOM, 0, 0);
  s.OnPostedMessage(WM_MAP_ZOOM, 0, 0);
  EXPECT_EQ(f.List()->size(), 2u);
  // Each refresh of the pipeline reads the files again.
  f.dir.Write("pubs.csv", "-1.01,51.5,Renamed pub,x\n");
  s.Pipeline().SetRefreshCounter(61);
  s.Pipeline().RunPipeline();
  EXPECT_EQ((*f.List())[0].description, "Renamed pub");
  s.RunCommand(kNearPoiList);
  s.RunCommand(kViewPoi);
  EXPECT_EQ(f.List(), nullptr) << "leaving the view frees the list";
}

TEST(PoiView, SelectingFilesReloadsInTheViewAndNearListShowsTheRows) {
  PoiSystem f;
  RovexSystem& s = f.Start();
  PlaceAt(s, 51.5, -1.0);
  s.RunCommand(kPoiDirect);
  f.dir.Write("cafes.csv", "-1.001,51.5,Cafe,\n");
  std::vector<std::string> rows;
  f.host.onOther = [&](const DialogRequest& request) {
    if (auto* select = request.Get<PoiSelectModel>()) {
      select->Add({0});
      return true;
    }
    if (auto* table = request.Get<PoiListTable>()) {
      for (const PoiListRow& r : table->rows) rows.push_back(r.description + "|" + r.distance);
    }
    return false;
  };
  s.RunCommand(kSelectPoiFiles);
  ASSERT_EQ(f.List()->size(), 2u);
  EXPECT_EQ((*f.List())[1].description, "Cafe");
  s.RunCommand(kNearPoiList);
  EXPECT_EQ(rows, (std::vector<std::string>{"Near pub|1.113 km", "Cafe|0.111 km", "|"}));
}

TEST(ShutdownKey, CancelRestartsGpsOnlyWhenItHadBeenReading) {
  for (bool reading : {false, true}) {
    for (bool ok : {false, true}) {
      SystemFixture f;
      FakePowerControl power;
      RovexSystem& s = f.Start();
      s.Gps().SetOpenWait([](int) { return true; });
      if (reading) s.Gps().Start();
      std::vector<std::string> messages;
      f.host.onOther = [&](const DialogRequest& request) {
        if (auto* m = request.Get<ShutdownDialogModel>()) messages = m->Messages();
        return ok;
      };
      ASSERT_TRUE(s.RunCommand(kRapidShutdown));
      EXPECT_EQ(messages, (std::vector<std::string>{"Press S or click the Shutdown button to shutdown."}));
      EXPECT_EQ(s.Gps().Opening(), reading && !ok) << reading << ok;
      s.Gps().Stop();
    }
  }
}

}  // namespace
}  // namespace rovex
