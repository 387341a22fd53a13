#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// The "Send log" window on its rules (CDlg_Send_Log): the file, the loop
// count and the lines sent, which the sending thread updates through calls
// posted to this thread, and the buttons that start, stop, pause and step it.

namespace rovex {

class CDlg_Send_Log;

class SendLogWindow final : public QDialog {
  Q_OBJECT
 public:
  SendLogWindow(CDlg_Send_Log& model, QWidget* parent = nullptr);
  ~SendLogWindow() override;

  QLineEdit* FileName() const { return m_file; }
  QLineEdit* LoopCount() const { return m_loopCount; }
  QLineEdit* LinesSent() const { return m_linesSent; }
  QCheckBox* OneSecond() const { return m_oneSecond; }
  QPushButton* Button(const QString& text) const;

  // OK (Enter) and Cancel (Esc) both close the port before the window closes.
  void accept() override;
  void reject() override;

 private:
  void ShowFields();

  CDlg_Send_Log& m_model;
  QLineEdit* m_file;
  QLineEdit* m_loopCount;
  QLineEdit* m_linesSent;
  QCheckBox* m_oneSecond;
};

}  // namespace rovex
