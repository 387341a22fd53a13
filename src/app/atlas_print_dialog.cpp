#include "app/atlas_print_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <cmath>

#include "platform/user_prompt.h"
#include "qtplatform/qt_canvas.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {
namespace {

constexpr int kPrintDpi = 300;
const char* const kPdfEntry = "PDF file";

QPageSize PageOf(const atlas::AtlasPrintModel& model) {
  int width = 0, length = 0;
  model.PaperSize(&width, &length);
  return QPageSize(QSizeF(width / 10.0, length / 10.0), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
}

}  // namespace

void SetUpAtlasPrinter(const atlas::AtlasPrintModel& model, QPrinter& printer) {
  printer.setResolution(kPrintDpi);
  printer.setPageSize(PageOf(model));
  printer.setPageOrientation(model.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  printer.setFullPage(false);
  printer.setDocName(QStringLiteral("ROVEX Trekbuddy map"));
}

bool PrintAtlasPage(const atlas::AtlasPrintModel& model, QPrinter& printer, QProgressBar* progress) {
  const QRect clip = printer.pageLayout().paintRectPixels(printer.resolution());
  const atlas::PrintGeometry g = atlas::ComputePrintGeometry(clip.width(), clip.height(), printer.logicalDpiX(),
                                                             printer.logicalDpiY(), model.scale, model.topMargin,
                                                             model.leftMargin);
  if (g.width <= 0 || g.height <= 0) return false;
  QtCanvas picture(g.width, g.height);
  if (progress) progress->setRange(0, std::max(g.columns, 1));
  model.DrawPage(picture, g, [progress](int i, int) {
    if (progress) progress->setValue(i);
  });
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  painter.fillRect(QRect(0, 0, clip.width(), clip.height()), Qt::white);
  painter.drawImage(QPoint(3, 3), picture.Image(), QRect(1, 1, g.width - 1, g.height - 1));
  painter.end();
  return true;
}

CPrintDlg::CPrintDlg(atlas::AtlasPrintModel& model, UserPrompt* prompt, QWidget* parent)
    : QDialog(parent), m_model(model), m_prompt(prompt) {
  setWindowTitle(QStringLiteral("Print Trekbuddy map"));
  auto* grid = new QGridLayout(this);

  auto* left = new QVBoxLayout;
  m_printers = new QComboBox(this);
  for (const QString& name : QPrinterInfo::availablePrinterNames()) m_printers->addItem(name);
  m_printers->addItem(QString::fromLatin1(kPdfEntry));
  const QString defaultPrinter = QPrinterInfo::defaultPrinterName();
  m_printers->setCurrentIndex(defaultPrinter.isEmpty() ? m_printers->count() - 1 : m_printers->findText(defaultPrinter));
  left->addWidget(m_printers);
  auto* pdfRow = new QHBoxLayout;
  pdfRow->addWidget(new QLabel(QStringLiteral("PDF file"), this));
  m_pdfFile = new QLineEdit(QDir::home().filePath(QStringLiteral("trekbuddy-map.pdf")), this);
  pdfRow->addWidget(m_pdfFile, 1);
  left->addLayout(pdfRow);

  auto* orientation = new QGroupBox(QStringLiteral("Paper Orientation"), this);
  auto* ol = new QHBoxLayout(orientation);
  m_portrait = new QRadioButton(QStringLiteral("Portrait"), orientation);
  m_landscape = new QRadioButton(QStringLiteral("Landscape"), orientation);
  (model.landscape ? m_landscape : m_portrait)->setChecked(true);
  ol->addWidget(m_portrait);
  ol->addWidget(m_landscape);
  left->addWidget(orientation);

  auto* standard = new QGroupBox(QStringLiteral("Standard paper sizes"), this);
  auto* sl = new QVBoxLayout(standard);
  m_allPapers = new QRadioButton(QStringLiteral("All paper sizes"), standard);
  m_residentPapers = new QRadioButton(QStringLiteral("Printer resident paper sizes"), standard);
  m_residentPapers->setChecked(true);
  m_papers = new QComboBox(standard);
  m_size = new QLabel(standard);
  for (QWidget* w : {static_cast<QWidget*>(m_allPapers), static_cast<QWidget*>(m_residentPapers),
                     static_cast<QWidget*>(m_papers), static_cast<QWidget*>(m_size)}) {
    sl->addWidget(w);
  }
  left->addWidget(standard);

  auto* custom = new QGroupBox(QStringLiteral("Custom paper size width and height in mm"), this);
  auto* cl = new QHBoxLayout(custom);
  m_custom = new QCheckBox(QStringLiteral("Custom paper size"), custom);
  m_customWidth = new QLineEdit(QString::number(model.customWidthMm), custom);
  m_customHeight = new QLineEdit(QString::number(model.customHeightMm), custom);
  auto* customApply = new QPushButton(QStringLiteral("Apply"), custom);
  customApply->setAutoDefault(false);
  for (QWidget* w : {static_cast<QWidget*>(m_custom), static_cast<QWidget*>(m_customWidth),
                     static_cast<QWidget*>(m_customHeight), static_cast<QWidget*>(customApply)}) {
    cl->addWidget(w);
  }
  left->addWidget(custom);

  auto* scaling = new QGroupBox(QStringLiteral("Scaling"), this);
  auto* scl = new QGridLayout(scaling);
  m_slider = new QSlider(Qt::Horizontal, scaling);
  m_slider->setRange(1, 20);
  m_slider->setValue(model.scale);
  m_slider->setTickInterval(4);
  m_slider->setTickPosition(QSlider::TicksBelow);
  scl->addWidget(m_slider, 0, 0, 1, 3);
  scl->addWidget(new QLabel(QStringLiteral("Drawing dimensions"), scaling), 1, 0);
  m_dimensions = new QLineEdit(QString::number(model.scale), scaling);
  scl->addWidget(m_dimensions, 1, 1);
  auto* dimensionsApply = new QPushButton(QStringLiteral("Apply"), scaling);
  dimensionsApply->setAutoDefault(false);
  scl->addWidget(dimensionsApply, 1, 2);
  scl->addWidget(new QLabel(QStringLiteral("Top margin"), scaling), 2, 0);
  m_top = new QLineEdit(QStringLiteral("0"), scaling);
  scl->addWidget(m_top, 2, 1);
  scl->addWidget(new QLabel(QStringLiteral("Left margin"), scaling), 3, 0);
  m_left = new QLineEdit(QStringLiteral("0"), scaling);
  scl->addWidget(m_left, 3, 1);
  left->addWidget(scaling);
  grid->addLayout(left, 0, 0);

  m_preview = new QLabel(this);
  m_preview->setFixedSize(360, 360);
  m_preview->setFrameShape(QFrame::Box);
  m_preview->setAlignment(Qt::AlignCenter);
  grid->addWidget(m_preview, 0, 1);

  m_progress = new QProgressBar(this);
  m_progress->setRange(0, 100);
  m_progress->setValue(0);
  grid->addWidget(m_progress, 1, 0, 1, 2);
  auto* buttons = new QHBoxLayout;
  auto* print = new QPushButton(QStringLiteral("Print"), this);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  print->setAutoDefault(false);
  buttons->addStretch(1);
  for (QPushButton* b : {print, ok, cancel}) buttons->addWidget(b);
  grid->addLayout(buttons, 2, 0, 1, 2);

  connect(print, &QPushButton::clicked, this, [this] { Print(); });
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(m_printers, &QComboBox::currentIndexChanged, this, [this] { FillPapers(); });
  connect(m_allPapers, &QRadioButton::toggled, this, [this] { FillPapers(); });
  connect(m_papers, &QComboBox::currentIndexChanged, this, [this] {
    const int row = m_papers->currentData().toInt();
    m_size->setText(QString::fromLatin1(atlas::PaperSizeText(row).c_str()));
    if (row > 0) m_model.paperRow = row;
    RedrawPreview();
  });
  auto customChosen = [this] {
    m_allPapers->setAutoExclusive(false);
    m_residentPapers->setAutoExclusive(false);
    m_allPapers->setChecked(false);
    m_residentPapers->setChecked(false);
    m_allPapers->setAutoExclusive(true);
    m_residentPapers->setAutoExclusive(true);
    TakeControls();
    RedrawPreview();
  };
  connect(m_custom, &QCheckBox::toggled, this, [this, customChosen](bool on) {
    if (on) customChosen();
    else {
      m_residentPapers->setChecked(true);
      TakeControls();
      RedrawPreview();
    }
  });
  connect(customApply, &QPushButton::clicked, this, [this, customChosen] {
    m_custom->setChecked(true);
    customChosen();
  });
  connect(m_slider, &QSlider::valueChanged, this, [this](int value) {
    m_dimensions->setText(QString::number(value));
    m_model.scale = value;
    RedrawPreview();
  });
  connect(dimensionsApply, &QPushButton::clicked, this, [this] {
    m_model.ApplyDrawingDimensions(m_dimensions->text().toLong());
    m_slider->setValue(m_model.scale);
    m_dimensions->setText(QString::number(m_model.scale));
    TakeControls();
    RedrawPreview();
  });
  for (QRadioButton* r : {m_portrait, m_landscape}) {
    connect(r, &QRadioButton::toggled, this, [this] {
      TakeControls();
      RedrawPreview();
    });
  }
  for (QLineEdit* e : {m_top, m_left}) {
    connect(e, &QLineEdit::editingFinished, this, [this] {
      TakeControls();
      RedrawPreview();
    });
  }
  FillPapers();
  RedrawPreview();
}

void CPrintDlg::FillPapers() {
  const QSignalBlocker block(m_papers);
  m_papers->clear();
  const auto& table = atlas::PaperTable();
  QList<QPageSize> supported;
  const QString printer = m_printers->currentText();
  if (!m_allPapers->isChecked() && printer != QString::fromLatin1(kPdfEntry)) {
    supported = QPrinterInfo::printerInfo(printer).supportedPageSizes();
  }
  for (int row = 1; row <= static_cast<int>(table.size()); ++row) {
    bool offered = m_allPapers->isChecked() || supported.isEmpty();
    if (!offered && atlas::PaperCodeOfRow(row) != 0) {
      const QSizeF mm(table[row - 1].width / 10.0, table[row - 1].length / 10.0);
      for (const QPageSize& s : supported) {
        const QSizeF have = s.size(QPageSize::Millimeter);
        if (std::abs(have.width() - mm.width()) < 1.5 && std::abs(have.height() - mm.height()) < 1.5) offered = true;
      }
    }
    if (offered) m_papers->addItem(QString::fromLatin1(table[row - 1].name), row);
  }
  const int current = m_papers->findData(m_model.paperRow);
  m_papers->setCurrentIndex(current >= 0 ? current : 0);
  m_size->setText(QString::fromLatin1(atlas::PaperSizeText(m_papers->currentData().toInt()).c_str()));
}

void CPrintDlg::TakeControls() {
  m_model.landscape = m_landscape->isChecked();
  m_model.customPaper = m_custom->isChecked();
  m_model.customWidthMm = m_customWidth->text().toInt();
  m_model.customHeightMm = m_customHeight->text().toInt();
  m_model.topMargin = m_top->text().toInt();
  m_model.leftMargin = m_left->text().toInt();
  m_model.scale = m_slider->value();
}

void CPrintDlg::RedrawPreview() {
  // The page as the printer lays it out, at 300 dpi, then reduced into the frame.
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  SetUpAtlasPrinter(m_model, printer);
  const QRect clip = printer.pageLayout().paintRectPixels(printer.resolution());
  const QRect full = printer.pageLayout().fullRectPixels(printer.resolution());
  atlas::PrintGeometry g = atlas::ComputePrintGeometry(clip.width(), clip.height(), kPrintDpi, kPrintDpi,
                                                       m_model.scale, m_model.topMargin, m_model.leftMargin);
  QImage page(m_preview->size() - QSize(8, 8), QImage::Format_RGB32);
  page.fill(QColor(200, 200, 200));
  if (full.width() <= 0 || full.height() <= 0 || g.width <= 0) {
    m_preview->setPixmap(QPixmap::fromImage(page));
    return;
  }
  const double k = std::min(static_cast<double>(page.width()) / full.width(),
                            static_cast<double>(page.height()) / full.height());
  atlas::PrintGeometry small = g;
  small.width = static_cast<int>(g.width * k);
  small.height = static_cast<int>(g.height * k);
  small.tileWidth = g.tileWidth * k;
  small.tileHeight = g.tileHeight * k;
  small.top = static_cast<int>(g.top * k);
  small.left = static_cast<int>(g.left * k);
  QtCanvas picture(std::max(small.width, 1), std::max(small.height, 1));
  m_model.DrawPage(picture, small);
  QPainter p(&page);
  const QRect paper(0, 0, static_cast<int>(full.width() * k), static_cast<int>(full.height() * k));
  p.fillRect(paper, Qt::white);
  p.setPen(Qt::black);
  p.drawRect(paper.adjusted(0, 0, -1, -1));
  p.drawImage(QPoint(static_cast<int>((clip.x() - full.x() + 3) * k), static_cast<int>((clip.y() - full.y() + 3) * k)),
              picture.Image());
  p.end();
  m_preview->setPixmap(QPixmap::fromImage(page));
}

bool CPrintDlg::Print() {
  TakeControls();
  QPrinter printer(QPrinter::HighResolution);
  const QString name = m_printers->currentText();
  if (name == QString::fromLatin1(kPdfEntry)) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_pdfFile->text());
  } else {
    printer.setPrinterName(name);
  }
  SetUpAtlasPrinter(m_model, printer);
  const bool printed = PrintAtlasPage(m_model, printer, m_progress);
  if (!printed && m_prompt) {
    m_prompt->MessageBox("The page could not be printed on " + ToSystemText(name), MsgIcon::Stop, MsgButtons::Ok);
  }
  return printed;
}

}  // namespace rovex
