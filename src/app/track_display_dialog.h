#pragma once

#include <QDialog>

#include "trackeditor/track_display_model.h"

class QPushButton;

namespace rovex {

class TrackRowsWidget;

// "Select track(s) to display - ...".
class CDialogTrackDisplay final : public QDialog {
  Q_OBJECT
 public:
  CDialogTrackDisplay(trackeditor::TrackDisplayModel& model, QWidget* parent = nullptr);
  TrackRowsWidget* List() const { return m_list; }
  QPushButton* AllButton() const { return m_all; }
  QPushButton* NoneButton() const { return m_none; }
  QPushButton* ApplyButton() const { return m_apply; }

 private:
  trackeditor::TrackDisplayModel& m_model;
  TrackRowsWidget* m_list;
  QPushButton* m_all;
  QPushButton* m_none;
  QPushButton* m_apply;
};

}  // namespace rovex
