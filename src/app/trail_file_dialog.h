#pragma once

#include <QDialog>

#include "trail/trail_file_dialog_model.h"

class QLineEdit;
class QPushButton;

// "Select default trail file" (CDlgTrailFile): the trail loaded at start-up,
// typed or chosen with Browse. "Apply and load trail now" closes it as OK does
// and asks for the trail to be loaded at once.

namespace rovex {

class CDlgTrailFile final : public QDialog {
  Q_OBJECT
 public:
  CDlgTrailFile(TrailFileDialogModel& model, QWidget* parent = nullptr);
  void accept() override;
  QLineEdit* Path() const { return m_path; }
  QPushButton* BrowseButton() const { return m_browse; }
  QPushButton* ApplyAndLoadButton() const { return m_applyAndLoad; }

 private:
  TrailFileDialogModel& m_model;
  QLineEdit* m_path;
  QPushButton* m_browse;
  QPushButton* m_applyAndLoad;
};

}  // namespace rovex
