#pragma once

#include <span>
#include <string>
#include <vector>

#include <QTableWidget>

#include "routes/route_list_model.h"

// A read-only table of the route list dialogs: their columns with the given
// titles and widths, one row per line of text cells.

namespace rovex {

class RouteTableWidget final : public QTableWidget {
  Q_OBJECT
 public:
  RouteTableWidget(std::span<const ListColumn> columns, QWidget* parent = nullptr);
  void AddRow(const std::vector<std::string>& cells);
};

// The file and route name shown above both route lists.
QWidget* RouteListHeadingWidget(const RouteListHeading& heading, QWidget* parent);

}  // namespace rovex
