#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cameras/camera_database.h"
#include "cameras/near_camera_list.h"
#include "cameras/passed_camera_list.h"
#include "camera_fixture.h"
#include "support/fake_clipboard.h"

namespace rovex {
namespace {

using testing::CameraFixture;
using testing::FixAt;
using testing::North;

std::string Gga(double latitude, double longitude) {
  auto part = [](double value, int degreeDigits) {
    double a = std::fabs(value);
    int degrees = static_cast<int>(a);
    char text[32];
    std::snprintf(text, sizeof text, "%0*d%07.4f", degreeDigits, degrees, (a - degrees) * 60.0);
    return std::string(text);
  };
  return "$GPGGA,120000," + part(latitude, 2) + (latitude < 0 ? ",S," : ",N,") + part(longitude, 3) +
         (longitude < 0 ? ",W," : ",E,") + "1,08,0.9,10.0,M,,M,,*00\n";
}

std::string Rmc(const std::string& knots) {
  return "$GPRMC,120000,A,5130.0000,N,00006.0000,W," + knots + ",0.0,010126,,*00\n";
}

TEST(NearCameraListTest, RowsWithTheListsOwnFlatDistances) {
  std::vector<CameraRecord> list(3);
  list[0].SetField(0, "51.51");
  list[0].SetField(1, "-0.1");
  list[0].SetField(5, "GATSO");
  list[0].SetField(7, "30");
  list[1].SetField(1, "-0.1");  // no latitude text
  list[2].SetField(0, "51.5");
  list[2].SetField(1, "-0.11");
  CameraTable table = NearCameraList::Build(&list, 51.5, -0.1);
  ASSERT_EQ(3u, table.rows.size());
  // 0.01 degree north by the list's factor (not the warnings' 1.112 km).
  EXPECT_EQ((std::vector<std::string>{"1.109 km", "51.51", "-0.1", "GATSO", "", "", "", "", "30"}), table.rows[0]);
  EXPECT_EQ("empty", table.rows[1][0]);
  EXPECT_EQ("1.113 km", table.rows[2][0]) << "no latitude correction east";
  EXPECT_EQ("empty", NearCameraList::Build(&list, 0.0, -0.1).rows[0][0]);

  EXPECT_EQ(std::vector<std::vector<std::string>>{{"Camera list is empty"}},
            NearCameraList::Build(nullptr, 51.5, -0.1).rows);
}

class PassedCameraListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Along one road north: a GATSO 150 m off the road, two REDLIGHTs passed at
    // 800 m and 500 m, a gatso (other case, other entry) passed at 1000 m.
    auto aside = [](double north, double east, const char* type) {
      double latitude = North(51.5, north);
      return testing::CameraLine(latitude, -0.1 + east / (std::cos(latitude * DegToRad) * MetresPerDegreeLon), type);
    };
    f.WriteCameras(aside(1000, 150, "GATSO") + aside(2000, -800, "REDLIGHT") + aside(3000, 500, "REDLIGHT") +
                   aside(4000, -1000, "gatso") +
                   testing::CameraLine(North(51.5, 30000), -0.1, "FAR"));
    std::string log = "$GPGSV,3,1,12*00\n" + Rmc("30.0");
    for (int metres = 0; metres <= 5000; metres += 10) log += Gga(North(51.5, metres), -0.1);
    f.dir.Write("log.txt", log);
  }
  PassedCameraList Make() {
    PassedCameraList list(f.settings, &f.prompt, db, &clipboard);
    list.logFile = f.dir.File("log.txt");
    return list;
  }
  CameraFixture f;
  CameraDatabase db{f.settings, &f.prompt, [this] { ++f.stops; }};
  testing::FakeClipboard clipboard;
};

TEST_F(PassedCameraListTest, ListsEachTypeWithItsClosestDistance) {
  f.settings.WriteNumberSetting("SpeedUnits", 1);
  PassedCameraList list = Make();
  EXPECT_TRUE(list.Process());
  const auto& rows = list.Table().rows;
  ASSERT_EQ(3u, rows.size());
  EXPECT_EQ((std::vector<std::string>{"List contains 2 items", "", "", ""}), rows[0]);
  EXPECT_EQ((std::vector<std::string>{"0.500 km", "REDLIGHT", "1", ""}), rows[1]) << "the closer of the two";
  EXPECT_EQ((std::vector<std::string>{"1.000 km", "gatso", "2", ""}), rows[2]);
  EXPECT_EQ("Finished", f.prompt.Texts().back());

  // The GATSO passed at 150 m is kept (below N 300, so not shown) with its speed.
  ASSERT_EQ(4u, list.Entries().size());
  EXPECT_FALSE(list.Entries()[0].name.has_value());
  EXPECT_EQ("GATSO", *list.Entries()[1].name);
  EXPECT_NEAR(150.0, list.Entries()[1].distance, 1.0);
  EXPECT_NEAR(30.0 * 1.852, list.Entries()[1].speed, 1e-9);

  list.nearestDistance = "100";
  ASSERT_TRUE(list.Process());
  EXPECT_EQ((std::vector<std::string>{"0.150 km", "GATSO", "1", "56 kph"}), list.Table().rows[1]);
}

TEST_F(PassedCameraListTest, DistanceLimitsAndTheirMessages) {
  PassedCameraList list = Make();
  list.nearestDistance = "4000";
  list.farthestDistance = "3999";
  EXPECT_FALSE(list.Process());
  EXPECT_EQ("The nearest distance must be less than the farthest.", f.prompt.Texts().back());
  list.nearestDistance = list.farthestDistance = "900";
  EXPECT_TRUE(list.Process()) << "N equal to F is accepted";

  list.nearestDistance = "0";
  list.farthestDistance = "60000";
  f.prompt.QueueAnswer(MsgResult::No);
  EXPECT_FALSE(list.Process());
  EXPECT_EQ(MsgButtons::YesNo, f.prompt.shown.back().buttons);
  EXPECT_EQ(1u, list.Table().rows.size()) << "No leaves the last list alone";
  f.prompt.QueueAnswer(MsgResult::Yes);
  EXPECT_TRUE(list.Process());
  EXPECT_EQ("List contains 4 items", list.Table().rows[0][0]) << "the far camera too";
  EXPECT_EQ("FAR", list.Table().rows[4][1]);

  list.logFile = f.dir.File("absent.txt");
  EXPECT_FALSE(list.Process());
  EXPECT_EQ("Error: Unable to open the file.", f.prompt.Texts().back());
}

TEST_F(PassedCameraListTest, ALogWithoutPositionsListsNothing) {
  f.dir.Write("log.txt", Rmc("10") + "$GPGSA,A,3*00\n$gpgga,120000,5130.0000,N,00006.0000,W*00\n");
  PassedCameraList list = Make();
  EXPECT_TRUE(list.Process());
  EXPECT_EQ(std::vector<std::vector<std::string>>({{"List contains 0 items", "", "", ""}}), list.Table().rows);
  list.Copy();
  EXPECT_EQ("The list is empty, can't paste.", f.prompt.Texts().back());
  EXPECT_TRUE(clipboard.texts.empty());
}

TEST_F(PassedCameraListTest, CopiesTheShownEntriesWithAndWithoutDistances) {
  f.settings.WriteNumberSetting("SpeedUnits", 0);
  PassedCameraList list = Make();
  list.nearestDistance = "100";
  ASSERT_TRUE(list.Process());
  f.prompt.QueueAnswer(MsgResult::No);
  list.Copy();
  f.prompt.QueueAnswer(MsgResult::Yes);
  list.Copy();
  ASSERT_EQ(2u, clipboard.texts.size());
  EXPECT_EQ(":GATSO\r\n:REDLIGHT\r\n:gatso\r\n", clipboard.texts[0]);
  EXPECT_EQ(":GATSO\t\t0.150 km\t\t35 mph\r\n:REDLIGHT\t\t0.500 km\r\n:gatso\t\t1.000 km\r\n", clipboard.texts[1]);
  EXPECT_EQ("The list has been copied to the Windows paste buffer.", f.prompt.Texts().back());

  clipboard.failWith = ClipboardResult::SetFailed;
  list.Copy();
  EXPECT_EQ("Error(s) occurred while writing the list\nto the Windows paste buffer.", f.prompt.Texts().back());
  EXPECT_EQ(2u, clipboard.texts.size());
}

TEST_F(PassedCameraListTest, ACameraFileFailureIsToldOnce) {
  f.settings.WriteTextSetting("CameraFile", f.dir.File("absent.txt"));
  PassedCameraList list = Make();
  EXPECT_FALSE(list.Process());
  EXPECT_EQ(std::vector<std::string>{"Error can't open the camera location file\n" + f.dir.File("absent.txt") +
                                     "\nPlease check the setup/registry."},
            f.prompt.Texts());
  EXPECT_EQ(1, f.stops);
}

}  // namespace
}  // namespace rovex
