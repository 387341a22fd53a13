#pragma once

#include <QDialog>

#include "routes/route_file_dialog_model.h"

class QLineEdit;
class QPushButton;

// "Select Route File" (CDlg_Route_File): the route file's path, typed or
// chosen with Browse. OK hands the path to the model, which stores it.

namespace rovex {

class CDlg_Route_File final : public QDialog {
  Q_OBJECT
 public:
  CDlg_Route_File(RouteFileDialogModel& model, QWidget* parent = nullptr);
  void accept() override;
  QLineEdit* Path() const { return m_path; }
  QPushButton* BrowseButton() const { return m_browse; }

 private:
  RouteFileDialogModel& m_model;
  QLineEdit* m_path;
  QPushButton* m_browse;
};

}  // namespace rovex
