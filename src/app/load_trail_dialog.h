#pragma once

#include "app/path_dialog.h"
#include "trail/load_trail_dialog_model.h"

// "Load Trail GPX route file" (CDLG_LOADGPXTRAIL): the GPX file typed or
// chosen with Browse. OK reads it into the trail through the model and stays
// open while the model says the file is missing.

namespace rovex {

class CDLG_LOADGPXTRAIL final : public PathDialog {
  Q_OBJECT
 public:
  CDLG_LOADGPXTRAIL(LoadTrailDialogModel& model, QWidget* parent = nullptr);
  void accept() override;

 private:
  LoadTrailDialogModel& m_model;
};

}  // namespace rovex
