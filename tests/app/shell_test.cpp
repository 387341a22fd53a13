#include <gtest/gtest.h>

#include <QAction>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "app/about_dialog.h"
#include "app_fixture.h"
#include "platform/message_poster.h"
#include "qtplatform/qt_message_poster.h"
#include "support/temp_dir.h"
#include "system/command_ids.h"

namespace rovex {
namespace {

using testing::AppFixture;

TEST(Shell, StartsTitledRovexInTheCameraMode) {
  AppFixture f;
  CMainFrame& frame = f.Start();
  EXPECT_EQ(frame.windowTitle(), "ROVEX");
  EXPECT_EQ(f.View().System().ViewMode(), kCameraMode);
  EXPECT_TRUE(f.prompt.shown.empty()) << "complete settings ask nothing";
}

TEST(Shell, F5CyclesThroughTheEightTitlesBackToCamera) {
  AppFixture f;
  CMainFrame& frame = f.Start();
  QStringList titles;
  for (int i = 0; i < 8; ++i) {
    f.Press(Qt::Key_F5);
    titles << frame.windowTitle();
  }
  EXPECT_EQ(titles, (QStringList{"ROVEX POI View", "ROVEX Route View", "ROVEX Compass View", "ROVEX Pointer View",
                                 "ROVEX Track Editor View", "ROVEX Trail View", "ROVEX Trekbuddy View",
                                 "ROVEX Camera View"}));
  f.Press(Qt::Key_V, "v");
  EXPECT_EQ(frame.windowTitle(), "ROVEX POI View");
  f.Press(Qt::Key_B, "b");
  EXPECT_EQ(frame.windowTitle(), "ROVEX Camera View");
}

TEST(Shell, AutoStartSizeGivesThe800By600Preset) {
  AppFixture f;
  CMainFrame& frame = f.Start();
  EXPECT_EQ(frame.frameGeometry(), QRect(10, 10, 780, 600));
  AppFixture off;
  RegistrySettings(off.store, nullptr).WriteNumberSetting("AutoStartSize", 0);
  EXPECT_NE(off.Start().frameGeometry(), QRect(10, 10, 780, 600));
}

TEST(Shell, WindowPresetKeysAndTheSmallWindow) {
  AppFixture f;
  CMainFrame& frame = f.Start();
  f.Press(Qt::Key_4, "4");
  QApplication::processEvents();
  EXPECT_EQ(frame.frameGeometry(), QRect(10, 10, 580, 460));
  f.Press(Qt::Key_7, "7");
  EXPECT_EQ(frame.frameGeometry(), QRect(10, 10, 795, 630));
  f.Press(Qt::Key_6, "6");
  EXPECT_EQ(frame.frameGeometry(), QRect(10, 10, 780, 600));
}

TEST(Shell, RouteTwiceReturnsToCameraAndAsksTheNextSentenceToReload) {
  AppFixture f;
  CMainFrame& frame = f.Start();
  QAction* route = frame.MenuAction(cmd::kViewRoute);
  ASSERT_NE(route, nullptr);
  route->trigger();
  EXPECT_EQ(frame.windowTitle(), "ROVEX Route View");
  route->trigger();
  EXPECT_EQ(frame.windowTitle(), "ROVEX Camera View");
  EXPECT_EQ(f.View().System().RefreshCounter(), 71);
}

TEST(Shell, MenusShowOnlyWorkingCommandsWithTheirPromptsAndChecks) {
  AppFixture f;
  CMainFrame& frame = f.Start();
  ASSERT_NE(frame.MenuAction(cmd::kViewCameraMap), nullptr);
  EXPECT_EQ(frame.MenuAction(cmd::kConvertSrtm), nullptr) << "no converter yet, so no menu item";
  QStringList menus;
  for (QAction* a : frame.menuBar()->actions()) menus << a->text();
  EXPECT_TRUE(menus.contains("&View"));
  // The Convert menu holds the conversions that exist, in table order.
  ASSERT_TRUE(menus.contains("&Convert"));
  QStringList convert;
  for (QAction* a : frame.menuBar()->actions()) {
    if (a->text() != "&Convert") continue;
    for (QAction* item : a->menu()->actions()) convert << item->text();
  }
  EXPECT_EQ(convert, QStringList({"Pocket GPS camera to CSV file", "Garmin to CSV file",
                                  "Convert multi PocketGPS file(s) to CSV file", "GPX Route to Route CSV file",
                                  "GPX Track to Route CSV file", "NMEA log to GPX track or route file",
                                  "JOSM GPX to map project", "Add new line pairs to a text file"}));

  QAction* item = frame.MenuAction(cmd::kWindow800x700);
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->text(), "Scr=800*&700\t7");
  item->showStatusText(&frame);
  EXPECT_EQ(frame.StatusPrompt(), "Set window size to 800 by 700 (shows nmea strings)");
  QStatusTipEvent leave{QString()};
  QApplication::sendEvent(&frame, &leave);
  EXPECT_EQ(frame.StatusPrompt(), "Ready");

  EXPECT_EQ(frame.IsChecked(cmd::kViewRovexToolbar), std::optional<bool>(true));
  frame.MenuAction(cmd::kViewRovexToolbar)->trigger();
  EXPECT_FALSE(frame.RovexToolBar()->isVisible());
  EXPECT_EQ(frame.IsChecked(cmd::kViewRovexToolbar), std::optional<bool>(false));
  frame.MenuAction(cmd::kViewStatusBar)->trigger();
  EXPECT_FALSE(frame.statusBar()->isVisible());
}

TEST(Shell, ToolbarsDockOnAnySideAndCarryTheWorkingButtons) {
  AppFixture f;
  CMainFrame& frame = f.Start();
  for (QToolBar* bar : {frame.StandardToolBar(), frame.RovexToolBar()}) {
    EXPECT_EQ(bar->allowedAreas(), Qt::AllToolBarAreas);
    EXPECT_TRUE(bar->isMovable());
  }
  QStringList buttons;
  for (QAction* a : frame.RovexToolBar()->actions()) buttons << a->toolTip();
  EXPECT_TRUE(buttons.contains("Zoom in"));
  EXPECT_TRUE(buttons.contains("Night colours"));
  for (QAction* a : frame.RovexToolBar()->actions()) EXPECT_FALSE(a->icon().isNull()) << a->toolTip().toStdString();
}

TEST(Shell, PostedZoomMessagesReachTheSystem) {
  AppFixture f;
  f.Start();
  QtMessagePoster poster(&f.View());
  poster.Post(WM_MAP_ZOOM, 0, 1);
  QApplication::processEvents();
  EXPECT_EQ(RegistrySettings(f.store, nullptr).ReadMapScale(), 2000u);
}

TEST(Shell, AboutOpensTheHomePageThroughTheDesktop) {
  testing::FakeShellOpener shell;
  const std::string home = CMainFrame::HomePage();
  CAboutDlg about(&shell, home.c_str());
  about.OpenHomePage();
  EXPECT_EQ(shell.opened, std::vector<std::string>{CMainFrame::HomePage()});
}

TEST(Shell, DrawingPassesRunWhileTheWindowIsHidden) {
  AppFixture f;
  f.Start(false);
  ASSERT_FALSE(f.View().isVisible());
  int before = f.View().DrawingPasses();
  f.View().System().RunCommand(cmd::kNextView);
  EXPECT_EQ(f.View().DrawingPasses(), before + 1);
  EXPECT_EQ(f.Frame().windowTitle(), "ROVEX POI View");
}

TEST(Shell, EmptySettingsOfferTheResetThenTheFirstRunQuestion) {
  AppFixture f(false);
  f.prompt.QueueConfirm(false);
  f.prompt.QueueAnswer(MsgResult::Cancel);
  f.Start();
  ASSERT_EQ(f.prompt.confirmTitles, std::vector<std::string>{"Reset ROVEX options"});
  ASSERT_EQ(f.prompt.shown.size(), 2u);
  EXPECT_EQ(f.prompt.shown[0].text.rfind("Setup registry values?", 0), 0u);
  EXPECT_EQ(f.prompt.shown[1].text.rfind("Some parts of the ROVEX program", 0), 0u);
  EXPECT_EQ(f.Frame().windowTitle(), "ROVEX");
}

}  // namespace
}  // namespace rovex

namespace rovex {
namespace {

TEST(ShellDrawing, DoAnOndrawFillsTheView) {
  testing::TempDir dir;
  AppFixture f;
  RegistrySettings(f.store, nullptr).WriteTextSetting("CameraFile", dir.File("none.txt"));
  CMainFrame& frame = f.Start();
  const QImage before = f.View().Picture();
  ASSERT_GT(before.height(), 415) << "the view holds the camera panels";
  EXPECT_EQ(before.pixelColor(100, 200), QColor(Qt::white)) << "nothing but the background before a sentence";
  QAction* ondraw = frame.MenuAction(cmd::kDoAnOndraw);
  ASSERT_NE(ondraw, nullptr);
  ondraw->trigger();
  const QImage& after = f.View().Picture();
  EXPECT_EQ(after.pixelColor(100, 200), QColor(Qt::black)) << "the radar";
  EXPECT_EQ(after.pixelColor(184, 261), QColor(0, 192, 230)) << "the centre of the cross hairs";
  EXPECT_EQ(after.pixelColor(700, 20), QColor(0, 0xe5, 0x98)) << "the Distance panel in the day colour";
  EXPECT_EQ(after.pixelColor(1, 1), QColor(190, 190, 190)) << "panel frames";
  // The missing camera file was reported through the prompt.
  ASSERT_FALSE(f.prompt.shown.empty());
  EXPECT_EQ(f.prompt.shown[0].text.rfind("Error can't open the camera location file", 0), 0u);
}

TEST(ShellDrawing, TheSmallWindowDropsTheRightTableTheBottomRowAndTheDistancePanel) {
  AppFixture f;
  f.Start();
  f.Press(Qt::Key_4, "4");
  QApplication::processEvents();
  f.View().System().RunCommand(cmd::kDoAnOndraw);
  const QImage& picture = f.View().Picture();
  ASSERT_LT(picture.width(), 750);
  ASSERT_LT(picture.height(), 445);
  // Only the label column fits: the view is white left of it, where the radar would be.
  EXPECT_EQ(picture.pixelColor(100, 200), QColor(Qt::white));
  EXPECT_EQ(picture.pixelColor(400, 130), QColor(0, 0xe5, 0x98)) << "the Speed Limit label";
  EXPECT_EQ(picture.pixelColor(100, 20), QColor(Qt::white)) << "no Distance panel";
}

}  // namespace
}  // namespace rovex
