#include "app/trail_file_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {

CDlgTrailFile::CDlgTrailFile(TrailFileDialogModel& model, QWidget* parent) : QDialog(parent), m_model(model) {
  setWindowTitle(QString::fromLatin1(TrailFileDialogModel::kTitle));
  auto* layout = new QVBoxLayout(this);
  auto* note = new QLabel(QString::fromLatin1(TrailFileDialogModel::kNote), this);
  auto* row = new QHBoxLayout;
  m_path = new QLineEdit(FromSystemText(model.path), this);
  m_path->setMaxLength(static_cast<int>(TrailFileDialogModel::kFieldLimit));
  note->setBuddy(m_path);
  m_browse = new QPushButton(QStringLiteral("&Browse..."), this);
  m_browse->setAutoDefault(false);
  connect(m_browse, &QPushButton::clicked, this, [this] {
    m_model.path = ToSystemText(m_path->text());
    m_model.Browse();
    m_path->setText(FromSystemText(m_model.path));
  });
  row->addWidget(m_path, 1);
  row->addWidget(m_browse);
  m_applyAndLoad = new QPushButton(QString::fromLatin1(TrailFileDialogModel::kApplyAndLoad), this);
  m_applyAndLoad->setAutoDefault(false);
  connect(m_applyAndLoad, &QPushButton::clicked, this, [this] {
    m_model.loadNow = true;
    accept();
  });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(m_applyAndLoad);
  buttons->addStretch(1);
  buttons->addWidget(OkCancelButtons(this));
  layout->addWidget(note);
  layout->addLayout(row);
  layout->addLayout(buttons);
  setMinimumWidth(520);
}

void CDlgTrailFile::accept() {
  m_model.path = ToSystemText(m_path->text());
  QDialog::accept();
}

}  // namespace rovex
