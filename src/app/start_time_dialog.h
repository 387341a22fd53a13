#pragma once

#include <QDialog>

#include "settings/start_time_options_model.h"

class QCheckBox;
class QLineEdit;

// "Start Time Options" (CDlgStartTimeOptions): the two route start timers and
// the night-colours timer, each with its window and Enable box.

namespace rovex {

class CDlgStartTimeOptions final : public QDialog {
  Q_OBJECT
 public:
  CDlgStartTimeOptions(StartTimeOptionsModel& model, QWidget* parent = nullptr);
  void accept() override;

 private:
  struct Row {
    QLineEdit* start = nullptr;
    QLineEdit* end = nullptr;
    QLineEdit* file = nullptr;
    QCheckBox* enable = nullptr;
  };
  void Take();

  StartTimeOptionsModel& m_model;
  Row m_rows[3];  // route 1, route 2, night colours
};

}  // namespace rovex
