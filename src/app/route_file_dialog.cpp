#include "app/route_file_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {

CDlg_Route_File::CDlg_Route_File(RouteFileDialogModel& model, QWidget* parent) : QDialog(parent), m_model(model) {
  setWindowTitle(QString::fromLatin1(RouteFileDialogModel::kTitle));
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(QStringLiteral("Route &file"), this);
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

void CDlg_Route_File::accept() {
  m_model.path = ToSystemText(m_path->text());
  QDialog::accept();
}

}  // namespace rovex
