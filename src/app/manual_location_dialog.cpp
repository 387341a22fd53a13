#include "app/manual_location_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "qtplatform/qt_user_prompt.h"
#include "gps/dlg_manual_location.h"

namespace rovex {

CManualLocationDlg::CManualLocationDlg(CDlgManualLocation& model, QWidget* parent)
    : QDialog(parent), m_model(model) {
  setWindowTitle(QStringLiteral("Manual Location"));
  auto* grid = new QGridLayout;
  m_latitude = new QLineEdit(this);
  m_longitude = new QLineEdit(this);
  m_latitude->setObjectName(QStringLiteral("latitude"));
  m_longitude->setObjectName(QStringLiteral("longitude"));
  grid->addWidget(new QLabel(QStringLiteral("Latitude"), this), 0, 0);
  grid->addWidget(m_latitude, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("Longitude"), this), 1, 0);
  grid->addWidget(m_longitude, 1, 1);
  const char* labels[4] = {"+0.1", "-0.1", "+0.01", "-0.01"};
  for (int i = 0; i < 4; ++i) {
    const double step = CDlgManualLocation::kSteps[i];
    auto* lat = new QPushButton(QString::fromLatin1(labels[i]), this);
    lat->setObjectName(QStringLiteral("latitude%1").arg(i));
    connect(lat, &QPushButton::clicked, this, [this, step] {
      FromEdits();
      m_model.NudgeLatitude(step);
      ToEdits();
    });
    grid->addWidget(lat, 0, 2 + i);
    auto* lon = new QPushButton(QString::fromLatin1(labels[i]), this);
    lon->setObjectName(QStringLiteral("longitude%1").arg(i));
    connect(lon, &QPushButton::clicked, this, [this, step] {
      FromEdits();
      m_model.NudgeLongitude(step);
      ToEdits();
    });
    grid->addWidget(lon, 1, 2 + i);
  }
  auto* zoomOut = new QPushButton(QStringLiteral("Zoom out"), this);
  auto* zoomIn = new QPushButton(QStringLiteral("Zoom in"), this);
  zoomOut->setObjectName(QStringLiteral("zoomOut"));
  zoomIn->setObjectName(QStringLiteral("zoomIn"));
  connect(zoomOut, &QPushButton::clicked, this, [this] { m_model.ZoomOut(); });
  connect(zoomIn, &QPushButton::clicked, this, [this] { m_model.ZoomIn(); });
  grid->addWidget(zoomOut, 2, 2, 1, 2);
  grid->addWidget(zoomIn, 2, 4, 1, 2);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &CManualLocationDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons);
  ToEdits();
}

void CManualLocationDlg::FromEdits() {
  m_model.m_latitude = ToSystemText(m_latitude->text());
  m_model.m_longitude = ToSystemText(m_longitude->text());
}

void CManualLocationDlg::ToEdits() {
  m_latitude->setText(FromSystemText(m_model.m_latitude));
  m_longitude->setText(FromSystemText(m_model.m_longitude));
}

void CManualLocationDlg::accept() {
  FromEdits();
  m_model.OnOK();
  QDialog::accept();
}

}  // namespace rovex
