#include "app/shutdown_window.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace rovex {

CShutdownDlg::CShutdownDlg(ShutdownDialogModel& model, QWidget* parent) : QDialog(parent), m_model(model) {
  setWindowTitle(QString::fromLatin1(ShutdownDialogModel::kTitle));
  auto* layout = new QVBoxLayout(this);
  m_messages = new QListWidget(this);
  layout->addWidget(m_messages);
  auto* note = new QLabel(QString::fromLatin1(ShutdownDialogModel::kNote), this);
  note->setWordWrap(true);
  layout->addWidget(note);
  auto* row = new QHBoxLayout;
  auto* start = new QPushButton(QStringLiteral("&Start Shutdown"), this);
  auto* abort = new QPushButton(QStringLiteral("&Abort Shutdown"), this);
  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  for (QPushButton* b : {start, abort, cancel}) b->setAutoDefault(false);
  ok->setDefault(true);
  for (QPushButton* b : {start, abort, ok, cancel}) row->addWidget(b);
  layout->addLayout(row);
  connect(start, &QPushButton::clicked, this, &CShutdownDlg::StartShutdown);
  connect(abort, &QPushButton::clicked, this, [this] {
    m_model.AbortShutdown();
    Refill();
  });
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  Refill();
  resize(420, 280);
}

void CShutdownDlg::StartShutdown() {
  m_model.StartShutdown();
  Refill();
}

void CShutdownDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_S && event->modifiers() == Qt::NoModifier) {
    StartShutdown();
    return;
  }
  QDialog::keyPressEvent(event);
}

void CShutdownDlg::Refill() {
  m_messages->clear();
  for (const std::string& m : m_model.Messages()) m_messages->addItem(QString::fromStdString(m));
}

}  // namespace rovex
