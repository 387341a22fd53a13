#pragma once

#include <QDialog>

#include "routes/route_list_model.h"

// "Route Excluded List" (CDlg_Exclude_List): the camera types the loaded
// route asks to ignore.

namespace rovex {

class RouteTableWidget;

class CDlg_Exclude_List final : public QDialog {
  Q_OBJECT
 public:
  CDlg_Exclude_List(const RouteExcludedList& list, QWidget* parent = nullptr);
  RouteTableWidget* Table() const { return m_table; }

 private:
  RouteTableWidget* m_table;
};

}  // namespace rovex
