#include "app/screen_refresh_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {

CDlgScreenRefresh::CDlgScreenRefresh(trackeditor::ScreenRefreshModel& model, QWidget* parent)
    : QDialog(parent), m_model(model) {
  setWindowTitle(QString::fromLatin1(trackeditor::ScreenRefreshModel::kTitle));
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(QStringLiteral("Refresh rate (the serial speed value; at least 300):"), this);
  m_rate = new QLineEdit(FromSystemText(model.text), this);
  label->setBuddy(m_rate);
  layout->addWidget(label);
  layout->addWidget(m_rate);
  layout->addWidget(OkCancelButtons(this));
}

void CDlgScreenRefresh::accept() {
  m_model.text = ToSystemText(m_rate->text());
  QDialog::accept();
}

}  // namespace rovex
