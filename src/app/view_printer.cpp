#include "app/view_printer.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <memory>

#include "app/rovex_view.h"
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

}  // namespace

bool PrintViewPage(CROVEXView& view, QPrinter& printer) {
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
