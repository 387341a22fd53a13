#include "app/load_trail_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {

CDLG_LOADGPXTRAIL::CDLG_LOADGPXTRAIL(LoadTrailDialogModel& model, QWidget* parent) : QDialog(parent), m_model(model) {
  setWindowTitle(QString::fromLatin1(LoadTrailDialogModel::kTitle));
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(QString::fromLatin1(LoadTrailDialogModel::kFieldLabel), this);
  auto* row = new QHBoxLayout;
  m_path = new QLineEdit(FromSystemText(model.path), this);
  m_path->setMaxLength(298);
  label->setBuddy(m_path);
  m_browse = new QPushButton(QStringLiteral("&Browse..."), this);
  m_browse->setAutoDefault(false);
  connect(m_browse, &QPushButton::clicked, this, [this] {
    m_model.path = ToSystemText(m_path->text());
    m_model.Browse();
    m_path->setText(FromSystemText(m_model.path));
  });
  row->addWidget(m_path, 1);
  row->addWidget(m_browse);
  layout->addWidget(label);
  layout->addLayout(row);
  layout->addWidget(OkCancelButtons(this));
  setMinimumWidth(520);
}

void CDLG_LOADGPXTRAIL::accept() {
  m_model.path = ToSystemText(m_path->text());
  if (m_model.Ok()) QDialog::accept();
}

}  // namespace rovex
