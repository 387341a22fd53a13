#include "app/distance_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"
#include "nmea/c_number.h"
#include "gps/dlg_distance.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {

CDistanceDlg::CDistanceDlg(CDlgDistance& model, QWidget* parent) : QDialog(parent), m_model(model) {
  setWindowTitle(QStringLiteral("Distance to a location"));
  auto* grid = new QGridLayout;
  const char* labels[5] = {"&Latitude 1", "L&ongitude 1", "La&titude 2", "Lo&ngitude 2", "&Distance"};
  std::string* fields[5] = {&m_model.m_latitude1, &m_model.m_longitude1, &m_model.m_latitude2, &m_model.m_longitude2,
                            &m_model.m_result};
  for (int i = 0; i < 5; ++i) {
    m_edits[i] = new QLineEdit(FromSystemText(*fields[i]), this);
    m_edits[i]->setObjectName(QStringLiteral("edit%1").arg(i));
    auto* label = new QLabel(QString::fromLatin1(labels[i]), this);
    label->setBuddy(m_edits[i]);
    grid->addWidget(label, i, 0);
    grid->addWidget(m_edits[i], i, 1);
  }
  m_edits[4]->setReadOnly(true);
  auto* calculate = new QPushButton(QStringLiteral("&Calculate"), this);
  connect(calculate, &QPushButton::clicked, this, &CDistanceDlg::Calculate);
  QDialogButtonBox* buttons = OkButton(this);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(calculate);
  layout->addWidget(buttons);
}

void CDistanceDlg::Calculate() {
  m_model.m_latitude1 = ToSystemText(m_edits[0]->text());
  m_model.m_longitude1 = ToSystemText(m_edits[1]->text());
  m_model.m_latitude2 = ToSystemText(m_edits[2]->text());
  m_model.m_longitude2 = ToSystemText(m_edits[3]->text());
  m_model.OnCalculate();
  m_edits[4]->setText(FromSystemText(m_model.m_result));
}

}  // namespace rovex
