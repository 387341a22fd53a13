#pragma once

#include <QDialog>

#include "settings/shutdown_options_model.h"

class QCheckBox;
class QLineEdit;

// "Shutdown Options" (CDlgShutdownOptions): the delay and the k key.

namespace rovex {

class CDlgShutdownOptions final : public QDialog {
  Q_OBJECT
 public:
  CDlgShutdownOptions(ShutdownOptionsModel::Values& values, QWidget* parent = nullptr);
  void accept() override;
  QLineEdit* Seconds() const { return m_seconds; }

 private:
  ShutdownOptionsModel::Values& m_values;
  QLineEdit* m_seconds;
  QCheckBox* m_kKey;
};

}  // namespace rovex
