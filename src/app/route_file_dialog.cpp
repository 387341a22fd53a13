#include "app/route_file_dialog.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"

namespace rovex {

CDlg_Route_File::CDlg_Route_File(RouteFileDialogModel& model, QWidget* parent)
    : PathDialog(QString::fromLatin1(RouteFileDialogModel::kTitle), QStringLiteral("Route &file"), 298, model.path,
                 [&model] { model.Browse(); }, parent) {
  m_layout->addWidget(OkCancelButtons(this));
}

void CDlg_Route_File::accept() {
  StorePath();
  QDialog::accept();
}

}  // namespace rovex
