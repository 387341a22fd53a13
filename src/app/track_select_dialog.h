#pragma once

#include <QDialog>

#include "trackeditor/track_select_model.h"

class QLineEdit;
class QPushButton;

namespace rovex {

class TrackRowsWidget;

// "Select track to edit - ...".
class CDialog_TrackSelect final : public QDialog {
  Q_OBJECT
 public:
  CDialog_TrackSelect(trackeditor::TrackSelectModel& model, QWidget* parent = nullptr);
  TrackRowsWidget* List() const { return m_list; }
  QPushButton* SelectButton() const { return m_select; }
  QLineEdit* Description() const { return m_description; }
  QLineEdit* Path() const { return m_path; }

 private:
  trackeditor::TrackSelectModel& m_model;
  TrackRowsWidget* m_list;
  QPushButton* m_select;
  QLineEdit* m_description;
  QLineEdit* m_path;
};

}  // namespace rovex
