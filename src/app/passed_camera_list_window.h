#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// "Create passed camera list": a log file and the nearest and farthest
// distances, Process to list the cameras the logged drive came near, and
// Copy to put the list on the clipboard. The rules are PassedCameraList's.

namespace rovex {

class CameraTableWidget;
class PassedCameraList;

class PassedCameraListWindow final : public QDialog {
  Q_OBJECT
 public:
  PassedCameraListWindow(PassedCameraList& model, QWidget* parent = nullptr);

  QLineEdit* LogFile() const { return m_logFile; }
  QLineEdit* Nearest() const { return m_nearest; }
  QLineEdit* Farthest() const { return m_farthest; }
  QPushButton* ProcessButton() const { return m_process; }
  QPushButton* CopyButton() const { return m_copy; }
  CameraTableWidget* Table() const { return m_table; }

 private:
  void TakeFields();
  void Process();

  PassedCameraList& m_model;
  QLineEdit* m_logFile;
  QLineEdit* m_nearest;
  QLineEdit* m_farthest;
  QPushButton* m_process;
  QPushButton* m_copy;
  CameraTableWidget* m_table;
};

}  // namespace rovex
