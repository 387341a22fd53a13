#include <cmath>
#include <cstdio>
#include <optional>
#include <typeindex>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/camera_table_widget.h"
#include "app/colours_dialog.h"
#include "app/com_settings_window.h"
#include "app/distance_dialog.h"
#include "app/manual_location_dialog.h"
#include "app/near_camera_list_window.h"
#include "app/option_dialogs.h"
#include "app/passed_camera_list_window.h"
#include "app/replay_dialog.h"
#include "app/send_log_window.h"
#include "app_fixture.h"
#include "cameras/camera_database.h"
#include "cameras/camera_line.h"
#include "cameras/near_camera_list.h"
#include "cameras/passed_camera_list.h"
#include "dialog_test_app.h"
#include "gps/com_settings_dlg.h"
#include "nmea/distance.h"
#include "gps/dlg_distance.h"
#include "gps/dlg_replay.h"
#include "gps/dlg_send_log.h"
#include "gps/posted_ui_calls.h"
#include "platform/memory_settings_store.h"
#include "qtplatform/qt_message_poster.h"
#include "settings/settings_reset.h"
#include "settings/settings_table.h"
#include "support/fake_clipboard.h"
#include "support/fake_prompt.h"
#include "support/fake_serial_port.h"
#include "support/temp_dir.h"
#include "system/command_ids.h"

namespace rovex {
namespace {

constexpr double kLat = 51.384223;
constexpr double kLon = -1.337132;

double North(double metres) { return kLat + metres / MetresPerDegreeLat; }
double East(double metres) { return kLon + metres / (MetresPerDegreeLon * std::cos(kLat * DegToRad)); }

std::string CameraLine(double latitude, double longitude, const char* type) {
  char text[200];
  std::snprintf(text, sizeof text, "%.7f,%.7f,A34,Newbury,,%s,Yes,40\n", latitude, longitude, type);
  return text;
}

// A GGA of the position (degrees and minutes as receivers write them) and an RMC with the speed.
std::string Fixes(double latitude, double longitude, double knots) {
  double lat = std::fabs(latitude), lon = std::fabs(longitude);
  char text[300];
  std::snprintf(text, sizeof text,
                "$GPRMC,120000,A,x,N,x,W,%05.1f,0,170606,,\n$GPGGA,120000,%02d%07.4f,N,%03d%07.4f,W,1,08,1.0,99,M,,,,\n",
                knots, static_cast<int>(lat), (lat - std::floor(lat)) * 60.0, static_cast<int>(lon),
                (lon - std::floor(lon)) * 60.0);
  return text;
}

class Dialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::QtTestApp();
    SettingsReset(store, prompt, "/data").CheckRegistry(false);
    prompt.shown.clear();
  }
  std::string Text(const char* name) { return store.Read(kRovexKey, name).value.text; }

  MemorySettingsStore store;
  testing::FakePrompt prompt;
  RegistrySettings settings{store, &prompt};
};

TEST_F(Dialogs, ComSettingsOffersThePortsPresentAndWritesWhatWasTyped) {
  testing::FakeSerialPorts ports;
  ports.present = std::vector<std::string>{"Com3", "ttyUSB0"};
  CComSettingsDlg model(store, &ports);
  model.OnInitDialog();
  ComSettingsWindow w(model);
  w.show();
  ASSERT_EQ(w.Port()->currentText(), "Com1") << "the stored port, not plugged in, last in the list";
  testing::SaveShot(w, "dialog_com_settings");

  w.Port()->setFocus();
  QTest::keyClick(w.Port(), Qt::Key_Down, Qt::NoModifier);
  QTest::keyClick(w.Port(), Qt::Key_Up, Qt::NoModifier);
  QTest::keyClick(w.Port(), Qt::Key_Up, Qt::NoModifier);
  EXPECT_EQ(w.Port()->currentText(), "Com3");
  w.Speed()->lineEdit()->selectAll();
  QTest::keyClicks(w.Speed()->lineEdit(), "4801");
  QTest::keyClick(w.Port(), Qt::Key_Return);
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_EQ(Text("Port"), "Com3");
  EXPECT_EQ(Text("Speed"), "4801");

  ComSettingsWindow again(model);
  again.show();
  again.Speed()->lineEdit()->selectAll();
  QTest::keyClicks(again.Speed()->lineEdit(), "9600");
  QTest::keyClick(&again, Qt::Key_Escape);
  EXPECT_EQ(again.result(), QDialog::Rejected);
  EXPECT_EQ(Text("Speed"), "4801") << "Escape writes nothing";
}

TEST_F(Dialogs, ReplayAndDistanceDialogs) {
  {
    CDlgReplay model(prompt);
    CReplayDlg w(model);
    w.show();
    testing::SaveShot(w, "dialog_replay");
    auto edits = w.findChildren<QLineEdit*>();
    ASSERT_EQ(edits.size(), 2);
    edits[1]->setFocus();
    edits[1]->selectAll();
    QTest::keyClicks(edits[1], "0");
    QTest::keyClick(edits[1], Qt::Key_Return);
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(model.Delay(), 0);
  }
  {
    CDlgDistance model;
    GpsFix fix;
    fix.latitude = kLat;
    fix.longitude = kLon;
    model.OnInitDialog(fix);
    std::pair<double, double> stored;
    model.SetStoreLocation([&](double la, double lo) { stored = {la, lo}; });
    CDistanceDlg w(model);
    w.show();
    auto* second = w.findChild<QLineEdit*>(QStringLiteral("edit2"));
    ASSERT_NE(second, nullptr);
    QTest::keyClicks(second, "51.484223");
    QTest::keyClicks(w.findChild<QLineEdit*>(QStringLiteral("edit3")), "-1.337132");
    QTest::mouseClick(w.findChild<QPushButton*>(), Qt::LeftButton);
    EXPECT_EQ(w.findChild<QLineEdit*>(QStringLiteral("edit4"))->text(), "11.125 km");
    EXPECT_EQ(stored.first, 51.484223);
    testing::SaveShot(w, "dialog_distance");
  }
}

// Delivers the posted calls of a worker thread to this thread, as the view does.
class UiCallReceiver final : public QObject {
 public:
  PostedUiCalls* calls = nullptr;
  bool event(QEvent* e) override {
    if (e->type() != PostedMessageEvent::EventType()) return QObject::event(e);
    calls->RunPending();
    return true;
  }
};

TEST_F(Dialogs, SendLogShowsTheThreadsCountsOnTheWindowsThread) {
  testing::TempDir dir;
  dir.Write("log.txt", "$GPGGA,1\n$GPGSV,2\n$GPRMC,3\n");
  testing::FakeSerialPorts ports;
  auto port = ports.next;
  UiCallReceiver receiver;
  QtMessagePoster poster(&receiver);
  PostedUiCalls ui(poster);
  receiver.calls = &ui;
  {
    CDlg_Send_Log model(ports, store, prompt, ui);
    model.SetOpenWait([](int) { return true; });
    model.OnInitDialog();
    SendLogWindow w(model);
    w.show();
    bool offThread = false;
    QObject::connect(w.LinesSent(), &QLineEdit::textChanged, &w,
                     [&] { offThread = offThread || QThread::currentThread() != qApp->thread(); });

    w.FileName()->selectAll();
    QTest::keyClicks(w.FileName(), QString::fromStdString(dir.File("log.txt")));
    w.LoopCount()->selectAll();
    QTest::keyClicks(w.LoopCount(), "2");
    QTest::mouseClick(w.Button(QStringLiteral("St&art")), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !model.Sending() && w.LoopCount()->text() == "1"; }, 10000));
    QApplication::processEvents();
    EXPECT_EQ(w.LinesSent()->text(), "6");
    EXPECT_FALSE(offThread);
    EXPECT_EQ(port->Written(), "$GPGGA,1\r\n$GPGSV,2\r\n$GPRMC,3\r\n$GPGGA,1\r\n$GPGSV,2\r\n$GPRMC,3\r\n");
    testing::SaveShot(w, "dialog_send_log");
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_TRUE(port->Closed());
  }
  ui.Shutdown();
}

TEST_F(Dialogs, NearCameraListPlacesItsTableByTheResizeRule) {
  std::vector<CameraRecord> list;
  for (const char* type : {"GATSO", "Truvelo", "SPECS"}) {
    std::string line = CameraLine(North(700.0 * static_cast<double>(list.size() + 1)), kLon, type);
    line.pop_back();  // the loader hands over lines without their line end
    list.push_back(CameraRecordFromLine(line));
  }
  NearCameraListWindow w(NearCameraList::Build(&list, kLat, kLon));
  w.show();
  w.resize(700, 300);
  QApplication::processEvents();
  EXPECT_EQ(w.Table()->geometry(), QRect(10, 50, 680, 240));
  EXPECT_EQ(w.OkButton()->pos(), QPoint(590, 10));
  ASSERT_EQ(w.Table()->rowCount(), 3);
  EXPECT_EQ(w.Table()->item(1, 3)->text(), "Truvelo");
  w.resize(960, 260);
  QApplication::processEvents();
  testing::SaveShot(w, "dialog_near_camera_list");
  QTest::keyClick(&w, Qt::Key_Return);
  EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST_F(Dialogs, PassedCameraListProcessesALogAndCopiesIt) {
  testing::TempDir dir;
  dir.Write("cams.txt", CameraLine(North(1500), East(800), "GATSO") + CameraLine(North(2500), East(150), "SPECS") +
                            CameraLine(North(900), East(-450), "Truvelo"));
  std::string log;
  for (int m = 0; m <= 3000; m += 50) log += Fixes(North(m), kLon, 30.0);
  dir.Write("drive.txt", log);
  settings.WriteTextSetting("CameraFile", dir.File("cams.txt"));
  CameraDatabase cameras(settings, &prompt, [] {});
  testing::FakeClipboard clipboard;
  PassedCameraList model(settings, &prompt, cameras, &clipboard);
  PassedCameraListWindow w(model);
  w.show();
  EXPECT_EQ(w.Nearest()->text(), "300");
  EXPECT_EQ(w.Farthest()->text(), "4000");
  w.LogFile()->selectAll();
  QTest::keyClicks(w.LogFile(), QString::fromStdString(dir.File("drive.txt")));
  w.Nearest()->selectAll();
  QTest::keyClicks(w.Nearest(), "100");
  QTest::mouseClick(w.ProcessButton(), Qt::LeftButton);
  ASSERT_EQ(prompt.Texts().back(), "Finished");
  ASSERT_EQ(w.Table()->rowCount(), 4);
  EXPECT_EQ(w.Table()->item(0, 0)->text(), "List contains 3 items");
  // The typed nearest distance reached the model: the SPECS camera 150 m off the road is listed with the speed there.
  EXPECT_EQ(w.Table()->item(2, 1)->text(), "SPECS");
  EXPECT_EQ(w.Table()->item(2, 3)->text(), "35 mph");
  w.resize(620, 300);
  QApplication::processEvents();
  testing::SaveShot(w, "dialog_passed_camera_list");

  prompt.QueueAnswer(MsgResult::No);
  QTest::mouseClick(w.CopyButton(), Qt::LeftButton);
  ASSERT_EQ(clipboard.texts.size(), 1u);
  EXPECT_EQ(clipboard.texts[0], ":GATSO\r\n:SPECS\r\n:Truvelo\r\n");
  EXPECT_EQ(prompt.Texts().back(), "The list has been copied to the Windows paste buffer.");
}

// Each command that asks for a dialog gets its window, on the view, from the window's table.
TEST(DialogCommands, EachCommandOpensItsWindow) {
  testing::QtTestApp();
  testing::AppFixture f;
  CMainFrame& frame = f.Start(false);
  const std::vector<std::pair<int, std::type_index>> cases = {
      {cmd::kOptionsSpeed, typeid(CSpeedSetup)},          {cmd::kOptionsTimeZone, typeid(CDlg_Timezone)},
      {cmd::kOptionsTrackLogging, typeid(CDlgTrackingOptions)}, {cmd::kOptionsMapScale, typeid(CMapScale)},
      {cmd::kOptionsColours, typeid(CDLG_Colours)},      {cmd::kOptionsSpecs, typeid(CDlg_SpecsAverageSpeed)},
      {cmd::kOptionsComm, typeid(ComSettingsWindow)},     {cmd::kSendLogFile, typeid(SendLogWindow)},
      {cmd::kNearCameraList, typeid(NearCameraListWindow)}, {cmd::kPassedCameraList, typeid(PassedCameraListWindow)},
      {cmd::kDistanceToLocation, typeid(CDistanceDlg)},   {cmd::kManualLocation, typeid(CManualLocationDlg)},
      {cmd::kReplayLog, typeid(CReplayDlg)},
  };
  for (const auto& [id, window] : cases) {
    std::optional<std::type_index> shown;
    QTimer::singleShot(0, [&] {
      if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        shown = typeid(*d);
        EXPECT_EQ(d->parentWidget(), &f.View()) << id;
        d->reject();
      }
    });
    ASSERT_TRUE(frame.RunCommand(id)) << id;
    EXPECT_EQ(shown, std::optional<std::type_index>(window)) << id;
  }
}

}  // namespace
}  // namespace rovex
