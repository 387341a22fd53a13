#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/colour_picker_dialog.h"
#include "app/colours_dialog.h"
#include "app/exclude_list_window.h"
#include "app/option_dialogs.h"
#include "app/route_file_dialog.h"
#include "app/route_list_window.h"
#include "app/route_options_dialog.h"
#include "app/route_picker_dialog.h"
#include "app/route_speech_dialog.h"
#include "app/route_table_widget.h"
#include "dialog_test_app.h"
#include "platform/memory_settings_store.h"
#include "qtplatform/qt_canvas.h"
#include "routes/route_file.h"
#include "settings/settings_reset.h"
#include "settings/settings_table.h"
#include "support/fake_prompt.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

// Check boxes and radio buttons take clicks on their indicator, not anywhere on their stretched width.
void ClickIndicator(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2)); }

class OptionDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    SettingsReset(store, prompt, "/data").CheckRegistry(false);
  }
  std::string Text(const char* name) { return store.Read(kRovexKey, name).value.text; }
  uint32_t Number(const char* name) { return store.Read(kRovexKey, name).value.number; }

  MemorySettingsStore store;
  testing::FakePrompt prompt;
  RegistrySettings settings{store, &prompt};
};

// Typing into the real widget and pressing Enter must reach the store through
// the model; Escape writes nothing.
TEST_F(OptionDialogs, TimeZoneEnterWritesAndEscapeDoesNot) {
  for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
    CDlg_Timezone dlg(settings);
    dlg.show();
    EXPECT_EQ(dlg.Edit()->text(), "+1");
    if (key == Qt::Key_Return) testing::SaveShot(dlg, "dialog_time_zone");
    dlg.Edit()->selectAll();
    QTest::keyClicks(dlg.Edit(), "13");
    QTest::keyClick(dlg.Edit(), key);
    EXPECT_EQ(dlg.result(), key == Qt::Key_Return ? QDialog::Accepted : QDialog::Rejected);
    EXPECT_EQ(Text("TimeZone"), key == Qt::Key_Return ? "12" : "+1");
  }
}

TEST_F(OptionDialogs, TrackingLengthIsClampedAndFlagsWritten) {
  CDlgTrackingOptions dlg(settings);
  dlg.show();
  EXPECT_EQ(dlg.RecordLength()->text(), "5000");
  testing::SaveShot(dlg, "dialog_tracking");
  ClickIndicator(dlg.LogTrack());
  dlg.RecordLength()->selectAll();
  QTest::keyClicks(dlg.RecordLength(), "100");
  QTest::keyClick(dlg.RecordLength(), Qt::Key_Return);
  EXPECT_EQ(Number("LogTrack"), 0u);
  EXPECT_EQ(Number("TrackLength"), 500u);
}

TEST_F(OptionDialogs, SpeedMapScaleAndSpecs) {
  {
    CSpeedSetup dlg(settings);
    dlg.show();
    EXPECT_TRUE(dlg.Button(0)->isChecked());
    testing::SaveShot(dlg, "dialog_speed_setup");
    ClickIndicator(dlg.Button(2));
    dlg.accept();
    EXPECT_EQ(Number("SpeedUnits"), 2u);
  }
  {
    CMapScale dlg(settings);
    dlg.show();
    EXPECT_TRUE(dlg.Button(3)->isChecked());
    testing::SaveShot(dlg, "dialog_map_scale");
    ClickIndicator(dlg.Button(1));
    dlg.accept();
    EXPECT_EQ(Number("MapScale"), 1000u);
  }
  {
    CDlg_SpecsAverageSpeed dlg(settings);
    dlg.show();
    EXPECT_TRUE(dlg.Enable()->isChecked());
    testing::SaveShot(dlg, "dialog_average_speed");
    ClickIndicator(dlg.Enable());
    dlg.accept();
    EXPECT_EQ(Number("AverageSpeed"), 0u);
  }
}

TEST_F(OptionDialogs, ColoursPreviewFollowsTheFieldsAndPickFillsThem) {
  CDLG_Colours dlg(settings);
  dlg.resize(dlg.sizeHint());
  dlg.show();
  EXPECT_EQ(dlg.Field(ColoursModel::DayBack, 1)->text(), "229");
  dlg.Field(ColoursModel::DayFont, 0)->setText("300");
  EXPECT_EQ(dlg.Sample(ColoursModel::DayBack)->Font(), (Colour{44, 0, 0}));
  EXPECT_EQ(dlg.Sample(ColoursModel::DayFont)->Back(), (Colour{0, 229, 152}));
  dlg.pickColour = [](QWidget*) { return std::optional<Colour>(Colour{10, 20, 30}); };
  QList<QPushButton*> picks;
  for (auto* b : dlg.findChildren<QPushButton*>()) {
    if (b->text() == "Pick") picks << b;
  }
  ASSERT_EQ(picks.size(), 4);
  QTest::mouseClick(picks[3], Qt::LeftButton);  // the night background's
  EXPECT_EQ(dlg.Field(ColoursModel::NightBack, 2)->text(), "30");
  testing::SaveShot(dlg, "dialog_colours");
  dlg.accept();
  EXPECT_EQ(Text("DayTimeForeGround"), "2c 00 00");
  EXPECT_EQ(Text("NightTimeBackGround"), "0a 14 1e");
}

TEST_F(OptionDialogs, ColourPickerEditsMoveTheColour) {
  CColourPickerDlg picker(Colour{});
  picker.resize(420, 420);
  picker.show();
  picker.Edit(ColourPickerModel::R)->setFocus();
  QTest::keyClicks(picker.Edit(ColourPickerModel::R), "255");
  EXPECT_EQ(picker.Edit(ColourPickerModel::V)->text(), "100");
  EXPECT_EQ(picker.Result(), (Colour{255, 0, 0}));
  testing::SaveShot(picker, "dialog_colour_picker");
}


// The box around the near-black pixels: the text, not the magenta outline
// or the yellow box around it.
QRect InkBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (qRed(p) < 100 && qGreen(p) < 100 && qBlue(p) < 100) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

// The "Sample" preview shows the word as large as the panels draw a font of
// the same height: both take it as a cell height.
TEST(ColourSample, WordIsDrawnAtTheCanvasSizeForItsHeight) {
  ColourSample sample;
  sample.resize(220, 80);
  sample.SetColours(Colour{0, 0, 0}, Colour{255, 255, 255});
  const QRect shown = InkBox(sample.grab().toImage().convertToFormat(QImage::Format_RGB32));

  QtCanvas canvas(300, 120);
  canvas.FillRect(0, 0, 300, 120, Rgb{255, 255, 255});
  Font font;
  font.height = ColoursModel::kPreviewFontHeight;
  canvas.SelectFont(font);
  canvas.SetTextColour(Rgb{0, 0, 0});
  canvas.SetBackgroundMode(BackgroundMode::Transparent);
  canvas.TextOut(10, 10, "Sample");
  const QRect drawn = InkBox(canvas.Image());

  ASSERT_FALSE(shown.isEmpty());
  ASSERT_FALSE(drawn.isEmpty());
  EXPECT_NEAR(shown.height(), drawn.height(), 1);
  EXPECT_NEAR(shown.width(), drawn.width(), 1);
  EXPECT_GE(drawn.height(), ColoursModel::kPreviewFontHeight / 2) << "the word fills most of its cell";
}




class RouteDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
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
    ASSERT_EQ(dlg.Table()->rowCount(), 3);
    EXPECT_EQ(dlg.Table()->item(1, 4)->text(), "Roundabout");
    testing::SaveShot(dlg, "dialog_route_list");
  }
  {
    CDlg_Exclude_List dlg(RouteExcludedList{heading, ExcludeListRows(excluded)});
    dlg.show();
    ASSERT_EQ(dlg.Table()->rowCount(), 2);
    EXPECT_EQ(dlg.Table()->item(0, 0)->text(), "TEMPORARY");  // last first
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
    dlg.List()->setCurrentRow(1);
    if (c.typed[0] == 'x') testing::SaveShot(dlg, "dialog_route_picker");
    QTest::keyClicks(dlg.KeyField(), c.typed);
    EXPECT_EQ(dlg.isVisible(), !c.closed) << c.typed;
    EXPECT_EQ(model.Picked(), c.picked) << c.typed;
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
  EXPECT_FALSE(values.sayExcluded);
}

TEST_F(RouteDialogs, SpeechTimingOneAtATimeAndTheSwitchAtOnce) {
  RouteSpeechOptionsModel model(settings, &prompt);
  model.Open();
  CDlg_Route_MSAgent dlg(model);
  dlg.show();
  EXPECT_TRUE(dlg.Country()->isChecked());
  testing::SaveShot(dlg, "dialog_route_speech");
  ClickIndicator(dlg.Town());
  EXPECT_TRUE(dlg.Town()->isChecked());
  EXPECT_FALSE(dlg.Country()->isChecked());
  ClickIndicator(dlg.Town());
  EXPECT_FALSE(dlg.Town()->isChecked());
  ClickIndicator(dlg.Enable());
  EXPECT_EQ(settings.ReadFlagSetting("RouteUseMSAgent"), 0) << "written when clicked";
  QTest::keyClick(&dlg, Qt::Key_Escape);
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
  EXPECT_EQ(settings.ReadFlagSetting("RouteCountry"), 1);
  EXPECT_FALSE(model.enabled);
}

}  // namespace
}  // namespace rovex
