#pragma once

#include <QDialog>

class QLineEdit;

// The "Replay log file" window on its rules (CDlgReplay): the log file with
// Browse, the delay per line, OK and Cancel.

namespace rovex {

class CDlgReplay;

class CReplayDlg final : public QDialog {
  Q_OBJECT
 public:
  CReplayDlg(CDlgReplay& model, QWidget* parent = nullptr);

 private:
  void accept() override;

  CDlgReplay& m_model;
  QLineEdit* m_file;
  QLineEdit* m_delay;
};

}  // namespace rovex
