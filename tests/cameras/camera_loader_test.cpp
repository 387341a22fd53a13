#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "camera_fixture.h"
#include "cameras/camera_database.h"
#include "cameras/camera_exclude_names.h"
#include "cameras/camera_line.h"
#include "cameras/near_camera_list.h"
#include "cameras/passed_camera_list.h"
#include "nmea/distance.h"
#include "support/fake_clipboard.h"

namespace rovex {
namespace {

using testing::CameraFixture;
using testing::FixAt;

// The eight fields of a record, joined with "|".
std::string FieldsOf(const CameraRecord& r) {
  return r.Latitude.str() + "|" + r.Longitude.str() + "|" + r.Road.str() + "|" + r.Town.str() + "|" + r.Hazard.str() +
         "|" + r.CamType.str() + "|" + r.Permanent.str() + "|" + r.SpeedLimit.str();
}

class CameraLoaderTest : public ::testing::Test {
 protected:
  CameraDatabase MakeDatabase(const CameraExcludeList* exclusions = nullptr) {
    return CameraDatabase(f.settings, &f.prompt, [this] { ++f.stops; }, exclusions);
  }
  CameraFixture f;
  GpsFix fix = FixAt(51.5, -0.1);
};

TEST_F(CameraLoaderTest, EachLineBecomesARecordOrIsSkipped) {
  struct Case {
    const char* legend;
    std::string line;
    std::string fields;  // empty: the line is skipped
  };
  const std::vector<Case> cases = {
      {"all eight fields", "51.5,-0.1,A1,Hatfield,,GATSO,Yes,30\n", "51.5|-0.1|A1|Hatfield||GATSO|Yes|30"},
      {"leading spaces then quotes are dropped, a trailing quote stays",
       " 51.5, -0.1, \"A1\",\"Town\",  \"\"Haz\", GATSO\",Yes,30\n", "51.5|-0.1|A1\"|Town\"|Haz\"|GATSO\"|Yes|30"},
      {"a quote before a space keeps the space", "51.5,-0.1,\" A1\n", "51.5|-0.1| A1|||||"},
      {"ninth and later fields are dropped, CR LF ends the line", "51.5,-0.1,A1,T,H,GATSO,No,40,extra,more\r\n",
       "51.5|-0.1|A1|T|H|GATSO|No|40"},
      {"fields are cut to their widths",
       "51.500000000000001,-0.1000000000000001,RoadNameLongerThan14,TownNameThatIsLongerThan25Chars," +
           std::string(70, 'h') + ",TYPEWORDLONGERTHAN25CHARSX,Perm,1234\n",
       "51.50000000000|-0.10000000000|RoadNameLonger|TownNameThatIsLongerThan2|" + std::string(57, 'h') +
           "|TYPEWORDLONGERTHAN25CHARS|Per|123"},
      {"strtok passes over empty fields before the position", ",,51.5,-0.1,A1\n", "||51.5|-0.1|A1|||"},
      {"atof stops at the first unusable character", "51.5abc,-0.1xyz,A1\n", "51.5abc|-0.1xyz|A1|||||"},
      {"a NUL ends the line", std::string("51.5,-0.1,A1\0,junk,GATSO\n", 25), "51.5|-0.1|A1|||||"},
      {"header line of words", "Latitude,Longitude,Road,Town,Hazard,CamType,Permanent,SpeedLimit\n", ""},
      {"latitude 0.0", "0.0,-0.1,A1\n", ""},
      {"one token only", "51.5,,,,\n", ""},
      {"quoted position reads as 0.0", "\"51.5\",\"-0.1\",A1\n", ""},
      {"not a number", "nan,-0.1,A1\n", ""},
      {"infinite", "51.5,inf,A1\n", ""},
  };
  for (const Case& c : cases) {
    f.WriteCameras(c.line);
    CameraDatabase db = MakeDatabase();
    ASSERT_EQ(CameraDatabase::LoadResult::Loaded, db.LoadCameraList(fix, 4000)) << c.legend;
    ASSERT_EQ(c.fields.empty() ? 0u : 1u, db.List()->size()) << c.legend;
    if (!c.fields.empty()) {
      EXPECT_EQ(c.fields, FieldsOf(db.List()->front())) << c.legend;
    }
  }
  EXPECT_TRUE(f.prompt.shown.empty());
}

// File order is kept, the tail of an over-long line is no camera of its own, and a
// last line without its line end keeps its last character.
TEST_F(CameraLoaderTest, FileOrderLongLinesAndTheLastLineWithoutLineEnd) {
  std::string head = "51.5,-0.1,A1,T,";
  f.WriteCameras(head + std::string(kCameraLineLimit - head.size(), 'x') + "51.49,-0.1,TAIL,,,GATSO\n" +
                 "not a camera\n51.51,-0.1,next\n51.5,-0.1,A1,T,H,GATSO,Yes,30");
  CameraDatabase db = MakeDatabase();
  ASSERT_EQ(CameraDatabase::LoadResult::Loaded, db.LoadCameraList(fix, 4000));
  ASSERT_EQ(3u, db.List()->size());
  EXPECT_EQ(std::string(57, 'x'), (*db.List())[0].Hazard.str());
  EXPECT_EQ("", (*db.List())[0].CamType.str());
  EXPECT_EQ("next", (*db.List())[1].Road.str());
  EXPECT_EQ("30", (*db.List())[2].SpeedLimit.str());
}

TEST_F(CameraLoaderTest, RadiusIsInclusiveAndNeverBelow4000) {
  const std::string exactly = "51.55,-0.1,edge\n";
  const double atRadius = DistanceFromFix(fix, 51.55, -0.1);
  ASSERT_GT(atRadius, 4000.0);
  f.WriteCameras(exactly);
  CameraDatabase db = MakeDatabase();
  db.LoadCameraList(fix, atRadius);
  EXPECT_EQ(1u, db.List()->size()) << "a camera exactly at the radius is kept";
  db.LoadCameraList(fix, std::nextafter(atRadius, 0.0));
  EXPECT_EQ(0u, db.List()->size());

  // 3.5 km and 4.5 km north: radius 2000 (and a nonsense radius) still covers 4000 m.
  f.WriteCameras(testing::CameraLine(testing::North(51.5, 3500), -0.1, "GATSO", "in") +
                 testing::CameraLine(testing::North(51.5, 4500), -0.1, "GATSO", "out"));
  for (double radius : {2000.0, 0.0, -5.0, std::nan("")}) {
    db.LoadCameraList(fix, radius);
    ASSERT_EQ(1u, db.List()->size()) << radius;
    EXPECT_EQ("in", db.List()->front().Road.str());
  }
  db.LoadCameraList(fix, 8000);
  EXPECT_EQ(2u, db.List()->size());
}

TEST_F(CameraLoaderTest, RouteExclusionsMatchTheRawTypeFieldInAnyCase) {
  CameraExcludeNames excluded({"GATSO", "Mobile 12"});
  f.WriteCameras(
      "51.5,-0.1,a,T,H,gatso,Yes,30\n"      // excluded, other case
      "51.5,-0.1,b,T,H,MOBILE 12,No,30\n"   // excluded, with its blank
      "51.5,-0.1,c,T,H, GATSO,Yes,30\n"     // a leading blank makes it another name
      "51.5,-0.1,d,T,H,TRUVELO,Yes,30\n"    // not named
      "51.5,-0.1,e,T,H,GATSO\n");           // fewer than six commas: never excluded
  struct Case {
    uint32_t exclude;
    std::string kept;
  };
  for (const Case& c : {Case{1, "cde"}, Case{0, "abcde"}, Case{2, "abcde"}}) {
    f.settings.WriteNumberSetting("Exclude", c.exclude);
    CameraDatabase db = MakeDatabase(&excluded);
    db.LoadCameraList(fix, 4000);
    std::string roads;
    for (const CameraRecord& r : *db.List()) roads += r.Road.str();
    EXPECT_EQ(c.kept, roads) << "Exclude " << c.exclude;
  }
}

TEST_F(CameraLoaderTest, WithoutAFixNothingIsTouched) {
  f.WriteCameras("51.5,-0.1,A1\n");
  CameraDatabase db = MakeDatabase();
  ASSERT_EQ(CameraDatabase::LoadResult::Loaded, db.LoadCameraList(fix, 4000));
  EXPECT_EQ(CameraDatabase::LoadResult::NoFix, db.LoadCameraList(FixAt(0.0, -0.1), 4000));
  EXPECT_EQ(1u, db.List()->size()) << "the last list stays";
  EXPECT_TRUE(f.prompt.shown.empty());
}

TEST_F(CameraLoaderTest, FailuresShowTheirMessageOnceAndStopGpsInput) {
  f.WriteCameras("51.5,-0.1,A1\n");
  CameraDatabase db = MakeDatabase();
  ASSERT_EQ(CameraDatabase::LoadResult::Loaded, db.LoadCameraList(fix, 4000));

  const std::string missing = f.dir.File(std::string(250, 'm') + ".txt");
  f.settings.WriteTextSetting("CameraFile", missing);
  EXPECT_EQ(CameraDatabase::LoadResult::Failed, db.LoadCameraList(fix, 4000));
  ASSERT_EQ(1u, f.prompt.shown.size());
  EXPECT_NE(std::string::npos, f.prompt.shown[0].text.find("\n" + missing.substr(0, 200) + "\n")) << "the path, cut";
  EXPECT_EQ(1, f.stops);
  ASSERT_NE(nullptr, db.List());
  EXPECT_TRUE(db.List()->empty());

  f.store.Delete("Software\\ROVEX", "CameraFile");
  EXPECT_EQ(CameraDatabase::LoadResult::Failed, db.LoadCameraList(fix, 4000));
  EXPECT_EQ(3u, f.prompt.shown.size()) << "the reader's message, then the loader's";
  EXPECT_EQ(2, f.stops);
}

TEST_F(CameraLoaderTest, TheBusyFlagHoldsWhileAMessageIsShown) {
  // A message shown during a load lets other sentences in: they find the list busy.
  f.settings.WriteTextSetting("CameraFile", f.dir.File("absent.txt"));
  CameraDatabase* self = nullptr;
  std::vector<CameraDatabase::LoadResult> nested;
  CameraDatabase db(f.settings, &f.prompt, [&] {
    EXPECT_TRUE(self->Loading());
    nested.push_back(self->LoadCameraList(fix, 4000));
  });
  self = &db;
  EXPECT_EQ(CameraDatabase::LoadResult::Failed, db.LoadCameraList(fix, 4000));
  EXPECT_EQ(std::vector<CameraDatabase::LoadResult>{CameraDatabase::LoadResult::Busy}, nested);
  EXPECT_FALSE(db.Loading());
}

TEST_F(CameraLoaderTest, CamerasAroundAnotherPositionIgnoreRouteExclusions) {
  CameraExcludeNames excluded({"GATSO"});
  f.WriteCameras("52.0,-1.0,far,T,H,GATSO\n51.5,-0.1,near,T,H,GATSO,Yes,30\n");
  CameraDatabase db = MakeDatabase(&excluded);
  std::vector<CameraRecord> around;
  ASSERT_EQ(CameraDatabase::LoadResult::Loaded, db.LoadCamerasAround(52.0, -1.0, 100, &around));
  ASSERT_EQ(1u, around.size());
  EXPECT_EQ("far", around[0].Road.str());
  EXPECT_EQ(nullptr, db.List()) << "the nearby list is not touched";
  EXPECT_EQ(CameraDatabase::LoadResult::NoFix, db.LoadCamerasAround(0.0, -1.0, 100, &around));
  EXPECT_EQ(1u, around.size());
}

using testing::Gga;
using testing::North;

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
  ASSERT_EQ(5u, list.Table().rows.size()) << "the far camera too";
  EXPECT_EQ("FAR", list.Table().rows[4][1]);

  list.logFile = f.dir.File("absent.txt");
  EXPECT_FALSE(list.Process());
  EXPECT_EQ("Error: Unable to open the file.", f.prompt.Texts().back());

  // A camera file that cannot be read is told once, by the loader, which stops the GPS input.
  const size_t told = f.prompt.shown.size();
  f.settings.WriteTextSetting("CameraFile", f.dir.File("absent.txt"));
  EXPECT_FALSE(Make().Process());
  EXPECT_EQ(told + 1, f.prompt.shown.size());
  EXPECT_EQ(1, f.stops);
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

}  // namespace
}  // namespace rovex
