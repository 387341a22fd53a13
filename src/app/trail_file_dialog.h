#pragma once

#include "app/path_dialog.h"
#include "trail/trail_file_dialog_model.h"

// "Select default trail file" (CDlgTrailFile): the trail loaded at start-up,
// typed or chosen with Browse. "Apply and load trail now" closes it as OK does
// and asks for the trail to be loaded at once.

namespace rovex {

class CDlgTrailFile final : public PathDialog {
  Q_OBJECT
 public:
  CDlgTrailFile(TrailFileDialogModel& model, QWidget* parent = nullptr);
  void accept() override;
  QPushButton* ApplyAndLoadButton() const { return m_applyAndLoad; }

 private:
  TrailFileDialogModel& m_model;
  QPushButton* m_applyAndLoad;
};

}  // namespace rovex
