#pragma once

#include <QDialog>

#include "settings/shutdown_dialog_model.h"

class QListWidget;

// "Shutdown" (CShutdownDlg): the messages of the power-off so far, and the
// buttons that start or abort it.

namespace rovex {

class CShutdownDlg final : public QDialog {
  Q_OBJECT
 public:
  CShutdownDlg(ShutdownDialogModel& model, QWidget* parent = nullptr);
  QListWidget* Messages() const { return m_messages; }

 protected:
  // S alone starts the shutdown, as the dialog's first message says.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void StartShutdown();
  void Refill();

  ShutdownDialogModel& m_model;
  QListWidget* m_messages;
};

}  // namespace rovex
