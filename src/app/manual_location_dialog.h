#pragma once

#include <QDialog>

class QLineEdit;

// The "Manual Location" window on its rules (CDlgManualLocation): a latitude
// and a longitude edit, eight nudge buttons, two zoom buttons, OK and Cancel.

namespace rovex {

class CDlgManualLocation;

class CManualLocationDlg final : public QDialog {
  Q_OBJECT
 public:
  CManualLocationDlg(CDlgManualLocation& model, QWidget* parent = nullptr);

 private:
  void FromEdits();
  void ToEdits();
  void accept() override;

  CDlgManualLocation& m_model;
  QLineEdit* m_latitude;
  QLineEdit* m_longitude;
};

}  // namespace rovex
