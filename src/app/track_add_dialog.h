#pragma once

#include <QDialog>

#include "trackeditor/track_add_model.h"

class QLineEdit;
class QPushButton;

namespace rovex {

class TrackRowsWidget;

// "Add/Remove Tracks - ...".
class CDialogTrackAdd final : public QDialog {
  Q_OBJECT
 public:
  CDialogTrackAdd(trackeditor::TrackAddModel& model, QWidget* parent = nullptr);
  TrackRowsWidget* List() const { return m_list; }
  QLineEdit* Description() const { return m_description; }
  QLineEdit* Path() const { return m_path; }
  QPushButton* AddButton() const { return m_add; }
  QPushButton* RemoveButton() const { return m_remove; }
  QPushButton* BrowseButton() const { return m_browse; }

 private:
  trackeditor::TrackAddModel& m_model;
  TrackRowsWidget* m_list;
  QLineEdit* m_description;
  QLineEdit* m_path;
  QPushButton* m_browse;
  QPushButton* m_add;
  QPushButton* m_remove;
};

}  // namespace rovex
