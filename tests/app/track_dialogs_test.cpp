#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "app/screen_refresh_dialog.h"
#include "app/track_add_dialog.h"
#include "app/track_desc_dialog.h"
#include "app/track_display_dialog.h"
#include "app/track_josm_load_dialog.h"
#include "app/track_osm_load_dialog.h"
#include "app/file_box.h"
#include "app/track_rows_widget.h"
#include "app/track_select_dialog.h"
#include "dialog_test_app.h"
#include "support/fake_prompt.h"
#include "support/temp_dir.h"
#include "trackeditor/track_josm_load_model.h"
#include "trackeditor/track_osm_load_model.h"

namespace rovex {
namespace {

using namespace trackeditor;

class TrackDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.Write("drive.txt", "$GPGGA,1,5123.0534,N,00120.2279,W,1\n$GPGGA,2,5123.1000,N,00120.3000,W,1\n");
    map.description = "Newbury drives";
    TrackEntry& a = map.TracksMem.emplace_back();
    a.description = "Morning drive";
    a.path = dir.File("drive.txt");
    map.TracksMem.emplace_back();  // neither description nor path: not listed
    map.TracksMem.emplace_back().path = "/home/driver/ROVEX/Log/evening.txt";
  }
  std::string Cell(TrackRowsWidget* list, int row, int column) { return list->item(row, column)->text().toStdString(); }
  testing::TempDir dir;
  testing::FakePrompt prompt;
  TrackEditor map;
};

TEST_F(TrackDialogs, DescriptionEditsTheMapsLine) {
  TrackDescModel model(&map, &prompt);
  CDialogTrackDesc dlg(model);
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), "Tracks Map Description");
  EXPECT_EQ(dlg.Text()->text(), "Newbury drives");
  dlg.Text()->setText("Newbury and Thatcham");
  testing::SaveShot(dlg, "dialog_track_description");
  QTest::keyClick(dlg.Text(), Qt::Key_Return);
  ASSERT_EQ(dlg.result(), QDialog::Accepted);
  model.Ok();
  EXPECT_EQ(*map.description, "Newbury and Thatcham");
}

TEST_F(TrackDialogs, AddAndRemoveRows) {
  TrackAddModel model(&map, &prompt);
  CDialogTrackAdd dlg(model);
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), "Add/Remove Tracks - Newbury drives");
  ASSERT_EQ(dlg.List()->rowCount(), 2);
  EXPECT_EQ(Cell(dlg.List(), 1, 0), "None");
  dlg.Description()->setText("Shopping trip");
  dlg.Path()->setText(QString::fromStdString(dir.File("drive.txt")));
  dlg.AddButton()->click();
  ASSERT_EQ(dlg.List()->rowCount(), 3);
  EXPECT_EQ(Cell(dlg.List(), 2, 0), "Shopping trip");
  testing::SaveShot(dlg, "dialog_track_add_remove");
  dlg.List()->selectRow(1);
  dlg.RemoveButton()->click();
  ASSERT_EQ(map.TracksMem.size(), 3u);
  EXPECT_FALSE(map.TracksMem[1].path) << "the unlisted entry stays";
  EXPECT_EQ(*map.TracksMem[2].description, "Shopping trip");
  EXPECT_TRUE(map.modified);
}

TEST_F(TrackDialogs, VisibleTracksToggleAndApply) {
  TrackDisplayModel model(&map, &prompt);
  CDialogTrackDisplay dlg(model);
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), "Select track(s) to display - Newbury drives");
  EXPECT_EQ(Cell(dlg.List(), 0, 0), "No");
  dlg.AllButton()->click();
  EXPECT_EQ(Cell(dlg.List(), 1, 0), "Yes");
  testing::SaveShot(dlg, "dialog_track_visible");
  dlg.NoneButton()->click();
  model.Toggle(0);
  dlg.ApplyButton()->click();
  ASSERT_TRUE(map.TracksMem[0].points);
  EXPECT_EQ(map.TracksMem[0].points->points.size(), 2u);
  EXPECT_FALSE(map.TracksMem[2].points);
  EXPECT_EQ(prompt.Texts().back(), "Display settings have been applied");
}

TEST_F(TrackDialogs, SelectTrackToEdit) {
  TrackPoints edited;
  TrackSelectModel model(&map, &edited, &prompt);
  CDialog_TrackSelect dlg(model);
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), "Select track to edit - Newbury drives");
  dlg.List()->setCurrentCell(0, 0);
  dlg.SelectButton()->click();
  EXPECT_EQ(dlg.Description()->text(), "Morning drive");
  testing::SaveShot(dlg, "dialog_track_select");
  model.Ok();
  EXPECT_EQ(*edited.sourcePath, dir.File("drive.txt"));
  EXPECT_EQ(edited.points.size(), 2u);
}

TEST_F(TrackDialogs, RefreshRate) {
  ScreenRefreshModel model(4800);
  CDlgScreenRefresh dlg(model);
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), "Show Position Screen Refresh Rate");
  EXPECT_EQ(dlg.Rate()->text(), "4800");
  dlg.Rate()->setText("19200");
  testing::SaveShot(dlg, "dialog_track_refresh_rate");
  QTest::keyClick(dlg.Rate(), Qt::Key_Return);
  ASSERT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(model.Ok(), 19200u);
}

TEST_F(TrackDialogs, BackgroundLoadersLoadEachTimeTheButtonIsPressed) {
  dir.Write("bg.gpx", "<gpx><trk><name>GPX:1:waterway-river:</name><trkseg><trkpt lat=\"51.4\" lon=\"-1.3\"/>"
                      "<trkpt lat=\"51.41\" lon=\"-1.31\"/></trkseg></trk></gpx>");
  TrackJosmLoadModel josm(&map, &prompt);
  CDlgTrackJosmLoad gpxWindow(josm, prompt);
  gpxWindow.show();
  EXPECT_EQ(gpxWindow.windowTitle(), "Load JOSM GPX track");
  gpxWindow.Source()->SetText("/home/driver/ROVEX/Maps/newbury-josm.gpx");
  testing::SaveShot(gpxWindow, "dialog_track_load_josm_gpx");
  gpxWindow.Source()->SetText(dir.File("bg.gpx"));
  gpxWindow.LoadButton()->click();
  gpxWindow.LoadButton()->click();
  EXPECT_EQ(map.TracksMem.size(), 5u);
  EXPECT_EQ(josm.Added(), 2u);

  dir.Write("bg.osm", "<osm version='0.6'><node id='1' lat='51.4' lon='-1.3'/><way id='5'><nd ref='1'/></way></osm>");
  TrackOsmLoadModel osm(&map, &prompt);
  CDlgTrackOsmLoad osmWindow(osm, prompt);
  osmWindow.show();
  EXPECT_EQ(osmWindow.windowTitle(), "Load OSM file");
  osmWindow.Source()->SetText("/home/driver/ROVEX/Maps/bautzen.osm");
  testing::SaveShot(osmWindow, "dialog_track_load_osm");
  osmWindow.Source()->SetText(dir.File("bg.osm"));
  osmWindow.LoadButton()->click();
  EXPECT_EQ(*map.TracksMem.back().description, "OSM:5:");
  EXPECT_EQ(prompt.Texts().back().substr(prompt.Texts().back().size() - 18), "OSM load complete.");
}

}  // namespace
}  // namespace rovex
