#include "app/shutdown_options_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"

namespace rovex {

CDlgShutdownOptions::CDlgShutdownOptions(ShutdownOptionsModel::Values& values, QWidget* parent)
    : QDialog(parent), m_values(values) {
  setWindowTitle(QString::fromLatin1(ShutdownOptionsModel::kTitle));
  auto* layout = new QVBoxLayout(this);
  auto paragraph = [this, layout](const char* text) {
    auto* label = new QLabel(QString::fromLatin1(text), this);
    label->setWordWrap(true);
    layout->addWidget(label);
  };
  paragraph(
      "The k key is used to do a fast shutdown of the ROVEX program and the computer.\nOpen programs are terminated "
      "immediately without saving.");
  auto* form = new QFormLayout;
  m_seconds = new QLineEdit(QString::fromStdString(values.seconds), this);
  m_seconds->setMaxLength(300);
  m_seconds->setMaximumWidth(80);
  form->addRow(QStringLiteral("Shutdown delay in seconds"), m_seconds);
  layout->addLayout(form);
  paragraph("A short delay is of about five seconds gives the user the option of aborting the shutdown.");
  m_kKey = new QCheckBox(QStringLiteral("Enable the k key for shutdown."), this);
  m_kKey->setChecked(values.kKeyShutdown);
  layout->addWidget(m_kKey);
  paragraph(
      "If you are not going to use the k key for shutdown you might prefer to disable it to prevent accidental "
      "use.  The shutdown dialog will still appear allowing you to manually continue the shutdown.");
  layout->addWidget(OkCancelButtons(this));
  resize(560, layout->totalHeightForWidth(560));
}

void CDlgShutdownOptions::accept() {
  m_values.seconds = m_seconds->text().toStdString();
  m_values.kKeyShutdown = m_kKey->isChecked();
  QDialog::accept();
}

}  // namespace rovex
