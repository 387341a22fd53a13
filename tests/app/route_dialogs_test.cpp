#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "app/exclude_list_window.h"
#include "app/route_file_dialog.h"
#include "app/route_list_window.h"
#include "app/route_options_dialog.h"
#include "app/route_picker_dialog.h"
#include "app/route_speech_dialog.h"
#include "app/route_table_widget.h"
#include "dialog_test_app.h"
#include "platform/memory_settings_store.h"
#include "routes/route_file.h"
#include "settings/settings_reset.h"
#include "support/fake_prompt.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

void ClickIndicator(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2)); }

class RouteDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::QtTestApp();
    SettingsReset(store, prompt, "/data").CheckRegistry(false);
    prompt.shown.clear();
    dir.Write("coast.csv",
              ";Coast road\n;via the cliffs\n:MOBILE:\n:TEMPORARY:\n"
              "-1.337130,51.397710,Traffic lights,Turn right onto the A34\n"
              "-1.306590,51.416770,Roundabout,Take the A4 east towards Thatcham\n"
              "-1.220160,51.416770,:,Keep left\n");
    dir.Write("home.csv", ";Home\n-1.3,51.4,Home\n");
    settings.WriteTextSetting("RouteName", dir.File("coast.csv"));
  }
  MemorySettingsStore store;
  testing::FakePrompt prompt;
  RegistrySettings settings{store, &prompt};
  testing::TempDir dir;
};

TEST_F(RouteDialogs, RouteFileBrowseThenEnterOrEscape) {
  for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
    RouteFileDialogModel model(settings, &prompt);
    model.Open();
    CDlg_Route_File dlg(model);
    dlg.show();
    EXPECT_EQ(dlg.Path()->text().toStdString(), dir.File("coast.csv"));
    prompt.QueueFile(dir.File("home.csv"));
    dlg.BrowseButton()->click();
    EXPECT_EQ(dlg.Path()->text().toStdString(), dir.File("home.csv"));
    if (key == Qt::Key_Return) testing::SaveShot(dlg, "dialog_route_file");
    QTest::keyClick(dlg.Path(), key);
    EXPECT_EQ(dlg.result(), key == Qt::Key_Return ? QDialog::Accepted : QDialog::Rejected);
    // What is stored is the caller's business after OK; the window only fills the model.
    EXPECT_EQ(model.path, dir.File("home.csv"));
  }
}

TEST_F(RouteDialogs, ListsShowTheHeadingAndEveryRow) {
  Route route;
  ASSERT_EQ(ReadRouteFile(dir.File("coast.csv"), &route), RouteReadResult::Read);
  CameraExcludeNames excluded(route.exclusions);
  const RouteListHeading heading = ReadRouteListHeading(settings);
  {
    CDlg_Route_List dlg(RoutePointsList{heading, RouteListRows(&route, 51.384223, -1.337132)});
    dlg.show();
    EXPECT_EQ(dlg.findChild<QLabel*>("routeName")->text(), "Coast road");
    EXPECT_EQ(dlg.findChild<QLabel*>("fileName")->text().toStdString(), dir.File("coast.csv"));
    ASSERT_EQ(dlg.Table()->rowCount(), 3);
    EXPECT_EQ(dlg.Table()->horizontalHeaderItem(1)->text(), "Distance");
    EXPECT_EQ(dlg.Table()->item(1, 4)->text(), "Roundabout");
    EXPECT_TRUE(dlg.Table()->item(0, 1)->text().endsWith(" km"));
    testing::SaveShot(dlg, "dialog_route_list");
  }
  {
    CDlg_Exclude_List dlg(RouteExcludedList{heading, ExcludeListRows(excluded)});
    dlg.show();
    ASSERT_EQ(dlg.Table()->rowCount(), 2);
    EXPECT_EQ(dlg.Table()->item(0, 0)->text(), "TEMPORARY");  // last first
    EXPECT_EQ(dlg.Table()->horizontalHeaderItem(0)->text(), "Camera Name");
    testing::SaveShot(dlg, "dialog_exclude_list");
  }
}

TEST_F(RouteDialogs, PickerTakesDigitsOkCancelAndChange) {
  settings.WriteTextSetting("RoutePick1", dir.File("home.csv"));
  settings.WriteTextSetting("RoutePick7", dir.File("coast.csv"));
  struct Case {
    const char* typed;
    bool closed;
    int picked;
  };
  for (const Case& c : {Case{"7", true, 7}, Case{"x", false, 0}, Case{"c", true, 0}, Case{"o", true, 2}}) {
    RoutePickerModel model(settings, &prompt);
    model.Open();
    CDlgRoutePicker dlg(model);
    dlg.show();
    EXPECT_EQ(dlg.List()->item(0)->text(), "Home");
    EXPECT_EQ(dlg.List()->item(6)->text(), "via the cliffs");  // the last comment line
    EXPECT_EQ(dlg.List()->item(1)->text(), "No file");
    dlg.List()->setCurrentRow(1);
    if (c.typed[0] == 'x') testing::SaveShot(dlg, "dialog_route_picker");
    QTest::keyClicks(dlg.KeyField(), c.typed);
    EXPECT_EQ(dlg.isVisible(), !c.closed) << c.typed;
    EXPECT_EQ(model.Picked(), c.picked) << c.typed;
    EXPECT_EQ(dlg.KeyField()->text(), "");
  }
  RoutePickerModel model(settings, &prompt);
  model.Open();
  CDlgRoutePicker dlg(model);
  dlg.show();
  prompt.QueueFile(dir.File("coast.csv"));
  dlg.ChangeButton(3)->click();
  EXPECT_EQ(dlg.List()->item(2)->text(), "via the cliffs");
  EXPECT_EQ(settings.TryReadText("RoutePick3"), dir.File("coast.csv"));
  dlg.SlotButton(3)->click();
  EXPECT_EQ(model.Picked(), 3);
  QTest::keyClick(&dlg, Qt::Key_Escape);
}

TEST_F(RouteDialogs, RouteOptionsTicksFollowTheValues) {
  RouteOptionsModel::Values values = RouteOptionsModel::Open(settings, &prompt);
  values.text2 = false;
  CDLG_ROUTE_OPTIONS dlg(values);
  dlg.show();
  EXPECT_TRUE(dlg.PointNumber()->isChecked());
  EXPECT_FALSE(dlg.Text2()->isChecked());
  testing::SaveShot(dlg, "dialog_route_options");
  ClickIndicator(dlg.PointNumber());
  ClickIndicator(dlg.Text2());
  ClickIndicator(dlg.SayExcluded());
  QTest::keyClick(&dlg, Qt::Key_Return);
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_FALSE(values.pointNumber);
  EXPECT_TRUE(values.text2);
  EXPECT_TRUE(values.excludeCameras);
  EXPECT_FALSE(values.sayExcluded);
}

TEST_F(RouteDialogs, SpeechTimingOneAtATimeAndTheSwitchAtOnce) {
  RouteSpeechOptionsModel model(settings, &prompt);
  model.Open();
  CDlg_Route_MSAgent dlg(model);
  dlg.show();
  EXPECT_TRUE(dlg.Country()->isChecked());
  EXPECT_TRUE(dlg.Enable()->isChecked());
  testing::SaveShot(dlg, "dialog_route_speech");
  ClickIndicator(dlg.Town());
  EXPECT_TRUE(dlg.Town()->isChecked());
  EXPECT_FALSE(dlg.Country()->isChecked());
  ClickIndicator(dlg.Town());
  EXPECT_FALSE(dlg.Town()->isChecked());
  EXPECT_FALSE(dlg.Motorway()->isChecked());
  ClickIndicator(dlg.Motorway());
  ClickIndicator(dlg.Enable());
  EXPECT_EQ(settings.ReadFlagSetting("RouteUseMSAgent"), 0) << "written when clicked";
  QTest::keyClick(&dlg, Qt::Key_Escape);
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
  EXPECT_EQ(settings.ReadFlagSetting("RouteCountry"), 1);
  EXPECT_TRUE(model.motorway);
  EXPECT_FALSE(model.enabled);
}

}  // namespace
}  // namespace rovex
