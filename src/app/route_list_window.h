#pragma once

#include <QDialog>

#include "routes/route_list_model.h"

// "Route Points List" (CDlg_Route_List): the route file, the route's name and
// its points with their distances from the car.

namespace rovex {

class RouteTableWidget;

class CDlg_Route_List final : public QDialog {
  Q_OBJECT
 public:
  CDlg_Route_List(const RoutePointsList& list, QWidget* parent = nullptr);
  RouteTableWidget* Table() const { return m_table; }

 private:
  RouteTableWidget* m_table;
};

}  // namespace rovex
