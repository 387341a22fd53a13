#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QStatusBar>
#include <QToolBar>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/snapshot.h"
#include "app_fixture.h"
#include "settings/settings_table.h"
#include "platform/message_poster.h"
#include "qtplatform/qt_message_poster.h"
#include "support/temp_dir.h"
#include "system/command_ids.h"
#include "system/command_table.h"

namespace rovex {
namespace {

using testing::AppFixture;

// Qt key events reach the system's commands: letters, function keys and
// typed digits; the presets set the frame and the view's surface follows.
TEST(Shell, KeysReachTheirCommandsThroughTheWindow) {
  AppFixture f;
  CMainFrame& frame = f.Start();
  EXPECT_EQ(frame.windowTitle(), "ROVEX");
  EXPECT_TRUE(f.prompt.shown.empty()) << "complete settings ask nothing";
  EXPECT_EQ(frame.frameGeometry(), QRect(10, 10, 780, 600)) << "AutoStartSize gives the 800 by 600 preset";
  struct Case {
    const char* legend;
    Qt::Key key;
    const char* text;
    const char* title;
  };
  for (const Case& c : {Case{"F5 next view", Qt::Key_F5, "", "ROVEX POI View"},
                        Case{"V next view", Qt::Key_V, "v", "ROVEX Route View"},
                        Case{"B camera map", Qt::Key_B, "b", "ROVEX Camera View"},
                        Case{"comma route toggle", Qt::Key_Comma, ",", "ROVEX Route View"}}) {
    f.Press(c.key, c.text);
    EXPECT_EQ(frame.windowTitle(), c.title) << c.legend;
  }
  f.Press(Qt::Key_4, "4");
  QApplication::processEvents();
  EXPECT_EQ(frame.frameGeometry(), QRect(10, 10, 580, 460));
  EXPECT_LT(f.View().Picture().width(), 580);
  f.Press(Qt::Key_7, "7");
  EXPECT_EQ(frame.frameGeometry(), QRect(10, 10, 795, 630));

  AppFixture off;
  RegistrySettings(off.store, nullptr).WriteNumberSetting("AutoStartSize", 0);
  EXPECT_NE(off.Start().frameGeometry(), QRect(10, 10, 780, 600));
}

TEST(Shell, MenusAndToolbarsCarryOnlyWorkingCommands) {
  AppFixture f;
  CMainFrame& frame = f.Start();
  // Items whose command is not built yet get no menu entry; the others do.
  for (const MenuDefinition& menu : MenuTable()) {
    for (const MenuCommand& item : menu.items) {
      EXPECT_EQ(frame.MenuAction(item.id) != nullptr, frame.HasCommand(item.id)) << item.text;
    }
  }
  EXPECT_EQ(frame.IsChecked(cmd::kViewRovexToolbar), std::optional<bool>(true));
  frame.MenuAction(cmd::kViewRovexToolbar)->trigger();
  EXPECT_FALSE(frame.RovexToolBar()->isVisible());
  EXPECT_EQ(frame.IsChecked(cmd::kViewRovexToolbar), std::optional<bool>(false));
  frame.MenuAction(cmd::kViewStatusBar)->trigger();
  EXPECT_FALSE(frame.statusBar()->isVisible());
  for (QAction* a : frame.RovexToolBar()->actions()) EXPECT_FALSE(a->icon().isNull()) << a->toolTip().toStdString();
}

TEST(Shell, PostedMessagesReachTheSystemAndPassesRunWhileHidden) {
  AppFixture f;
  f.Start(false);
  ASSERT_FALSE(f.View().isVisible());
  QtMessagePoster poster(&f.View());
  poster.Post(WM_MAP_ZOOM, 0, 1);
  QApplication::processEvents();
  EXPECT_EQ(RegistrySettings(f.store, nullptr).ReadMapScale(), 2000u);
  int before = f.View().DrawingPasses();
  f.View().System().RunCommand(cmd::kNextView);
  EXPECT_EQ(f.View().DrawingPasses(), before + 1);
  EXPECT_EQ(f.app->MainFrame().windowTitle(), "ROVEX POI View");
}

TEST(ShellDrawing, DoAnOndrawFillsTheView) {
  testing::TempDir dir;
  AppFixture f;
  RegistrySettings(f.store, nullptr).WriteTextSetting("CameraFile", dir.File("none.txt"));
  CMainFrame& frame = f.Start();
  const QImage before = f.View().Picture();
  ASSERT_GT(before.height(), 415) << "the view holds the camera panels";
  EXPECT_EQ(before.pixelColor(100, 200), QColor(Qt::white)) << "nothing but the background before a sentence";
  frame.MenuAction(cmd::kDoAnOndraw)->trigger();
  const QImage& after = f.View().Picture();
  EXPECT_EQ(after.pixelColor(100, 200), QColor(Qt::black)) << "the radar";
  EXPECT_EQ(after.pixelColor(184, 261), QColor(0, 192, 230)) << "the centre of the cross hairs";
  EXPECT_EQ(after.pixelColor(700, 20), QColor(0, 0xe5, 0x98)) << "the Distance panel in the day colour";
  EXPECT_EQ(after.pixelColor(1, 1), QColor(190, 190, 190)) << "panel frames";
}


// The program started as `make run` starts it, by default on a machine that has
// never run ROVEX: the data root is seeded from the share folder beside the build's programs.
struct DemoStart : AppFixture {
  testing::TempDir home;
  DemoStart() : AppFixture(false) { setenv("ROVEX_HOME", home.Path().c_str(), 1); }
};

TEST(DemoStartTest, FirstRunSeedsTheDataRootAndPlaysTheDriveWithoutQuestions) {
  DemoStart s;
  s.Start(false, CROVEXApp::Demo::FirstRun);
  EXPECT_TRUE(s.prompt.shown.empty());
  EXPECT_TRUE(s.prompt.confirmTitles.empty());
  RegistrySettings settings(s.store, nullptr);
  EXPECT_EQ(settings.ReadTextSetting("CameraFile"), s.home.File("ROVEXCamera.txt"));
  EXPECT_EQ(settings.ReadTextSetting("VoiceFolder"), s.home.File("Voice"));
  EXPECT_TRUE(std::filesystem::exists(s.home.File("Voice/1500.wav")));
  EXPECT_EQ(s.app->DemoLog(), s.home.File("Log/demo_drive.txt"));

  DemoStart plain;  // a plain first start of an unconfigured program offers the reset instead
  plain.Start(false);
  EXPECT_TRUE(plain.app->DemoLog().empty());
  EXPECT_EQ(plain.prompt.confirmTitles, std::vector<std::string>{"Reset ROVEX options"});
}

TEST(DemoStartTest, DemoOnAConfiguredMachineReplaysOnlyWhenTheUserSaysYes) {
  for (MsgResult answer : {MsgResult::No, MsgResult::Yes}) {
    DemoStart s;
    s.store.Write(kRovexKey, "CameraFile", SettingValue::Text("/mine/cameras.txt"));
    s.store.Write(kRovexKey, "Version", SettingValue::Number(11));
    s.prompt.QueueAnswer(answer);
    s.Start(false, CROVEXApp::Demo::Always, 1.0);
    ASSERT_FALSE(s.prompt.shown.empty());
    EXPECT_EQ(s.prompt.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(s.store.Read(kRovexKey, "CameraFile").value.text, "/mine/cameras.txt");
    EXPECT_EQ(s.app->DemoLog().empty(), answer == MsgResult::No);
  }
}

TEST(Snapshot, ArgumentsAreCheckedBeforeAnythingStarts) {
  std::string error;
  auto o = ParseSnapshotArgs({"--snapshot", "a.png", "--mode", "3", "--size", "640x480", "--replay", "x.log",
                              "--lines", "20", "--ondraw"},
                             &error);
  ASSERT_TRUE(o) << error;
  EXPECT_EQ(o->picture + o->replayLog, "a.pngx.log");
  EXPECT_EQ(std::vector<long>({o->mode, o->width, o->height, o->lines, o->ondraw}),
            std::vector<long>({3, 640, 480, 20, 1}));
  const std::vector<std::vector<std::string>> bad = {
      {"--mode", "2"},  {"--snapshot", "a.png", "--mode", "8"},   {"--snapshot", "a.png", "--size", "800"},
      {"--snapshot", "a.png", "--size", "0x600"}, {"--snapshot", "a.png", "--lines", "5"}, {"--snapshot", "a.png", "--bogus"},
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

TEST(Snapshot, PrintsTheTrackEditorMapToAPdf) {
  testing::TempDir dir;
  setenv("ROVEX_CONFIG", dir.File("settings.conf").c_str(), 1);
  setenv("ROVEX_HOME", dir.Path().c_str(), 1);
  {
    std::ofstream map(dir.File("map.txt"));
    map << ";ROVEX Track Editor\nMapDesc:Demo drive\nzoom:10\nTrkDesc:Demo drive\nTrkPath:" << ROVEX_SOURCE_DIR
        << "/data/demo/demo_drive.txt\n";
  }
  std::string error;
  auto o = ParseSnapshotArgs({"--print-pdf", dir.File("map.pdf"), "--mode", "5", "--trackmap", dir.File("map.txt")},
                             &error);
  ASSERT_TRUE(o) << error;
  EXPECT_EQ(RunSnapshot(*o), 0);
  std::ifstream pdf(dir.File("map.pdf"), std::ios::binary);
  std::string start(5, '\0');
  pdf.read(start.data(), 5);
  EXPECT_EQ(start, "%PDF-");
  unsetenv("ROVEX_CONFIG");
  unsetenv("ROVEX_HOME");
}

}  // namespace
}  // namespace rovex
