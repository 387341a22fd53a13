#include "app/auto_start_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"

namespace rovex {

CDlg_Autostart::CDlg_Autostart(AutoStartModel::Values& values, QWidget* parent) : QDialog(parent), m_values(values) {
  setWindowTitle(QString::fromLatin1(AutoStartModel::kTitle));
  auto* layout = new QVBoxLayout(this);
  const char* texts[] = {"&GPS communications", "&Size window", "&NMEA log",
                         "&Load route",          "Load Trail",   AutoStartModel::kSessionLabel};
  const bool ticks[] = {values.gps, values.size, values.log, values.route, values.trail, values.session};
  for (int i = 0; i < 6; ++i) {
    m_boxes[i] = new QCheckBox(QString::fromLatin1(texts[i]), this);
    m_boxes[i]->setChecked(ticks[i]);
    layout->addWidget(m_boxes[i]);
  }
  layout->addWidget(OkCancelButtons(this));
}

void CDlg_Autostart::accept() {
  bool* fields[] = {&m_values.gps,   &m_values.size,  &m_values.log,
                    &m_values.route, &m_values.trail, &m_values.session};
  for (int i = 0; i < 6; ++i) *fields[i] = m_boxes[i]->isChecked();
  QDialog::accept();
}

}  // namespace rovex
