#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cameras/camera_database.h"
#include "cameras/camera_exclude_names.h"
#include "cameras/camera_line.h"
#include "cameras/distance_to_camera.h"
#include "camera_fixture.h"
#include "nmea/distance.h"

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
      {"minus zero is zero", "51.5,-0.0,A1\n", ""},
      {"one token only", "51.5,,,,\n", ""},
      {"quoted position reads as 0.0", "\"51.5\",\"-0.1\",A1\n", ""},
      {"not a number", "nan,-0.1,A1\n", ""},
      {"infinite", "51.5,inf,A1\n", ""},
      {"outside the radius (5 km north)", "51.545,-0.1,A1\n", ""},
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

TEST_F(CameraLoaderTest, KeepsFileOrderAndTheLastLineWithoutLineEnd) {
  f.WriteCameras("51.51,-0.1,first\nnot a camera\n51.49,-0.1,second\n51.5,-0.1,A1,T,H,GATSO,Yes,30");
  CameraDatabase db = MakeDatabase();
  ASSERT_EQ(CameraDatabase::LoadResult::Loaded, db.LoadCameraList(fix, 4000));
  ASSERT_EQ(3u, db.List()->size());
  EXPECT_EQ("first", (*db.List())[0].Road.str());
  EXPECT_EQ("second", (*db.List())[1].Road.str());
  // Without a line end the last character is still part of the last field.
  EXPECT_EQ("30", (*db.List())[2].SpeedLimit.str());
}

TEST_F(CameraLoaderTest, OnlyTheFirstCharactersOfALongLineCount) {
  // The tail of an over-long line must not be read as a camera of its own.
  std::string head = "51.5,-0.1,A1,T,";
  std::string line = head + std::string(kCameraLineLimit - head.size(), 'x') + "51.49,-0.1,TAIL,,,GATSO\n";
  f.WriteCameras(line + "51.51,-0.1,next\n");
  CameraDatabase db = MakeDatabase();
  ASSERT_EQ(CameraDatabase::LoadResult::Loaded, db.LoadCameraList(fix, 4000));
  ASSERT_EQ(2u, db.List()->size());
  EXPECT_EQ(std::string(57, 'x'), (*db.List())[0].Hazard.str());
  EXPECT_EQ("", (*db.List())[0].CamType.str());
  EXPECT_EQ("next", (*db.List())[1].Road.str());
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
  f.store.Delete("Software\\ROVEX", "Exclude");
  CameraDatabase db = MakeDatabase(&excluded);
  db.LoadCameraList(fix, 4000);
  EXPECT_EQ(5u, db.List()->size()) << "a missing Exclude value is off";
}

TEST_F(CameraLoaderTest, WithoutAFixNothingIsTouched) {
  f.WriteCameras("51.5,-0.1,A1\n");
  CameraDatabase db = MakeDatabase();
  EXPECT_EQ(CameraDatabase::LoadResult::NoFix, db.LoadCameraList(FixAt(0.0, -0.1), 4000));
  EXPECT_EQ(nullptr, db.List());
  ASSERT_EQ(CameraDatabase::LoadResult::Loaded, db.LoadCameraList(fix, 4000));
  db.LoadCameraList(FixAt(0.0, 0.0), 4000);
  EXPECT_EQ(1u, db.List()->size()) << "the last list stays";
  EXPECT_TRUE(f.prompt.shown.empty());
  EXPECT_EQ(0, f.stops);
}

TEST_F(CameraLoaderTest, FailuresShowTheirMessageOnceAndStopGpsInput) {
  f.WriteCameras("51.5,-0.1,A1\n");
  CameraDatabase db = MakeDatabase();
  ASSERT_EQ(CameraDatabase::LoadResult::Loaded, db.LoadCameraList(fix, 4000));

  const std::string missing = f.dir.File(std::string(250, 'm') + ".txt");
  f.settings.WriteTextSetting("CameraFile", missing);
  EXPECT_EQ(CameraDatabase::LoadResult::Failed, db.LoadCameraList(fix, 4000));
  ASSERT_EQ(1u, f.prompt.shown.size());
  EXPECT_EQ("Error can't open the camera location file\n" + missing.substr(0, 200) +
                "\nPlease check the setup/registry.",
            f.prompt.shown[0].text);
  EXPECT_EQ(1, f.stops);
  EXPECT_FALSE(db.Loading());
  ASSERT_NE(nullptr, db.List());
  EXPECT_TRUE(db.List()->empty());

  f.store.Delete("Software\\ROVEX", "CameraFile");
  EXPECT_EQ(CameraDatabase::LoadResult::Failed, db.LoadCameraList(fix, 4000));
  EXPECT_EQ((std::vector<std::string>{
                f.prompt.shown[0].text, "Unable read the camera file name from the registry.",
                "Error can't get the camera filename from the registry.\nPlease check the setup/registry."}),
            f.prompt.Texts());
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

}  // namespace
}  // namespace rovex

namespace rovex {
namespace {

TEST(DistanceToCameraTest, IsTheDistanceFromTheFixOfTheRecordsText) {
  struct Case {
    const char* latitude;
    const char* longitude;
    GpsFix fix;
    double expected;
  };
  const GpsFix fix = testing::FixAt(51.5, -0.1);
  const Case cases[] = {
      {"51.51xyz", " -0.12", fix, DistanceFromFix(fix, 51.51, -0.12)},
      {"0.0", "-0.12", fix, -1.0},
      {"51.51", "", fix, -1.0},
      {"51.51", "-0.12", testing::FixAt(0.0, -0.1), -1.0},
  };
  for (const Case& c : cases) {
    CameraRecord record;
    record.Latitude = c.latitude;
    record.Longitude = c.longitude;
    EXPECT_EQ(c.expected, DistanceToCamera(c.fix, record)) << c.latitude << "," << c.longitude;
  }
}

}  // namespace
}  // namespace rovex
