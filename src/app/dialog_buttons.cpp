#include "app/dialog_buttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "qtplatform/qt_user_prompt.h"

namespace rovex {

QDialogButtonBox* OkCancelButtons(QDialog* dialog) {
  auto* box = OkButton(dialog);
  box->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
  QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return box;
}

QDialogButtonBox* OkButton(QDialog* dialog) {
  auto* box = new QDialogButtonBox(dialog);
  QPushButton* ok = box->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
  ok->setDefault(true);
  QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  return box;
}

QHBoxLayout* ActionsThenOk(QDialog* dialog, const std::vector<QPushButton*>& actions) {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  for (QPushButton* b : actions) {
    b->setAutoDefault(false);
    row->addWidget(b);
  }
  row->addWidget(OkButton(dialog));
  return row;
}

void AddHint(QBoxLayout* layout, const char* text, QWidget* parent) {
  auto* label = new QLabel(FromSystemText(text), parent);
  label->setWordWrap(true);
  layout->addWidget(label);
}

}  // namespace rovex
