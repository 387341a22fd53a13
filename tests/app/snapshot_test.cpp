#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>

#include "app/snapshot.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

TEST(Snapshot, ArgumentsAreCheckedBeforeAnythingStarts) {
  std::string error;
  auto o = ParseSnapshotArgs({"--snapshot", "a.png", "--mode", "3", "--size", "640x480", "--replay", "x.log",
                              "--lines", "20", "--ondraw"},
                             &error);
  ASSERT_TRUE(o) << error;
  EXPECT_EQ(o->picture, "a.png");
  EXPECT_EQ(o->mode, 3);
  EXPECT_EQ(o->width, 640);
  EXPECT_EQ(o->height, 480);
  EXPECT_EQ(o->replayLog, "x.log");
  EXPECT_EQ(o->lines, 20);
  EXPECT_TRUE(o->ondraw);

  const std::vector<std::vector<std::string>> bad = {
      {"--snapshot"},
      {"--mode", "2"},
      {"--snapshot", "a.png", "--mode", "8"},
      {"--snapshot", "a.png", "--mode", "x"},
      {"--snapshot", "a.png", "--size", "800"},
      {"--snapshot", "a.png", "--size", "0x600"},
      {"--snapshot", "a.png", "--lines", "5"},
      {"--snapshot", "a.png", "--bogus"},
  };
  for (const auto& args : bad) {
    error.clear();
    EXPECT_FALSE(ParseSnapshotArgs(args, &error)) << args.back();
    EXPECT_FALSE(error.empty());
  }
}

TEST(Snapshot, WritesThePictureOfTheViewAtTheAskedSize) {
  testing::TempDir dir;
  setenv("ROVEX_CONFIG", dir.File("settings.conf").c_str(), 1);
  setenv("ROVEX_HOME", dir.Path().c_str(), 1);
  SnapshotOptions o;
  o.picture = dir.File("view.png");
  o.width = 640;
  o.height = 400;
  o.mode = 3;
  EXPECT_EQ(RunSnapshot(o), 0);
  QImage picture(QString::fromStdString(o.picture));
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.size(), QSize(640, 400));
  // The mode switch cleared the view: a grey frame around the day background.
  EXPECT_EQ(picture.pixelColor(0, 0), QColor(190, 190, 190));
  EXPECT_EQ(picture.pixelColor(320, 200), QColor(Qt::white));
  unsetenv("ROVEX_CONFIG");
  unsetenv("ROVEX_HOME");
}

}  // namespace
}  // namespace rovex
