#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/auto_start_dialog.h"
#include "app/poi_list_window.h"
#include "app/poi_select_window.h"
#include "app/shutdown_options_dialog.h"
#include "app/shutdown_window.h"
#include "app/start_time_dialog.h"
#include "dialog_test_app.h"
#include "platform/memory_settings_store.h"
#include "qtplatform/qt_user_prompt.h"
#include "settings/settings_reset.h"
#include "support/fake_power_control.h"
#include "support/fake_prompt.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

QPushButton* ButtonText(QWidget& w, const QString& text) {
  for (QPushButton* b : w.findChildren<QPushButton*>()) {
    if (b->text() == text) return b;
  }
  return nullptr;
}

class RecordPoiStartDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    SettingsReset(store, prompt, "/data").CheckRegistry(false);
    prompt.shown.clear();
  }
  MemorySettingsStore store;
  testing::FakePrompt prompt;
  RegistrySettings settings{store, &prompt};
  testing::TempDir dir;
};

TEST_F(RecordPoiStartDialogs, RecordSaveDialogOffersTheRecordFilter) {
  QtUserPrompt real;
  QString filter;
  QTimer::singleShot(0, [&filter] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    filter = dialog->selectedNameFilter();
    dialog->resize(640, 400);
    testing::SaveShot(*dialog, "dialog_record_save");
    dialog->reject();
  });
  EXPECT_FALSE(real.SaveFile("Save As", "ROVEX record file (*.txt)|*.txt||", dir.File("drive.txt"), "txt"));
  EXPECT_EQ(filter, "ROVEX record file (*.txt)");
}

TEST_F(RecordPoiStartDialogs, PoiSelectMovesFilesBetweenTheLists) {
  settings.WriteTextSetting("POIFolder", dir.Path());
  for (const char* name : {"cafes.csv", "fuel.csv", "pubs.csv"}) dir.Write(name, "");
  PoiSelectModel model(settings, &prompt);
  model.Open();
  CDlgPoiSelect dlg(model);
  dlg.show();
  ASSERT_EQ(dlg.AvailableList()->count(), 3);
  dlg.AvailableList()->item(0)->setSelected(true);
  dlg.AvailableList()->item(2)->setSelected(true);
  ButtonText(dlg, "&Add")->click();
  EXPECT_EQ(dlg.SelectedList()->count(), 2);
  EXPECT_EQ(dlg.AvailableList()->item(0)->text(), "fuel.csv");
  testing::SaveShot(dlg, "dialog_poi_select");
  ButtonText(dlg, "&OK")->click();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST_F(RecordPoiStartDialogs, PoiListShowsRowsAndFollowsTheWindowSize) {
  std::vector<PoiRecord> list(2);
  list[0] = {"-1.0100", "51.5000", "The Crown", ""};
  list[1] = {"-0.9950", "51.5030", "Station cafe", ""};
  GpsFix fix;
  fix.latitude = 51.5;
  fix.longitude = -1.0;
  CDlgPOIList dlg(PoiListTable::Build(&list, fix));
  dlg.show();
  ASSERT_EQ(dlg.Table()->rowCount(), 3);
  EXPECT_EQ(dlg.Table()->item(0, 3)->text(), "1.113 km");
  EXPECT_EQ(dlg.Table()->horizontalHeaderItem(2)->text(), "Description");
  dlg.resize(700, 300);
  QApplication::processEvents();
  EXPECT_EQ(dlg.Table()->geometry(), QRect(10, 50, 680, 240));
  testing::SaveShot(dlg, "dialog_poi_list");
}

TEST_F(RecordPoiStartDialogs, StartTimeAutoStartAndShutdownOptionsWriteWhatWasTyped) {
  settings.WriteTextSetting("StartTimerStartTime1", "22:00");
  settings.WriteTextSetting("StartTimerEndTime1", "6.00");
  settings.WriteTextSetting("RoutePick3", "/routes/commute.csv");
  StartTimeOptionsModel model(settings, &prompt, [] { return 3; });
  model.Open();
  {
    CDlgStartTimeOptions dlg(model);
    dlg.show();
    ButtonText(dlg, "P&icker")->click();
    auto edits = dlg.findChildren<QLineEdit*>();
    ASSERT_EQ(edits.size(), 8);
    testing::SaveShot(dlg, "dialog_start_time");
    ButtonText(dlg, "&OK")->click();
  }
  model.Ok();
  EXPECT_EQ(settings.ReadTextSetting("StartTimerFilename2"), "/routes/commute.csv");
  EXPECT_EQ(settings.ReadTextSetting("StartTimerEndTime1"), "6.00");

  AutoStartModel::Values values = AutoStartModel::Open(settings, &prompt);
  {
    CDlg_Autostart dlg(values);
    dlg.show();
    dlg.Gps()->setChecked(true);
    testing::SaveShot(dlg, "dialog_auto_start");
    ButtonText(dlg, "&OK")->click();
  }
  EXPECT_TRUE(values.gps);
  EXPECT_TRUE(values.size) << "AutoStartSize is on by default";

  ShutdownOptionsModel::Values shutdown = ShutdownOptionsModel::Open(settings);
  {
    CDlgShutdownOptions dlg(shutdown);
    dlg.show();
    dlg.Seconds()->setText("-1");
    testing::SaveShot(dlg, "dialog_shutdown_options");
    ButtonText(dlg, "&OK")->click();
  }
  ShutdownOptionsModel::Ok(settings, shutdown);
  EXPECT_EQ(settings.ReadShutdownSeconds(), 0u);
}

TEST_F(RecordPoiStartDialogs, ShutdownWindowStartsAndAborts) {
  testing::FakePowerControl power;
  ShutdownDialogModel model(settings, &power, nullptr);
  model.Open();
  CShutdownDlg dlg(model);
  dlg.show();
  QTest::keyClick(&dlg, Qt::Key_S);
  ButtonText(dlg, "&Abort Shutdown")->click();
  ASSERT_EQ(dlg.Messages()->count(), 4);
  EXPECT_EQ(dlg.Messages()->item(3)->text(), "AbortSystemShutdown succeeded.");
  EXPECT_EQ(power.requests, (std::vector<std::string>{"poweroff 5", "cancel"}));
  testing::SaveShot(dlg, "dialog_shutdown");
  ButtonText(dlg, "Cancel")->click();
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace rovex
