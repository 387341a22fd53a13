#pragma once

#include "app/path_dialog.h"
#include "routes/route_file_dialog_model.h"

// "Select Route File" (CDlg_Route_File): the route file's path, typed or
// chosen with Browse. OK hands the path to the model, which stores it.

namespace rovex {

class CDlg_Route_File final : public PathDialog {
  Q_OBJECT
 public:
  CDlg_Route_File(RouteFileDialogModel& model, QWidget* parent = nullptr);
  void accept() override;
};

}  // namespace rovex
