#pragma once

#include <QDialog>

#include "settings/auto_start_model.h"

class QCheckBox;

// "Auto start options" (CDlg_Autostart): five check boxes for what starts
// with ROVEX, and one for starting ROVEX with the desktop session. OK hands the ticks
// to the values; the caller stores them.

namespace rovex {

class CDlg_Autostart final : public QDialog {
  Q_OBJECT
 public:
  CDlg_Autostart(AutoStartModel::Values& values, QWidget* parent = nullptr);
  void accept() override;
  QCheckBox* Gps() const { return m_boxes[0]; }
  QCheckBox* Session() const { return m_boxes[5]; }

 private:
  AutoStartModel::Values& m_values;
  QCheckBox* m_boxes[6];
};

}  // namespace rovex
