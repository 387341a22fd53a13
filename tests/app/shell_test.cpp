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

  frame.MenuAction(cmd::kWindow800x700)->showStatusText(&frame);
  EXPECT_EQ(frame.StatusPrompt().toStdString(), CommandPrompt(cmd::kWindow800x700));
  QStatusTipEvent leave{QString()};
  QApplication::sendEvent(&frame, &leave);
  EXPECT_EQ(frame.StatusPrompt(), "Ready");

  EXPECT_EQ(frame.IsChecked(cmd::kViewRovexToolbar), std::optional<bool>(true));
  frame.MenuAction(cmd::kViewRovexToolbar)->trigger();
  EXPECT_FALSE(frame.RovexToolBar()->isVisible());
  EXPECT_EQ(frame.IsChecked(cmd::kViewRovexToolbar), std::optional<bool>(false));
  frame.MenuAction(cmd::kViewStatusBar)->trigger();
  EXPECT_FALSE(frame.statusBar()->isVisible());

  for (QToolBar* bar : {frame.StandardToolBar(), frame.RovexToolBar()}) {
    EXPECT_EQ(bar->allowedAreas(), Qt::AllToolBarAreas);
    EXPECT_TRUE(bar->isMovable());
  }
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
  EXPECT_EQ(f.Frame().windowTitle(), "ROVEX POI View");
}

TEST(Shell, AboutOpensTheHomePageThroughTheDesktop) {
  testing::FakeShellOpener shell;
  const std::string home = CMainFrame::HomePage();
  CAboutDlg about(&shell, home.c_str());
  about.OpenHomePage();
  EXPECT_EQ(shell.opened, std::vector<std::string>{home});
}

TEST(Shell, EmptySettingsOfferTheResetThenTheFirstRunQuestion) {
  AppFixture f(false);
  f.prompt.QueueConfirm(false);
  f.prompt.QueueAnswer(MsgResult::Cancel);
  f.Start();
  ASSERT_EQ(f.prompt.confirmTitles, std::vector<std::string>{"Reset ROVEX options"});
  ASSERT_GE(f.prompt.shown.size(), 1u);
  EXPECT_EQ(f.prompt.shown[0].text.rfind("Setup registry values?", 0), 0u);
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

}  // namespace
}  // namespace rovex
