#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include "app/colour_picker_dialog.h"
#include "app/colours_dialog.h"
#include "app/option_dialogs.h"
#include "dialog_test_app.h"
#include "platform/memory_settings_store.h"
#include "settings/settings_reset.h"
#include "settings/settings_table.h"
#include "support/fake_prompt.h"

namespace rovex {
namespace {

// Check boxes and radio buttons take clicks on their indicator, not anywhere on their stretched width.
void ClickIndicator(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2)); }

class OptionDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::QtTestApp();
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
  EXPECT_EQ(Number("DisplayTrack"), 1u);
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
  auto picks = dlg.findChildren<QPushButton*>(QStringLiteral(""));
  QPushButton* nightBackPick = nullptr;
  int seen = 0;
  for (auto* b : picks) {
    if (b->text() == "Pick" && ++seen == 4) nightBackPick = b;
  }
  ASSERT_NE(nightBackPick, nullptr);
  QTest::mouseClick(nightBackPick, Qt::LeftButton);
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
  EXPECT_EQ(picker.Result(), (Colour{255, 0, 0}));
  EXPECT_EQ(picker.Edit(ColourPickerModel::V)->text(), "100");
  picker.Edit(ColourPickerModel::H)->setFocus();
  picker.Edit(ColourPickerModel::H)->clear();
  QTest::keyClicks(picker.Edit(ColourPickerModel::H), "240");
  EXPECT_EQ(picker.Result(), (Colour{0, 0, 255}));
  testing::SaveShot(picker, "dialog_colour_picker");
}

}  // namespace
}  // namespace rovex
