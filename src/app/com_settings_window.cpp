#include "app/com_settings_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"
#include "gps/com_settings_dlg.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {
namespace {

QComboBox* MakeCombo(QWidget* parent, const std::vector<std::string>& items, const std::string& current,
                     bool editable) {
  auto* combo = new QComboBox(parent);
  combo->setEditable(editable);
  // A typed value stays a value of this dialog; it never joins the list.
  combo->setInsertPolicy(QComboBox::NoInsert);
  for (const std::string& item : items) combo->addItem(FromSystemText(item));
  const QString text = FromSystemText(current);
  if (editable) {
    combo->setCurrentIndex(combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
    combo->setEditText(text);
  } else {
    combo->setCurrentIndex(current.empty() ? -1 : combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
  }
  return combo;
}

}  // namespace

ComSettingsWindow::ComSettingsWindow(CComSettingsDlg& model, QWidget* parent) : QDialog(parent), m_model(model) {
  setWindowTitle(QString::fromLatin1(CComSettingsDlg::kTitle));
  m_port = MakeCombo(this, m_model.m_portItems, m_model.m_port, true);
  m_speed = MakeCombo(this, m_model.m_speedItems, m_model.m_speed, true);
  m_parity = MakeCombo(this, m_model.m_parityItems, m_model.m_parity, true);
  m_dataBits = MakeCombo(this, m_model.m_dataBitsItems, m_model.m_dataBits, true);
  m_stopBits = MakeCombo(this, m_model.m_stopBitsItems, m_model.m_stopBits, true);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Com &Port"), m_port);
  form->addRow(QStringLiteral("&Speed"), m_speed);
  form->addRow(QStringLiteral("P&arity"), m_parity);
  form->addRow(QStringLiteral("&Data Bits"), m_dataBits);
  form->addRow(QStringLiteral("S&top Bits"), m_stopBits);
  m_anyTalker = new QCheckBox(QString::fromLatin1(CComSettingsDlg::kAnyTalkerLabel), this);
  m_anyTalker->setChecked(m_model.m_anyTalker);
  form->addRow(QString(), m_anyTalker);
  auto* note = new QLabel(QString::fromLatin1(CComSettingsDlg::kNote) + QLatin1Char('\n') +
                              QString::fromLatin1(CComSettingsDlg::kPortNote),
                          this);
  note->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(note);
  layout->addWidget(OkCancelButtons(this));
  setMinimumWidth(320);
}

void ComSettingsWindow::accept() {
  m_model.m_port = ToSystemText(m_port->currentText());
  m_model.m_speed = ToSystemText(m_speed->currentText());
  m_model.m_parity = ToSystemText(m_parity->currentText());
  m_model.m_dataBits = ToSystemText(m_dataBits->currentText());
  m_model.m_stopBits = ToSystemText(m_stopBits->currentText());
  m_model.m_anyTalker = m_anyTalker->isChecked();
  m_model.OnOK();
  QDialog::accept();
}

}  // namespace rovex
