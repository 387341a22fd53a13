#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "app/load_trail_dialog.h"
#include "app/trail_file_dialog.h"
#include "dialog_test_app.h"
#include "platform/memory_settings_store.h"
#include "support/fake_prompt.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

class TrailDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.Write("demo.gpx", "<rte>\n<rtept lat=\"51.1\" lon=\"-1.1\"/>\n<rtept lat=\"51.2\" lon=\"-1.2\"/>\n</rte>\n");
  }
  MemorySettingsStore store;
  testing::FakePrompt prompt;
  RegistrySettings settings{store, &prompt};
  testing::TempDir dir;
};

TEST_F(TrailDialogs, LoadTrailStaysOpenUntilAFileIsRead) {
  TrackList trail;
  LoadTrailDialogModel model(&prompt, &trail);
  CDLG_LOADGPXTRAIL dlg(model);
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), "Load Trail GPX route file");
  QTest::keyClick(dlg.Path(), Qt::Key_Return);
  EXPECT_TRUE(dlg.isVisible()) << "an empty field keeps the dialog open";
  EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"Please choose a Gpolyline GPX route file."});
  prompt.QueueFile(dir.File("demo.gpx"));
  dlg.BrowseButton()->click();
  EXPECT_EQ(dlg.Path()->text().toStdString(), dir.File("demo.gpx"));
  testing::SaveShot(dlg, "dialog_load_trail");
  QTest::keyClick(dlg.Path(), Qt::Key_Return);
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(trail.Count(), 3u);
  EXPECT_EQ(prompt.Texts().back(), "Loaded the trail GPX.\nnumber of points found 3.");
}

TEST_F(TrailDialogs, DefaultTrailFileOkOrApplyAndLoad) {
  settings.WriteTextSetting("TrailName", dir.File("old.gpx"));
  for (bool apply : {false, true}) {
    TrailFileDialogModel model(settings, &prompt);
    model.Open();
    CDlgTrailFile dlg(model);
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "Select default trail file");
    EXPECT_EQ(dlg.Path()->text().toStdString(), dir.File("old.gpx"));
    prompt.QueueFile(dir.File("demo.gpx"));
    dlg.BrowseButton()->click();
    if (apply) {
      testing::SaveShot(dlg, "dialog_default_trail_file");
      dlg.ApplyAndLoadButton()->click();
    } else {
      QTest::keyClick(dlg.Path(), Qt::Key_Return);
    }
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(model.path, dir.File("demo.gpx"));
    EXPECT_EQ(model.loadNow, apply);
  }
}

}  // namespace
}  // namespace rovex
