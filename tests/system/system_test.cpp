#include <gtest/gtest.h>

#include "cameras/camera_steps.h"
#include "gps/dlg_distance.h"
#include "gps/gps_input.h"
#include "platform/message_poster.h"
#include "settings/registry_settings.h"
#include "support/temp_dir.h"
#include "system_fixture.h"
#include "system/command_ids.h"
#include "gps/dlg_manual_location.h"

namespace rovex {
namespace {

using testing::DrawCall;
using testing::SystemFixture;
using testing::TempDir;

constexpr const char* kOndrawSentence = "$GPRMC,122517.0,A,5123.03664,N,00119.11388,W,000.0,226.6,170606,05.7,W,A*3B";

// NMEA with a correct checksum.
std::string Sentence(const std::string& body) {
  unsigned x = 0;
  for (char c : body) x ^= static_cast<unsigned char>(c);
  char sum[4];
  std::snprintf(sum, sizeof sum, "%02X", x);
  return "$" + body + "*" + sum;
}

// A running system whose camera file holds cameras around the test position of "Do a ondraw".
struct CameraFixture : SystemFixture {
  TempDir dir;
  CameraFixture() {
    dir.Write("cameras.txt",
              "51.386000,-1.337132,A339,Newbury,,GATSO,Yes,40\n"    // 198 m north
              "51.384223,-1.335000,A339,Newbury,,MOBILE,No,30\n"    // 148 m east
              "51.400000,-1.337132,A34,Newbury,Bridge,SPECS,Yes,50\n"  // 1.76 km north
              "51.430000,-1.337132,A34,Chieveley,,TRUVELO,Yes,70\n");  // 5.1 km north
    RegistrySettings(store, nullptr).WriteTextSetting("CameraFile", dir.File("cameras.txt"));
  }
  // A sentence from the reader: mailbox, then the posted message.
  void Receive(const std::string& line) {
    system->Gps().HandOff().mailbox.TryPost(line);
    system->OnPostedMessage(WM_GPS_SENTENCE, 0, 0);
  }
};

TEST(SystemDrawing, BeforeAnySentenceTheCameraViewShowsOnlyItsBackground) {
  SystemFixture f;
  RovexSystem& s = f.Start();
  s.DrawingPass(f.canvas);
  EXPECT_TRUE(f.canvas.calls.empty());
  s.RunCommand(cmd::kNightColours);
  ASSERT_EQ(f.canvas.calls.size(), 1u) << "only the cleared background";
  EXPECT_EQ(f.canvas.calls[0].op, DrawCall::Op::Rectangle);
  EXPECT_EQ(f.canvas.calls[0].brush.colour, kBlack);
}

TEST(SystemDrawing, DoAnOndrawFillsTheViewWithTheTestPositionAndSentence) {
  CameraFixture f;
  RovexSystem& s = f.Start();
  ASSERT_TRUE(s.RunCommand(cmd::kDoAnOndraw));
  EXPECT_EQ(s.Fix().latitude, 51.384223);
  ASSERT_NE(testing::CamerasOf(s).Cameras().List(), nullptr);
  EXPECT_EQ(testing::CamerasOf(s).Cameras().List()->size(), 3u) << "the cameras within 4 km";
  for (const char* text : {"Lat. 51.384223", "Long. -1.337132", "Speed Limit", "Map radius 4km", kOndrawSentence}) {
    EXPECT_EQ(f.canvas.TextsEqual(text).size(), 1u) << text;
  }
  EXPECT_EQ(f.canvas.TextsEqual(kOndrawSentence)[0]->args, (std::vector<int>{4, 460}));
  EXPECT_EQ(f.canvas.Of(DrawCall::Op::Image).size(), 2u) << "the symbols of the two cameras within 250 m";
  EXPECT_FALSE(s.Gps().HandOff().mailbox.SentencePending()) << "the pass released the mailbox";

  // The next pass draws the panels again, but the sentence strip only with a new sentence.
  f.canvas.Clear();
  s.DrawingPass(f.canvas);
  EXPECT_EQ(f.canvas.TextsEqual("Lat. 51.384223").size(), 1u);
  EXPECT_TRUE(f.canvas.TextsEqual(kOndrawSentence).empty());
}

TEST(SystemDrawing, TheTrackIsRecordedAboveOneKnotAndTracedOnTheRadar) {
  CameraFixture f;
  RovexSystem& s = f.Start();
  ASSERT_NE(s.Pipeline().Track(), nullptr) << "LogTrack is on by default";
  for (int i = 0; i < 3; ++i) {  // a position, then a speed of 30 knots there
    const std::string at = "12000" + std::to_string(i) + ",5123.0" + std::to_string(i) + ",N,00120.000,W,";
    f.Receive(Sentence("GPGGA," + at + "1,08,0.9,100.0,M,47.0,M,,"));
    f.Receive(Sentence("GPRMC," + at.substr(0, 7) + "A," + at.substr(7) + "30.0,0.0,170606,,,"));
  }
  // The first GGA comes before any speed; from the first RMC on every sentence stores a point.
  EXPECT_EQ(s.Pipeline().Track()->WriteIndex(), 4);
  EXPECT_FALSE(f.canvas.Of(DrawCall::Op::Polyline).empty());
  EXPECT_EQ(f.canvas.Of(DrawCall::Op::Polyline).back()->pen.colour, (Rgb{255, 255, 0}));
}

TEST(SystemCommands, RouteTwiceReturnsToCameraAndTheNextSentenceReloadsTheCameraList) {
  CameraFixture f;
  RovexSystem& s = f.Start();
  s.RunCommand(cmd::kDoAnOndraw);
  // Fed with a fix, the pipeline has rebuilt recently: counter below 61.
  f.Receive(Sentence("GPGGA,120000.00,5123.05334,N,00120.22792,W,1,08,0.9,100.0,M,47.0,M,,"));
  f.Receive(Sentence("GPGGA,120001.00,5123.05334,N,00120.22792,W,1,08,0.9,100.0,M,47.0,M,,"));
  ASSERT_LT(s.RefreshCounter(), 61);
  s.RunCommand(cmd::kViewRoute);
  s.RunCommand(cmd::kViewRoute);
  EXPECT_EQ(s.ViewMode(), kCameraMode);
  EXPECT_EQ(f.host.Title(), "ROVEX Camera View");
  EXPECT_EQ(s.RefreshCounter(), 71);
  RegistrySettings(f.store, nullptr).WriteTextSetting("CameraFile", f.dir.File("none.txt"));
  f.Receive(Sentence("GPGGA,120002.00,5123.05334,N,00120.22792,W,1,08,0.9,100.0,M,47.0,M,,"));
  ASSERT_FALSE(f.prompt.shown.empty()) << "the reload was attempted with this sentence";
  EXPECT_EQ(f.prompt.shown.back().text.rfind("Error can't open the camera location file", 0), 0u);
}

TEST(SystemCommands, ZoomReloadsTheCameraListWithTheNewRadius) {
  CameraFixture f;
  RovexSystem& s = f.Start();
  s.RunCommand(cmd::kDoAnOndraw);
  ASSERT_EQ(testing::CamerasOf(s).Cameras().List()->size(), 3u);
  auto letters = [&] {
    f.canvas.Clear();
    s.DrawingPass(f.canvas);
    std::string found;
    for (const DrawCall* t : f.canvas.Of(DrawCall::Op::Text)) {
      if (t->text.size() == 1 && t->font.height == 20) found += t->text;
    }
    return found;
  };
  s.Pipeline().SetRefreshCounter(50);
  s.RunCommand(cmd::kToolZoomOut);
  EXPECT_EQ(s.MapRadius(), 8000.0);
  EXPECT_EQ(s.RefreshCounter(), 0) << "a load outside the pipeline starts the refresh interval again";
  EXPECT_EQ(testing::CamerasOf(s).Cameras().List()->size(), 4u);
  EXPECT_EQ(f.canvas.TextsEqual("Map radius 8km").size(), 1u);
  EXPECT_EQ(letters(), "GMST");
  s.RunCommand(cmd::kToolZoomIn);
  s.RunCommand(cmd::kToolZoomIn);
  s.RunCommand(cmd::kToolZoomIn);
  EXPECT_EQ(s.MapRadius(), 1000.0);
  EXPECT_EQ(testing::CamerasOf(s).Cameras().List()->size(), 3u) << "the loader never reads less than 4 km";
  EXPECT_EQ(letters(), "GM") << "the specs camera 1.76 km north is off the 1 km radar";
}

TEST(SystemCommands, MuteAndTheManualLocationDialog) {
  CameraFixture f;
  RovexSystem& s = f.Start();
  EXPECT_EQ(s.IsChecked(cmd::kMute), std::optional<bool>(false));
  s.RunCommand(cmd::kMute);
  EXPECT_EQ(s.IsChecked(cmd::kMute), std::optional<bool>(true));
  s.RunCommand(cmd::kMute);

  bool mutedInside = false;
  f.host.onManualLocation = [&](CDlgManualLocation& dialog) {
    mutedInside = testing::CamerasOf(s).Voice().Muted();
    EXPECT_EQ(dialog.m_latitude, "0.000000");
    dialog.m_latitude = "51.5";
    dialog.NudgeLatitude(0.01);
    EXPECT_EQ(dialog.m_latitude, "51.510000");
    EXPECT_EQ(s.Fix().latitude, 51.51);
    dialog.m_longitude = "-1.25";
    dialog.NudgeLongitude(-0.1);
    EXPECT_EQ(dialog.m_longitude, "-1.350000");
    dialog.ZoomIn();
    dialog.m_latitude = "51.384223";
    dialog.OnOK();
    return true;
  };
  s.RunCommand(cmd::kManualLocation);
  EXPECT_TRUE(mutedInside);
  EXPECT_FALSE(testing::CamerasOf(s).Voice().Muted()) << "the earlier state comes back";
  EXPECT_EQ(s.Fix().latitude, 51.384223);
  EXPECT_EQ(s.Fix().longitude, -1.35);
  EXPECT_EQ(f.poster.Count(WM_LOCATION_SET), 3u);
  EXPECT_EQ(f.poster.Count(WM_MAP_ZOOM), 1u);
  // The posted location runs the pipeline at once with a forced reload.
  s.OnPostedMessage(WM_LOCATION_SET, 0, 0);
  EXPECT_EQ(s.RefreshCounter(), 0);
  EXPECT_NE(testing::CamerasOf(s).Cameras().List(), nullptr);
  EXPECT_EQ(f.host.invalidates, 1);
}

TEST(SystemCommands, DistanceDialogAndTheDistanceMessage) {
  SystemFixture f;
  RovexSystem& s = f.Start();
  s.Fix().latitude = 51.0;
  s.Fix().longitude = -1.0;
  f.host.onDistance = [](CDlgDistance& dialog) {
    EXPECT_EQ(dialog.m_latitude1, "51.000000");
    dialog.m_latitude2 = "52.0";
    dialog.m_longitude2 = "-1.0";
    dialog.OnCalculate();
    return true;
  };
  s.RunCommand(cmd::kDistanceToLocation);
  // Calculate stored the second point as the location to measure to.
  s.OnPostedMessage(WM_DISTANCE_TO_LOCATION, 0, 0);
  ASSERT_EQ(f.prompt.shown.size(), 1u);
  EXPECT_EQ(f.prompt.shown[0].text.rfind("Distance \n111248.400000 metres\n\n", 0), 0u) << f.prompt.shown[0].text;
}

TEST(SystemCommands, StartAndStopRunThePortOpenOfGpsInput) {
  SystemFixture f;
  RovexSystem& s = f.Start();
  s.Gps().SetOpenWait([](int) { return true; });
  s.RunCommand(cmd::kStart);
  EXPECT_TRUE(s.Gps().Opening());
  ASSERT_TRUE(f.poster.WaitFor(WM_GPS_PORT_OPENED, 1, 5000));
  s.OnPostedMessage(WM_GPS_PORT_OPENED, 0, 0);
  EXPECT_FALSE(s.Gps().Opening());
  s.RunCommand(cmd::kStop);
  EXPECT_FALSE(s.Gps().PortOpen());
}

TEST(SystemCommands, ReplayingALogDrawsAndRunsThePipelineForEachLine) {
  CameraFixture f;
  std::string log;
  for (int i = 0; i < 6; ++i) {
    char time[16];
    std::snprintf(time, sizeof time, "1200%02d.00", i);
    log += Sentence("GPGGA," + std::string(time) + ",5123.05334,N,00120.22792,W,1,08,0.9,100.0,M,47.0,M,,") + "\r\n";
  }
  f.dir.Write("drive.nmea", log);
  RovexSystem& s = f.Start();
  std::string error;
  ASSERT_TRUE(s.ReplayLogNow(f.dir.File("drive.nmea"), 3, &error)) << error;
  EXPECT_EQ(f.host.repaints, 3);
  EXPECT_NEAR(s.Fix().latitude, 51.384222, 1e-6);
  // A replay brings the rebuild forward (counter 58): the fourth sentence rebuilds.
  EXPECT_EQ(testing::CamerasOf(s).Cameras().List(), nullptr);
  ASSERT_TRUE(s.ReplayLogNow(f.dir.File("drive.nmea"), -1, &error)) << error;
  EXPECT_EQ(f.host.repaints, 9);
  EXPECT_NE(testing::CamerasOf(s).Cameras().List(), nullptr);
  EXPECT_FALSE(s.ReplayLogNow(f.dir.File("missing.nmea"), -1, &error));
  EXPECT_NE(error.find("missing.nmea"), std::string::npos);
  EXPECT_FALSE(s.ReplayLogNow(f.dir.Path(), -1, &error)) << "a folder is no log";
  EXPECT_NE(error.find("Is a directory"), std::string::npos) << error;
}

}  // namespace
}  // namespace rovex
