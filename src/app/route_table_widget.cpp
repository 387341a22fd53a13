#include "app/route_table_widget.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>

#include "qtplatform/qt_user_prompt.h"

namespace rovex {

RouteTableWidget::RouteTableWidget(std::span<const ListColumn> columns, QWidget* parent) : QTableWidget(parent) {
  setColumnCount(static_cast<int>(columns.size()));
  QStringList titles;
  for (const ListColumn& c : columns) titles << QString::fromLatin1(c.title);
  setHorizontalHeaderLabels(titles);
  for (std::size_t i = 0; i < columns.size(); ++i) setColumnWidth(static_cast<int>(i), columns[i].width);
  verticalHeader()->hide();
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  horizontalHeader()->setStretchLastSection(true);
}

void RouteTableWidget::AddRow(const std::vector<std::string>& cells) {
  const int row = rowCount();
  insertRow(row);
  for (std::size_t i = 0; i < cells.size() && static_cast<int>(i) < columnCount(); ++i) {
    setItem(row, static_cast<int>(i), new QTableWidgetItem(FromSystemText(cells[i])));
  }
}

QWidget* RouteListHeadingWidget(const RouteListHeading& heading, QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* form = new QFormLayout(box);
  form->setContentsMargins(0, 0, 0, 0);
  auto* file = new QLabel(FromSystemText(heading.fileName), box);
  auto* name = new QLabel(FromSystemText(heading.routeName), box);
  file->setTextInteractionFlags(Qt::TextSelectableByMouse);
  name->setTextInteractionFlags(Qt::TextSelectableByMouse);
  file->setObjectName(QStringLiteral("fileName"));
  name->setObjectName(QStringLiteral("routeName"));
  form->addRow(QStringLiteral("Route file:"), file);
  form->addRow(QStringLiteral("Route name:"), name);
  return box;
}

}  // namespace rovex
