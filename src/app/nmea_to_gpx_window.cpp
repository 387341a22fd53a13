#include "app/nmea_to_gpx_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <iterator>

#include "app/conversion_progress.h"
#include "app/dialog_buttons.h"
#include "app/file_box.h"
#include "converters/nmea_gpx_dialog.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {

using converters::NmeaToGpxDialog;

namespace {

// The file choosers take the extension alone ("gpx" of "gpx,*.*").
std::string ExtensionOf(const char* defaultExtension) {
  std::string e = defaultExtension;
  return e.substr(0, e.find(','));
}

}  // namespace

CDialogNMEAToGPX::CDialogNMEAToGPX(NmeaToGpxDialog& model, UserPrompt& prompt, Clipboard& clipboard,
                                   QWidget* parent)
    : QDialog(parent), m_model(model), m_prompt(prompt), m_clipboard(clipboard) {
  setWindowTitle(QStringLiteral("NMEA log to GPX track or route file"));
  auto* layout = new QVBoxLayout(this);

  m_log = new FileBox(
      QStringLiteral("&NMEA log file"), QStringLiteral("&Browse..."),
      [this](const std::string&) {
        return m_prompt.OpenFile("Open", NmeaToGpxDialog::kLogFilter, m_model.logBrowseFolder);
      },
      this);
  m_log->SetText(m_model.logPath);
  layout->addWidget(m_log);

  auto* filters = new QGroupBox(QStringLiteral("Keep a position when"), this);
  auto* grid = new QGridLayout(filters);
  m_distanceOn = new QCheckBox(QStringLiteral("&Distance from the last kept one is over (metres)"), filters);
  m_distance = new QLineEdit(FromSystemText(m_model.distanceText), filters);
  m_courseOn = new QCheckBox(QStringLiteral("Co&urse has changed by more than (degrees)"), filters);
  m_course = new QLineEdit(FromSystemText(m_model.courseText), filters);
  m_distanceOn->setChecked(m_model.distanceOn);
  m_courseOn->setChecked(m_model.courseOn);
  for (QLineEdit* e : {m_distance, m_course}) e->setMaximumWidth(80);
  grid->addWidget(m_distanceOn, 0, 0);
  grid->addWidget(m_distance, 0, 1);
  grid->addWidget(m_courseOn, 1, 0);
  grid->addWidget(m_course, 1, 1);
  grid->setColumnStretch(2, 1);
  layout->addWidget(filters);

  m_output = new FileBox(
      QStringLiteral("&GPX output file"), QStringLiteral("Bro&wse..."),
      [this](const std::string&) {
        return m_prompt.ChooseOutputFile("Open", NmeaToGpxDialog::kOutputFilter, m_model.outputBrowseFolder,
                                         ExtensionOf(NmeaToGpxDialog::kOutputExtension));
      },
      this);
  m_output->SetText(m_model.outputPath);
  layout->addWidget(m_output);

  m_points = new QTreeWidget(this);
  m_points->setRootIsDecorated(false);
  m_points->setColumnCount(static_cast<int>(std::size(NmeaToGpxDialog::kColumns)));
  QStringList titles;
  for (const auto& column : NmeaToGpxDialog::kColumns) titles << QString::fromLatin1(column.title);
  m_points->setHeaderLabels(titles);
  int width = 0;
  for (int i = 0; i < m_points->columnCount(); ++i) {
    m_points->header()->resizeSection(i, NmeaToGpxDialog::kColumns[i].width);
    width += NmeaToGpxDialog::kColumns[i].width;
  }
  layout->addWidget(m_points, 1);

  m_makeTrack = new QPushButton(QStringLiteral("Make &track"), this);
  m_makeRoute = new QPushButton(QStringLiteral("Make &route"), this);
  m_copy = new QPushButton(QStringLiteral("Co&py to clipboard"), this);
  layout->addLayout(ActionsThenOk(this, {m_makeTrack, m_makeRoute, m_copy}));

  connect(m_makeTrack, &QPushButton::clicked, this, [this] { Make(true); });
  connect(m_makeRoute, &QPushButton::clicked, this, [this] { Make(false); });
  connect(m_copy, &QPushButton::clicked, this, [this] {
    TakeValues();
    m_model.CopyToClipboard(m_prompt, m_clipboard);
  });
  resize(width + 40, 520);
}

void CDialogNMEAToGPX::TakeValues() {
  m_model.logPath = m_log->Text();
  m_model.outputPath = m_output->Text();
  m_model.distanceOn = m_distanceOn->isChecked();
  m_model.distanceText = ToSystemText(m_distance->text());
  m_model.courseOn = m_courseOn->isChecked();
  m_model.courseText = ToSystemText(m_course->text());
}

void CDialogNMEAToGPX::ShowPoints() {
  m_points->clear();
  QList<QTreeWidgetItem*> items;
  for (const converters::NmeaPointRow& row : m_model.rows) {
    items << new QTreeWidgetItem(QStringList{FromSystemText(row.latitude), FromSystemText(row.longitude),
                                             FromSystemText(row.time), FromSystemText(row.elevation),
                                             FromSystemText(row.course), FromSystemText(row.rowCount)});
  }
  m_points->addTopLevelItems(items);
}

void CDialogNMEAToGPX::Make(bool track) {
  TakeValues();
  {
    ConversionProgress progress(this);
    if (track) {
      m_model.MakeTrack(m_prompt, progress.Function());
    } else {
      m_model.MakeRoute(m_prompt, progress.Function());
    }
  }
  // The list keeps what was made, also after a failure.
  ShowPoints();
}

}  // namespace rovex
