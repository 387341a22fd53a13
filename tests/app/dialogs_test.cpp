#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <typeindex>

#include "app/add_new_line_window.h"
#include "app/camera_convert_window.h"
#include "app/camera_table_widget.h"
#include "app/colours_dialog.h"
#include "app/com_settings_window.h"
#include "app/conversion_progress.h"
#include "app/distance_dialog.h"
#include "app/file_box.h"
#include "app/gpx_convert_window.h"
#include "app/hgt_convert_window.h"
#include "app/josm_convert_window.h"
#include "app/manual_location_dialog.h"
#include "app/multi_camera_convert_window.h"
#include "app/near_camera_list_window.h"
#include "app/nmea_to_gpx_window.h"
#include "app/option_dialogs.h"
#include "app/osm_gpx_window.h"
#include "app/passed_camera_list_window.h"
#include "app/replay_dialog.h"
#include "app/send_log_window.h"
#include "app/speedcam_window.h"
#include "app_fixture.h"
#include "cameras/camera_database.h"
#include "cameras/camera_fixture.h"
#include "cameras/camera_line.h"
#include "cameras/near_camera_list.h"
#include "cameras/passed_camera_list.h"
#include "converters/add_new_line_dialog.h"
#include "converters/camera_convert_dialog.h"
#include "converters/converter_test_util.h"
#include "converters/gpx_convert_dialog.h"
#include "converters/hgt_contours.h"
#include "converters/hgt_dialog.h"
#include "converters/josm_dialog.h"
#include "converters/multi_camera_convert_dialog.h"
#include "converters/nmea_gpx_dialog.h"
#include "converters/osm_gpx_dialog.h"
#include "converters/speedcam_dialog.h"
#include "dialog_test_app.h"
#include "gps/com_settings_dlg.h"
#include "gps/dlg_distance.h"
#include "gps/dlg_replay.h"
#include "gps/dlg_send_log.h"
#include "gps/posted_ui_calls.h"
#include "nmea/distance.h"
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

using testing::CameraLine;

constexpr double kLat = 51.384223;
constexpr double kLon = -1.337132;

double North(double metres) { return testing::North(kLat, metres); }
double East(double metres) { return kLon + metres / (MetresPerDegreeLon * std::cos(kLat * DegToRad)); }

class Dialogs : public ::testing::Test {
 protected:
  void SetUp() override { SettingsReset(store, prompt, "/data").CheckRegistry(false); }
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
  for (const char* above : {"gpsd", "ttyUSB0", "Com3"}) {
    QTest::keyClick(w.Port(), Qt::Key_Up, Qt::NoModifier);
    EXPECT_EQ(w.Port()->currentText(), above);
  }
  EXPECT_FALSE(w.AnyTalker()->isChecked());
  QTest::mouseClick(w.AnyTalker(), Qt::LeftButton);
  w.Speed()->lineEdit()->selectAll();
  QTest::keyClicks(w.Speed()->lineEdit(), "4801");
  QTest::keyClick(w.Port(), Qt::Key_Return);
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_EQ(Text("Port"), "Com3");
  EXPECT_EQ(Text("Speed"), "4801");
  EXPECT_EQ(store.Read(kRovexKey, "AnyTalker").value.number, 1u);
}

TEST_F(Dialogs, ComSettingsTakesATypedNetworkSource) {
  CComSettingsDlg model(store, nullptr);
  model.OnInitDialog();
  ComSettingsWindow w(model);
  w.show();
  w.Port()->lineEdit()->selectAll();
  QTest::keyClicks(w.Port()->lineEdit(), "gpsd://127.0.0.1:2947");
  QTest::keyClick(w.Port(), Qt::Key_Return);
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_EQ(Text("Port"), "gpsd://127.0.0.1:2947");
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
  EXPECT_EQ(w.Table()->rowCount(), 3);
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
  std::string log = "$GPRMC,120000,A,x,N,x,W,030.0,0,170606,,\n";  // 30 knots
  for (int m = 0; m <= 3000; m += 50) log += testing::Gga(North(m), kLon);
  dir.Write("drive.txt", log);
  settings.WriteTextSetting("CameraFile", dir.File("cams.txt"));
  CameraDatabase cameras(settings, &prompt, [] {});
  testing::FakeClipboard clipboard;
  PassedCameraList model(settings, &prompt, cameras, &clipboard);
  PassedCameraListWindow w(model);
  w.show();
  w.LogFile()->selectAll();
  QTest::keyClicks(w.LogFile(), QString::fromStdString(dir.File("drive.txt")));
  w.Nearest()->selectAll();
  QTest::keyClicks(w.Nearest(), "100");
  QTest::mouseClick(w.ProcessButton(), Qt::LeftButton);
  ASSERT_EQ(prompt.Texts().back(), "Finished");
  ASSERT_EQ(w.Table()->rowCount(), 4);
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

TEST(DialogCommands, EachMenuItemOpensItsWindow) {
  testing::AppFixture f;
  CMainFrame& frame = f.Start(false);
  const std::vector<std::pair<int, std::type_index>> cases = {
      {cmd::kOptionsSpeed, typeid(CSpeedSetup)},          {cmd::kOptionsTimeZone, typeid(CDlg_Timezone)},
      {cmd::kOptionsTrackLogging, typeid(CDlgTrackingOptions)}, {cmd::kOptionsMapScale, typeid(CMapScale)},
      {cmd::kOptionsColours, typeid(CDLG_Colours)},      {cmd::kOptionsSpecs, typeid(CDlg_SpecsAverageSpeed)},
      {cmd::kOptionsComm, typeid(ComSettingsWindow)},     {cmd::kSendLogFile, typeid(SendLogWindow)},
      {cmd::kNearCameraList, typeid(NearCameraListWindow)}, {cmd::kPassedCameraList, typeid(PassedCameraListWindow)},
      {cmd::kDistanceToLocation, typeid(CDistanceDlg)},   {cmd::kManualLocation, typeid(CManualLocationDlg)},
      {cmd::kReplayLog, typeid(CReplayDlg)},             {cmd::kConvertPocketGps, typeid(CDlgCameraConvert)},
      {cmd::kConvertGarmin, typeid(CDlgCameraConvert)}, {cmd::kConvertMultiPocketGps, typeid(CDlgMultiCameraConvert)},
      {cmd::kConvertGpxRoute, typeid(CDlgGPXConvert)},  {cmd::kConvertGpxTrack, typeid(CDlgGPXConvert)},
      {cmd::kConvertNmeaToGpx, typeid(CDialogNMEAToGPX)}, {cmd::kConvertJosm, typeid(CDlgConvertJOSM)},
      {cmd::kConvertAddNewLines, typeid(CDlgAddNewLine)}, {cmd::kConvertSrtm, typeid(CDlgConvertHGT_GPX)},
      {cmd::kConvertOsmSpeedcams, typeid(DlgSpeedcam)},
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
    ASSERT_NE(frame.MenuAction(id), nullptr) << id;
    frame.MenuAction(id)->trigger();
    EXPECT_EQ(shown, std::optional<std::type_index>(window)) << id;
  }
}



using namespace converters;

const std::string kData = ROVEX_SOURCE_DIR "/tests/converters/data/";

std::string ReadFile(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return f ? s.str() : "(missing)";
}

// Types the text into the box as the user would: select what is there, type over it.
void Type(QLineEdit* edit, const std::string& text) {
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, QString::fromStdString(text));
}

class ConvertDialogs : public ::testing::Test {
 protected:
  testing::FakePrompt prompt;
  testing::TempDir dir;
};

// Enter converts and closes; converted again with Append ticked, the list is there twice.
TEST_F(ConvertDialogs, CameraListConvertsOnEnterAndAppendsWhenTicked) {
  const std::string out = dir.File("cameras.txt");
  for (bool append : {false, true}) {
    CameraConvertDialog model(CameraConvertDialog::List::PocketGps);
    CDlgCameraConvert w(model, prompt);
    w.show();
    Type(w.Source()->Edit(), kData + "pocketgps.csv");
    Type(w.Destination()->Edit(), out);
    if (append) {
      w.Append()->setFocus();
      QTest::keyClick(w.Append(), Qt::Key_Space);
    } else {
      testing::SaveShot(w, "dialog_convert_pocket_gps");
    }
    QTest::keyClick(w.Destination()->Edit(), Qt::Key_Return);
    EXPECT_EQ(w.result(), QDialog::Accepted);
  }
  const std::string once = ReadFile(kData + "pocketgps.expected");
  EXPECT_EQ(ReadFile(out), once + once);
}

TEST_F(ConvertDialogs, GpxToRouteStaysOpenUntilEscape) {
  GpxConvertDialog model(GpxConvertDialog::Points::Route);
  CDlgGPXConvert w(model, prompt);
  w.show();
  Type(w.Source()->Edit(), kData + "route.gpx");
  Type(w.Destination()->Edit(), dir.File("route.csv"));
  testing::SaveShot(w, "dialog_convert_gpx_route");
  QTest::keyClick(w.Source()->Edit(), Qt::Key_Return);
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(ReadFile(dir.File("route.csv")), ReadFile(kData + "route.expected"));
  QTest::keyClick(&w, Qt::Key_Escape);
  EXPECT_EQ(w.result(), QDialog::Rejected);
}

TEST_F(ConvertDialogs, MultiListAddsRemovesAndConvertsInListOrder) {
  dir.Write("one.ov2", testing::Ov2Poi(-133713, 5138422, "GATSO@30"));
  dir.Write("two.ov2", testing::Ov2Poi(100000, 5000000, "SPECS@50"));
  const std::string out = dir.File("cameras.txt");
  MultiCameraConvertDialog model;
  CDlgMultiCameraConvert w(model, prompt);
  w.show();
  for (const char* name : {"one.ov2", "two.ov2", "one.ov2"}) {
    prompt.QueueFile(dir.File(name));
    w.AddButton()->click();
  }
  ASSERT_EQ(w.Sources()->topLevelItemCount(), 3);
  w.Sources()->topLevelItem(0)->setSelected(true);
  w.RemoveButton()->click();
  ASSERT_EQ(w.Sources()->topLevelItemCount(), 2);
  EXPECT_EQ(w.Sources()->topLevelItem(0)->text(0).toStdString(), dir.File("two.ov2"));
  Type(w.Destination()->Edit(), out);
  testing::SaveShot(w, "dialog_convert_multi_pocket_gps");
  w.ConvertButton()->click();
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(ReadFile(out), "50.000000,1.000000,SPECS@50,,,SPECS@50,,50\n51.384220,-1.337130,GATSO@30,,,GATSO@30,,30\n");
  QTest::keyClick(&w, Qt::Key_Return);
  EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST_F(ConvertDialogs, NmeaLogMakesTrackAndRouteShowsThePointsAndCopies) {
  std::string log;
  for (int i = 0; i < 4; ++i) {
    char body[160];
    // Positions 0.005 degrees of latitude (about 556 m) apart.
    std::snprintf(body, sizeof body, "$GPRMC,1200%02d,A,51%07.4f,N,00119.0000,W,30.0,%d.0,170610,,", i,
                  23.0 + i * 0.3, 10 * i);
    log += testing::WithChecksum(body);
  }
  dir.Write("drive.txt", log);
  testing::FakeClipboard clipboard;
  NmeaToGpxDialog model;
  CDialogNMEAToGPX w(model, prompt, clipboard);
  w.show();
  Type(w.Log()->Edit(), dir.File("drive.txt"));
  Type(w.Output()->Edit(), dir.File("drive.gpx"));
  Type(w.Distance(), "600");

  w.MakeTrackButton()->click();
  // Every second position is over 600 m from the last kept one.
  ASSERT_EQ(w.Points()->topLevelItemCount(), 2);
  EXPECT_EQ(w.Points()->topLevelItem(1)->text(2), "2010-06-17T12:00:02Z");
  const std::string track = ReadFile(dir.File("drive.gpx"));
  EXPECT_NE(track.find("<trk>\n  <name>ACTIVE LOG</name>"), std::string::npos) << track;
  testing::SaveShot(w, "dialog_nmea_to_gpx");

  w.MakeRouteButton()->click();  // the file exists: the overwrite question is answered Yes
  const std::string route = ReadFile(dir.File("drive.gpx"));
  EXPECT_NE(route.find("<name>00002</name>"), std::string::npos) << route;

  w.CopyButton()->click();
  ASSERT_EQ(clipboard.texts.size(), 1u);
  EXPECT_NE(clipboard.texts[0].find("<rte>"), std::string::npos);
}

TEST_F(ConvertDialogs, JosmAndAddNewLineConvertAndStayOpen) {
  dir.Write("josm.gpx",
            "<trk>\n<trkseg>\n<trkpt lat=\"51.5\" lon=\"-0.12\"/>\n</trkseg>\n<trkseg>\n"
            "<trkpt lat=\"51.6\" lon=\"-0.13\"/>\n</trkseg>\n</trk>\n");
  dir.Write("long.gpx", "<trk><trkseg><trkpt lat=\"1\" lon=\"2\"/></trkseg></trk>");
  {
    ConvertJosmDialog model;
    CDlgConvertJOSM w(model, prompt);
    w.show();
    Type(w.Source()->Edit(), dir.File("josm.gpx"));
    Type(w.Destination()->Edit(), dir.File("walk"));
    testing::SaveShot(w, "dialog_convert_josm");
    w.ConvertButton()->click();
    EXPECT_TRUE(w.isVisible());
    const std::string map = ReadFile(dir.File("walk.txt"));
    EXPECT_NE(map.find("TrkPath:" + dir.File("walk-Track000002.txt")), std::string::npos) << map;
    EXPECT_EQ(ReadFile(dir.File("walk-Track000002.txt")).substr(0, 17), "$GPGGA,000002.000");
  }
  {
    AddNewLineDialog model;
    CDlgAddNewLine w(model, prompt);
    w.show();
    Type(w.Source()->Edit(), dir.File("long.gpx"));
    Type(w.Destination()->Edit(), dir.File("lines.gpx"));
    testing::SaveShot(w, "dialog_add_new_line");
    w.ConvertButton()->click();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(ReadFile(dir.File("lines.gpx")),
              "<trk>\n<trkseg>\n<trkpt lat=\"1\" lon=\"2\"/>\n</trkseg>\n</trk>\n");
  }
}

size_t Count(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

// The plain dialog converts every way; the extractor takes its area from
// "&Get bounds", and its exclusion buttons set the boxes the table says.
TEST_F(ConvertDialogs, OsmToGpxWindowsConvertAndFillTheirBoxes) {
  dir.Write("ways.osm", ReadFile(kData + "ways.osm"));  // the pictures show a user's folder, not the source tree
  {
    ConvertOsmGpxDialog model;
    CDlgConvertOSM_GPX w(model, prompt);
    w.show();
    EXPECT_EQ(w.Top(), nullptr);
    Type(w.Source()->Edit(), dir.File("ways.osm"));
    Type(w.Destination()->Edit(), dir.File("all.gpx"));
    testing::SaveShot(w, "dialog_convert_osm_gpx");
    w.ConvertButton()->click();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(Count(ReadFile(dir.File("all.gpx")), "<trk>"), 3u);
  }
  ConvertBigOsmGpxDialog big;
  CDlgConvertBigOSM_GPX w(big, prompt);
  w.show();
  Type(w.Source()->Edit(), dir.File("ways.osm"));
  Type(w.Destination()->Edit(), dir.File("area.gpx"));
  w.GetBoundsButton()->click();
  EXPECT_EQ(w.Top()->text(), "51.2");
  EXPECT_EQ(w.Left()->text(), "-1.5");
  w.NoneButton()->click();
  for (QCheckBox* box : w.ExclusionBoxes()) EXPECT_FALSE(box->isChecked());
  w.DefaultButton()->click();
  EXPECT_TRUE(w.ExclusionBoxes()[13]->isChecked());  // type-sos
  EXPECT_FALSE(w.ExclusionBoxes()[4]->isChecked());  // footway
  QTest::mouseClick(w.IncludePoi(), Qt::LeftButton);
  testing::SaveShot(w, "dialog_convert_big_osm_gpx");
  w.ConvertButton()->click();
  // Way 10 inside the area, and the pub: landuse and traffic signals are excluded.
  const std::string area = ReadFile(dir.File("area.gpx"));
  EXPECT_EQ(Count(area, "<trk>"), 2u) << area;
  EXPECT_NE(area.find("<name>Node:4:amenity-pub:name-The Crown &amp; Anchor:</name>"), std::string::npos);

  ConvertFastOsmGpxDialog fast;
  CDlgConvertOSMtoOSM f(fast, prompt);
  f.show();
  EXPECT_EQ(f.ConvertButton()->text(), "&Extract");
  EXPECT_EQ(f.ExclusionBoxes().size(), 19u);
  testing::SaveShot(f, "dialog_convert_fast_osm_gpx");
}

TEST_F(ConvertDialogs, SpeedcamExtractsBothFormatsAndStaysOpen) {
  dir.Write("cams.osm",
            "<osm version='0.6'>\n<node id='1' lat='51.5' lon='-0.12'>\n<tag k='highway' v='speed_camera'/>\n"
            "<tag k='note' v='redlight'/>\n<tag k='maxspeed' v='30'/>\n</node>\n</osm>\n");
  SpeedcamDialog model;
  DlgSpeedcam w(model, prompt);
  w.show();
  Type(w.Source()->Edit(), dir.File("cams.osm"));
  Type(w.Destination()->Edit(), dir.File("cams.txt"));
  testing::SaveShot(w, "dialog_speedcam");
  w.RovexButton()->click();
  EXPECT_EQ(ReadFile(dir.File("cams.txt")), "51.500000,-0.120000,REDLIGHT,1,,REDLIGHT:1@30,,30\n");
  w.IgoButton()->click();  // the overwrite question is answered Yes
  EXPECT_EQ(ReadFile(dir.File("cams.txt")), "X,Y,TYPE,SPEED,DIRTYPE,DIRECTION\n-0.120000,51.500000,3,30,0,0\n");
  EXPECT_EQ(prompt.Texts().back(), "Done");
  EXPECT_TRUE(w.isVisible());
  QTest::keyClick(&w, Qt::Key_Escape);
  EXPECT_EQ(w.result(), QDialog::Rejected);
}

// The boxes start at 3, 6 and 20 and what is typed in them reaches the walk.
TEST_F(ConvertDialogs, HgtContoursTakeTheTypedNumbers) {
  std::string tile(kHgtFileBytes, '\0');
  for (int i = 0; i < kHgtSide; ++i) {
    for (int j = 600; j < kHgtSide; ++j) {  // sea in the west, then a slope rising 1 m a column to 600 m
      tile[2 * (i * kHgtSide + j)] = static_cast<char>((j - 600) >> 8);
      tile[2 * (i * kHgtSide + j) + 1] = static_cast<char>((j - 600) & 0xFF);
    }
  }
  dir.Write("N45E006.hgt", tile);
  HgtToGpxDialog model;
  CDlgConvertHGT_GPX w(model, prompt);
  w.show();
  EXPECT_EQ(w.EraseRange()->text() + w.ContourRange()->text() + w.Step()->text(), "3620");
  Type(w.Source()->Edit(), dir.File("N45E006.hgt"));
  Type(w.Destination()->Edit(), dir.File("contours.gpx"));
  testing::SaveShot(w, "dialog_convert_hgt");
  Type(w.EraseRange(), "0");
  Type(w.Step(), "100");
  w.ConvertButton()->click();
  EXPECT_TRUE(w.isVisible());
  const std::string gpx = ReadFile(dir.File("contours.gpx"));
  // Levels 0 to 500 a hundred apart; the starting step would have written 20 m ones.
  EXPECT_NE(gpx.find("<name>GPX-1</name>"), std::string::npos) << gpx.substr(0, 400);
  EXPECT_NE(gpx.find("<name>GPX500-"), std::string::npos);
  EXPECT_EQ(gpx.find("<name>GPX20-"), std::string::npos);
  EXPECT_EQ(prompt.Texts().back().substr(0, 12), "Step 2 of 2.");
  EXPECT_EQ(prompt.Texts().size(), 1u);  // erase range 0: no step 1
}

TEST_F(ConvertDialogs, ALargeConversionShowsProgressAndItsCancelStopsIt) {
  std::string big;
  while (big.size() < 3 * ConversionProgress::kShowFrom) big += "<trkpt lat=\"1\" lon=\"2\"/>";
  dir.Write("big.gpx", big);
  AddNewLineDialog model;
  CDlgAddNewLine w(model, prompt);
  w.show();
  Type(w.Source()->Edit(), dir.File("big.gpx"));
  Type(w.Destination()->Edit(), dir.File("out.gpx"));
  bool sawProgress = false;
  std::function<void()> cancelWhenShown = [&] {
    if (auto* p = w.findChild<QProgressDialog*>(); p && p->isVisible()) {
      sawProgress = true;
      p->cancel();
      return;
    }
    QTimer::singleShot(1, cancelWhenShown);
  };
  QTimer::singleShot(0, cancelWhenShown);
  w.ConvertButton()->click();
  EXPECT_TRUE(sawProgress);
  EXPECT_EQ(prompt.Texts().back(), "Conversion cancelled.");
  EXPECT_EQ(ReadFile(dir.File("out.gpx")), "(missing)") << "a cancelled conversion leaves nothing behind";
  EXPECT_EQ(w.findChild<QProgressDialog*>(), nullptr) << "the progress window goes with the conversion";
}

}  // namespace
}  // namespace rovex
