#pragma once

#include <QDialog>

#include "trackeditor/screen_refresh_model.h"

class QLineEdit;

namespace rovex {

// "Show Position Screen Refresh Rate".
class CDlgScreenRefresh final : public QDialog {
  Q_OBJECT
 public:
  CDlgScreenRefresh(trackeditor::ScreenRefreshModel& model, QWidget* parent = nullptr);
  void accept() override;
  QLineEdit* Rate() const { return m_rate; }

 private:
  trackeditor::ScreenRefreshModel& m_model;
  QLineEdit* m_rate;
};

}  // namespace rovex
