#include "app/view_printer.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <memory>

#include "app/rovex_view.h"
#include "qtplatform/qt_canvas.h"
#include "system/rovex_system.h"
#include "system/track_editor_feature.h"
#include "system/view_mode.h"
#include "views/track_editor_print.h"
#include "platform/user_prompt.h"

namespace rovex {
namespace {

// The page set-up chosen with "Print Setup", kept for the run.
QPrinter& SharedPrinter() {
  static std::unique_ptr<QPrinter> printer;
  if (!printer) {
    printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setResolution(300);
    printer->setPageOrientation(QPageLayout::Landscape);
  }
  return *printer;
}

// The track editor prints its own picture at the page's resolution.
void DrawTrackEditorPage(CROVEXView& view, QPainter& painter) {
  RovexSystem& system = view.System();
  trackeditor::TrackEditorSession& session = system.Get<TrackEditorFeature>().Session();
  track_editor_view::PrintFrame frame;
  frame.map = session.Map();
  frame.view = &session.View();
  frame.showRoadNames = system.View().flags.showRoadNames;
  frame.showRoadRef = system.View().flags.showRoadRef;
  frame.showIcons = system.View().flags.showIcons;
  frame.showNodeNames = system.View().flags.showNodeNames;
  const QRect page = painter.viewport();
  QtCanvas canvas(page.width(), page.height());
  track_editor_view::DrawPrintPicture(canvas, frame);
  painter.drawImage(QPoint(0, 0), canvas.Image());
}

}  // namespace

bool PrintViewPage(CROVEXView& view, QPrinter& printer) {
  if (view.System().ViewMode() == kTrackEditorMode) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    DrawTrackEditorPage(view, painter);
    painter.end();
    return true;
  }
  view.RunDrawingPass();
  const QImage& picture = view.Picture();
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRect page = painter.viewport();
  QSize fitted = picture.size().scaled(page.size(), Qt::KeepAspectRatio);
  painter.drawImage(QRect(QPoint(0, 0), fitted), picture);
  painter.end();
  return true;
}

bool RunViewPrint(const ViewPrintRequest& request, CROVEXView& view) {
  QPrinter& printer = SharedPrinter();
  printer.setDocName(QString::fromLatin1(PrintDocumentName(request.mode)));
  if (!request.pdfFile.empty()) {
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setResolution(300);
    pdf.setPageOrientation(QPageLayout::Landscape);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(QString::fromLocal8Bit(request.pdfFile.c_str()));
    pdf.setDocName(QString::fromLatin1(PrintDocumentName(request.mode)));
    return PrintViewPage(view, pdf);
  }
  switch (request.action) {
    case ViewPrintAction::Setup: {
      QPageSetupDialog dialog(&printer, &view);
      return dialog.exec() == QDialog::Accepted;
    }
    case ViewPrintAction::Preview: {
      QPrintPreviewDialog dialog(&printer, &view);
      QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &view,
                       [&view](QPrinter* p) { PrintViewPage(view, *p); });
      return dialog.exec() == QDialog::Accepted;
    }
    case ViewPrintAction::Print: break;
  }
  QPrintDialog dialog(&printer, &view);
  if (dialog.exec() != QDialog::Accepted) return false;
  if (!PrintViewPage(view, printer)) {
    if (UserPrompt* prompt = view.ViewServices().prompt) {
      prompt->MessageBox("Print error can't do a StartDoc", MsgIcon::Stop, MsgButtons::Ok);
    }
    return false;
  }
  return true;
}

}  // namespace rovex
