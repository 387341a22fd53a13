#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "app/atlas_dialogs.h"
#include "app/atlas_print_dialog.h"
#include "app/view_printer.h"
#include "dialog_test_app.h"
#include "qtplatform/qt_canvas_factory.h"
#include "qtplatform/qt_image_loader.h"
#include "system/accelerator_table.h"
#include "system/command_ids.h"
#include "system/atlas_feature.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

// The tile colours of the generated demo atlas (scripts/make-demo-atlas), by (column + 2 row) % 6.
const QColor kPalette[] = {{200, 230, 190}, {225, 215, 180}, {190, 215, 230},
                           {235, 200, 200}, {215, 200, 235}, {235, 235, 190}};

bool Near(QColor a, QColor b, int tolerance) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

QColor Mean(const QImage& image, const QRect& area) {
  long long r = 0, g = 0, b = 0, n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      r += c.red();
      g += c.green();
      b += c.blue();
      ++n;
    }
  }
  return n ? QColor(static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n)) : QColor();
}

std::string FileStart(const std::string& path, size_t n) {
  std::ifstream in(path, std::ios::binary);
  std::string s(n, '\0');
  in.read(s.data(), static_cast<std::streamsize>(n));
  return s.substr(0, static_cast<size_t>(in.gcount()));
}

class AtlasDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy(ROVEX_BINARY_DIR "/atlas-demo", atlasDir.Path(),
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    RegistrySettings settings(f.store, &f.prompt);
    settings.WriteTextSetting("AtlasFolder", atlasDir.Path());
    settings.WriteNumberSetting("AtlasZoom", 11);
  }
  testing::TempDir atlasDir;
  testing::AppFixture f;
};

TEST_F(AtlasDialogs, AtlasViewShowsTilesAndMovesWithTheKeys) {
  f.Start();
  RovexSystem& system = f.View().System();
  system.RunCommand(cmd::kViewTrekbuddy);
  QImage picture = f.View().Picture();
  ASSERT_GT(picture.height(), 60);
  // The top-left tile (column 0, row 0) just below the toolbar; the toolbar is black beside its buttons.
  EXPECT_TRUE(Near(picture.pixelColor(40, 60), kPalette[0], 2)) << picture.pixelColor(40, 60).name().toStdString();
  EXPECT_EQ(picture.pixelColor(120, 30), QColor(Qt::black));
  f.Press(Qt::Key_Right);
  EXPECT_EQ(system.Get<AtlasFeature>().Viewer().firstColumn, 1);
  EXPECT_TRUE(Near(f.View().Picture().pixelColor(40, 60), kPalette[1], 2));
  f.Press(Qt::Key_Plus, QStringLiteral("+"));
  EXPECT_EQ(system.Get<AtlasFeature>().Viewer().zoom, 12);
  EXPECT_EQ(system.Get<AtlasFeature>().Viewer().firstColumn, 2);  // column 1 of 5 is column 2 of 10
  EXPECT_EQ(f.View().window()->windowTitle(), "ROVEX Trekbuddy Demo 12.map");
}

TEST_F(AtlasDialogs, MakePanBuildsTheOverviewPicture) {
  QtCanvasFactory factory;
  QtImageLoader images;
  atlas::MakePanModel model(atlasDir.File("Demo 11"), &factory, &images);
  CDialogMakePanFile dialog(model, &f.prompt, &f.shell);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Make Pan Image");
  testing::SaveShot(dialog, "dialog_make_pan");
  const atlas::PanResult r = dialog.Create();
  ASSERT_EQ(r.outcome, atlas::PanOutcome::Made) << r.message;
  EXPECT_EQ(dialog.Progress()->value(), 6);
  QImage pan(QString::fromStdString(atlasDir.File("Demo 11/pan.jpg")));
  ASSERT_EQ(pan.size(), QSize(400, 320));
  // Each square holds its own tile: the mean colours agree (scaling and JPEG keep the mean).
  for (int c = 0; c < 5; ++c) {
    for (int r = 0; r < 4; ++r) {
      const QImage tile(QString::fromStdString(atlasDir.File("Demo 11/set/demo_" + std::to_string(c * 256) + "_" +
                                                              std::to_string(r * 256) + ".png")));
      const QColor want = Mean(tile, tile.rect());
      const QColor got = Mean(pan, QRect(c * 80, r * 80, 80, 80));
      EXPECT_TRUE(Near(got, want, 4)) << c << "," << r << " " << got.name().toStdString() << " "
                                      << want.name().toStdString();
    }
  }
}

TEST_F(AtlasDialogs, PrintDialogAndPdfOutput) {
  f.Start();
  RovexSystem& system = f.View().System();
  system.RunCommand(cmd::kViewTrekbuddy);
  atlas::AtlasPrintModel model = system.Get<AtlasFeature>().PrintModel();
  EXPECT_EQ(model.columnCount, 5);
  EXPECT_EQ(model.rowCount, 4);
  CPrintDlg dialog(model, &f.prompt);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Print Trekbuddy map");
  EXPECT_EQ(dialog.Papers()->currentText(), "A4 sheet 210 x 297 mm");
  EXPECT_EQ(dialog.SizeLine()->text(), " 210.00 mm X 297.00 mm");
  EXPECT_EQ(dialog.Slider()->value(), 5);
  testing::SaveShot(dialog, "dialog_print_trekbuddy_map");
  // "Drawing dimensions" and "Apply" limit the value to the slider's range.
  const QList<QPushButton*> apply = dialog.findChildren<QPushButton*>(QString(), Qt::FindChildrenRecursively);
  for (auto [typed, slider] : {std::pair{"35", 20}, std::pair{"0", 1}, std::pair{"7", 7}}) {
    dialog.Dimensions()->setText(QString::fromLatin1(typed));
    for (QPushButton* b : apply) {
      if (b->text() == "Apply" && b->parent() == dialog.Dimensions()->parent()) b->click();
    }
    EXPECT_EQ(dialog.Slider()->value(), slider) << typed;
    EXPECT_EQ(model.scale, slider) << typed;
  }

  const std::string pdf = atlasDir.File("layer.pdf");
  ASSERT_TRUE(system.Get<AtlasFeature>().PrintAtlasToPdf(pdf));
  EXPECT_EQ(FileStart(pdf, 5), "%PDF-");

  const std::string viewPdf = atlasDir.File("view.pdf");
  ViewPrintRequest request;
  request.mode = system.ViewMode();
  request.pdfFile = viewPdf;
  ASSERT_TRUE(RunViewPrint(request, f.View()));
  EXPECT_EQ(FileStart(viewPdf, 5), "%PDF-");
}

TEST_F(AtlasDialogs, FolderZoomAndKeyDialogs) {
  RegistrySettings settings(f.store, &f.prompt);
  atlas::AtlasFolderModel folder(settings);
  CAtlasFolder folderDialog(folder, &f.shell);
  folderDialog.show();
  EXPECT_EQ(folderDialog.Folder()->text().toStdString(), atlasDir.Path());
  testing::SaveShot(folderDialog, "dialog_atlas_folder");
  folderDialog.Folder()->setText(QStringLiteral("/maps/atlas"));
  folderDialog.ApplyAndView()->click();
  EXPECT_TRUE(folder.applyAndView);
  folder.Ok();
  EXPECT_EQ(settings.ReadTextSetting("AtlasFolder"), "/maps/atlas");

  atlas::AtlasZoomModel zoom(settings);
  CAtlasZoom zoomDialog(zoom, &f.shell);
  zoomDialog.show();
  testing::SaveShot(zoomDialog, "dialog_atlas_zoom");
  zoomDialog.Level()->setText(QStringLiteral("-3"));
  zoomDialog.accept();
  EXPECT_EQ(settings.ReadNumberSetting("AtlasZoom"), 0u);

  std::vector<atlas::KeyRow> rows = atlas::TrekbuddyKeyRows();
  ASSERT_EQ(rows.size(), 8u);
  EXPECT_STREQ(rows.front().function, "Move to the bottom right of the map");
  EXPECT_STREQ(rows.back().function, "Page Down");
  CDlgTrekbuddyKeys keys(rows);
  keys.show();
  testing::SaveShot(keys, "dialog_trekbuddy_keys");
}

}  // namespace
}  // namespace rovex
