#include "app/load_trail_dialog.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"

namespace rovex {

CDLG_LOADGPXTRAIL::CDLG_LOADGPXTRAIL(LoadTrailDialogModel& model, QWidget* parent)
    : PathDialog(QString::fromLatin1(LoadTrailDialogModel::kTitle),
                 QString::fromLatin1(LoadTrailDialogModel::kFieldLabel), 298, model.path, [&model] { model.Browse(); },
                 parent),
      m_model(model) {
  m_layout->addWidget(OkCancelButtons(this));
}

void CDLG_LOADGPXTRAIL::accept() {
  StorePath();
  if (m_model.Ok()) QDialog::accept();
}

}  // namespace rovex
