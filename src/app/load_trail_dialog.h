#pragma once

#include <QDialog>

#include "trail/load_trail_dialog_model.h"

class QLineEdit;
class QPushButton;

// "Load Trail GPX route file" (CDLG_LOADGPXTRAIL): the GPX file typed or
// chosen with Browse. OK reads it into the trail through the model and stays
// open while the model says the file is missing.

namespace rovex {

class CDLG_LOADGPXTRAIL final : public QDialog {
  Q_OBJECT
 public:
  CDLG_LOADGPXTRAIL(LoadTrailDialogModel& model, QWidget* parent = nullptr);
  void accept() override;
  QLineEdit* Path() const { return m_path; }
  QPushButton* BrowseButton() const { return m_browse; }

 private:
  LoadTrailDialogModel& m_model;
  QLineEdit* m_path;
  QPushButton* m_browse;
};

}  // namespace rovex
