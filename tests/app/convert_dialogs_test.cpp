#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "app/add_new_line_window.h"
#include "app/camera_convert_window.h"
#include "app/conversion_progress.h"
#include "app/file_box.h"
#include "app/gpx_convert_window.h"
#include "app/josm_convert_window.h"
#include "app/multi_camera_convert_window.h"
#include "app/nmea_to_gpx_window.h"
#include "converters/add_new_line_dialog.h"
#include "converters/camera_convert_dialog.h"
#include "converters/converter_test_util.h"
#include "converters/gpx_convert_dialog.h"
#include "converters/josm_dialog.h"
#include "converters/multi_camera_convert_dialog.h"
#include "converters/nmea_gpx_dialog.h"
#include "app_fixture.h"
#include "dialog_test_app.h"
#include "support/fake_clipboard.h"
#include "support/fake_prompt.h"
#include "support/temp_dir.h"
#include "system/command_ids.h"

namespace rovex {
namespace {

using namespace converters;

const std::string kData = ROVEX_SOURCE_DIR "/tests/converters/data/";

std::string ReadFile(const std::string& path) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return "(missing)";
  std::string s;
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) s.append(buffer, n);
  std::fclose(f);
  return s;
}

// Types the text into the box as the user would: select what is there, type over it.
void Type(QLineEdit* edit, const std::string& text) {
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, QString::fromStdString(text));
}

class ConvertDialogs : public ::testing::Test {
 protected:
  void SetUp() override { testing::QtTestApp(); }
  testing::FakePrompt prompt;
  testing::TempDir dir;
};

TEST_F(ConvertDialogs, CameraListsConvertOnEnterAndClose) {
  struct Case {
    CameraConvertDialog::List list;
    const char* title;
    const char* shot;
    std::string expectedFirst;
  };
  const Case cases[] = {
      {CameraConvertDialog::List::PocketGps, "Pocket GPS camera to CSV file", "dialog_convert_pocket_gps",
       "51.38422,-1.33713,GATSO@30,A34,,GATSO@30,Yes,30\n"},
      // Garmin lists have no header: the first line is converted too.
      {CameraConvertDialog::List::Garmin, "Garmin to CSV file", nullptr,
       "Latitude,Longitude,Name,Description,,Name,Yes,\n"},
  };
  for (const Case& c : cases) {
    const std::string out = dir.File(std::string(c.title) + ".txt");
    CameraConvertDialog model(c.list);
    CDlgCameraConvert w(model, prompt);
    w.show();
    EXPECT_EQ(w.windowTitle().toStdString(), c.title);
    EXPECT_EQ(w.Destination()->Text(), model.destination);
    Type(w.Source()->Edit(), kData + "pocketgps.csv");
    Type(w.Destination()->Edit(), out);
    if (c.shot) testing::SaveShot(w, c.shot);
    QTest::keyClick(w.Destination()->Edit(), Qt::Key_Return);
    EXPECT_EQ(w.result(), QDialog::Accepted) << c.title;
    std::string written = ReadFile(out);
    EXPECT_EQ(written.substr(0, c.expectedFirst.size()), c.expectedFirst) << c.title;
    if (c.list == CameraConvertDialog::List::PocketGps) {
      EXPECT_EQ(written, ReadFile(kData + "pocketgps.expected"));
    }
  }
}

TEST_F(ConvertDialogs, CameraListConvertedTwiceWithAppendTickedIsThereTwice) {
  const std::string out = dir.File("cameras.txt");
  for (int run = 0; run < 2; ++run) {
    CameraConvertDialog model(CameraConvertDialog::List::PocketGps);
    CDlgCameraConvert w(model, prompt);
    w.show();
    Type(w.Source()->Edit(), kData + "pocketgps.csv");
    Type(w.Destination()->Edit(), out);
    w.Append()->setFocus();
    QTest::keyClick(w.Append(), Qt::Key_Space);
    EXPECT_TRUE(w.Append()->isChecked());
    QTest::keyClick(w.Append(), Qt::Key_Return);
    EXPECT_EQ(w.result(), QDialog::Accepted);
  }
  std::string once = ReadFile(kData + "pocketgps.expected");
  EXPECT_EQ(ReadFile(out), once + once);
}

TEST_F(ConvertDialogs, GpxToRouteStaysOpenUntilEscape) {
  struct Case {
    GpxConvertDialog::Points points;
    const char* title;
    const char* shot;
    std::string expected;
  };
  const Case cases[] = {
      {GpxConvertDialog::Points::Route, "Convert GPX Route to Route CSV file", "dialog_convert_gpx_route",
       ReadFile(kData + "route.expected")},
      {GpxConvertDialog::Points::Track, "Convert GPX track file to this programs route format", nullptr,
       "2.5,1.5,P001,Trk001\n"},
  };
  for (const Case& c : cases) {
    const std::string out = dir.File("route.csv");
    GpxConvertDialog model(c.points);
    CDlgGPXConvert w(model, prompt);
    w.show();
    EXPECT_EQ(w.windowTitle().toStdString(), c.title);
    Type(w.Source()->Edit(), kData + "route.gpx");
    Type(w.Destination()->Edit(), out);
    if (c.shot) testing::SaveShot(w, c.shot);
    QTest::keyClick(w.Source()->Edit(), Qt::Key_Return);
    EXPECT_TRUE(w.isVisible()) << c.title;
    EXPECT_EQ(ReadFile(out), c.expected) << c.title;
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_EQ(w.result(), QDialog::Rejected);
  }
}

TEST_F(ConvertDialogs, MultiListAddsRemovesAndConvertsInListOrder) {
  dir.Write("one.ov2", testing::Ov2Poi(-133713, 5138422, "GATSO@30"));
  dir.Write("two.ov2", testing::Ov2Poi(100000, 5000000, "SPECS@50"));
  const std::string out = dir.File("cameras.txt");
  MultiCameraConvertDialog model;
  CDlgMultiCameraConvert w(model, prompt);
  w.show();
  EXPECT_EQ(w.windowTitle(), "Convert multi PocketGPS file(s) to CSV file");
  EXPECT_EQ(w.Sources()->headerItem()->text(0), "Source files.");
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
  EXPECT_EQ(w.Distance()->text(), "200");
  EXPECT_TRUE(w.DistanceOn()->isChecked());
  EXPECT_FALSE(w.CourseOn()->isChecked());
  Type(w.Log()->Edit(), dir.File("drive.txt"));
  Type(w.Output()->Edit(), dir.File("drive.gpx"));
  Type(w.Distance(), "600");

  w.MakeTrackButton()->click();
  // Every second position is over 600 m from the last kept one.
  ASSERT_EQ(w.Points()->topLevelItemCount(), 2);
  EXPECT_EQ(w.Points()->topLevelItem(1)->text(2), "2010-06-17T12:00:02Z");
  EXPECT_EQ(w.Points()->topLevelItem(1)->text(5), "2");
  const std::string track = ReadFile(dir.File("drive.gpx"));
  EXPECT_NE(track.find("<trk>\n  <name>ACTIVE LOG</name>"), std::string::npos) << track;
  testing::SaveShot(w, "dialog_nmea_to_gpx");

  prompt.shown.clear();
  w.MakeRouteButton()->click();  // the file exists: the overwrite question is answered Yes
  const auto texts = prompt.Texts();
  EXPECT_NE(std::find(texts.begin(), texts.end(), "The output GPX file all ready exists.\n\nOverwrite Yes/No ?"),
            texts.end());
  const std::string route = ReadFile(dir.File("drive.gpx"));
  EXPECT_NE(route.find("<name>00002</name>"), std::string::npos) << route;

  w.CopyButton()->click();
  ASSERT_EQ(clipboard.texts.size(), 1u);
  EXPECT_NE(clipboard.texts[0].find("<rte>"), std::string::npos);
  EXPECT_EQ(prompt.Texts().back(), "The gpx file has been copied to the Windows paste buffer.");
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
    EXPECT_EQ(w.windowTitle(), "Convert JOSM GPX to map project");
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
    EXPECT_EQ(w.windowTitle(), "Add new line characters");
    Type(w.Source()->Edit(), dir.File("long.gpx"));
    Type(w.Destination()->Edit(), dir.File("lines.gpx"));
    testing::SaveShot(w, "dialog_add_new_line");
    w.ConvertButton()->click();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(ReadFile(dir.File("lines.gpx")),
              "<trk>\n<trkseg>\n<trkpt lat=\"1\" lon=\"2\"/>\n</trkseg>\n</trk>\n");
    EXPECT_EQ(prompt.Texts().back(), "Finished writing to output file.");
  }
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

// The letter after "&" in each button and labelled box, in layout order.
std::vector<QChar> Mnemonics(QWidget& w) {
  std::vector<QChar> keys;
  auto add = [&](const QString& text) {
    qsizetype at = text.indexOf('&');
    if (at >= 0 && at + 1 < text.size()) keys.push_back(text.at(at + 1).toUpper());
  };
  for (QAbstractButton* b : w.findChildren<QAbstractButton*>()) add(b->text());
  for (QLabel* l : w.findChildren<QLabel*>()) {
    if (l->buddy()) add(l->text());
  }
  return keys;
}

TEST_F(ConvertDialogs, EveryControlHasAMnemonicOfItsOwn) {
  CameraConvertDialog camera(CameraConvertDialog::List::PocketGps);
  MultiCameraConvertDialog multi;
  GpxConvertDialog gpx(GpxConvertDialog::Points::Route);
  NmeaToGpxDialog nmea;
  ConvertJosmDialog josm;
  AddNewLineDialog lines;
  testing::FakeClipboard clipboard;
  CDlgCameraConvert w1(camera, prompt);
  CDlgMultiCameraConvert w2(multi, prompt);
  CDlgGPXConvert w3(gpx, prompt);
  CDialogNMEAToGPX w4(nmea, prompt, clipboard);
  CDlgConvertJOSM w5(josm, prompt);
  CDlgAddNewLine w6(lines, prompt);
  struct Case {
    QWidget* window;
    size_t controls;  // buttons and labelled boxes with a mnemonic (Cancel has none: Esc)
  } cases[] = {{&w1, 6}, {&w2, 9}, {&w3, 6}, {&w4, 10}, {&w5, 6}, {&w6, 6}};
  for (const Case& c : cases) {
    std::vector<QChar> keys = Mnemonics(*c.window);
    EXPECT_EQ(keys.size(), c.controls) << c.window->windowTitle().toStdString();
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(std::adjacent_find(keys.begin(), keys.end()), keys.end())
        << "two controls share a mnemonic in " << c.window->windowTitle().toStdString();
  }
}

TEST_F(ConvertDialogs, EachConvertMenuItemOpensItsWindow) {
  struct Case {
    int id;
    const char* windowTitle;
  };
  const Case cases[] = {
      {cmd::kConvertPocketGps, "Pocket GPS camera to CSV file"},
      {cmd::kConvertGarmin, "Garmin to CSV file"},
      {cmd::kConvertMultiPocketGps, "Convert multi PocketGPS file(s) to CSV file"},
      {cmd::kConvertGpxRoute, "Convert GPX Route to Route CSV file"},
      {cmd::kConvertGpxTrack, "Convert GPX track file to this programs route format"},
      {cmd::kConvertNmeaToGpx, "NMEA log to GPX track or route file"},
      {cmd::kConvertJosm, "Convert JOSM GPX to map project"},
      {cmd::kConvertAddNewLines, "Add new line characters"},
  };
  testing::AppFixture app;
  CMainFrame& frame = app.Start(false);
  for (const Case& c : cases) {
    QAction* item = frame.MenuAction(c.id);
    ASSERT_NE(item, nullptr) << c.windowTitle;
    QString seen;
    QTimer::singleShot(0, [&] {
      if (QWidget* d = QApplication::activeModalWidget()) {
        seen = d->windowTitle();
        QTest::keyClick(d, Qt::Key_Escape);
      }
    });
    item->trigger();
    EXPECT_EQ(seen.toStdString(), c.windowTitle);
  }
}

}  // namespace
}  // namespace rovex
