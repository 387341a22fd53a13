#include "app/trail_file_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"

namespace rovex {

CDlgTrailFile::CDlgTrailFile(TrailFileDialogModel& model, QWidget* parent)
    : PathDialog(QString::fromLatin1(TrailFileDialogModel::kTitle), QString::fromLatin1(TrailFileDialogModel::kNote),
                 static_cast<int>(TrailFileDialogModel::kFieldLimit), model.path, [&model] { model.Browse(); },
                 parent),
      m_model(model) {
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
  m_layout->addLayout(buttons);
}

void CDlgTrailFile::accept() {
  StorePath();
  QDialog::accept();
}

}  // namespace rovex
