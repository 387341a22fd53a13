#include "app/camera_table_widget.h"

#include <QHeaderView>

#include "qtplatform/qt_user_prompt.h"

namespace rovex {

CameraTableWidget::CameraTableWidget(QWidget* parent) : QTableWidget(parent) {
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  verticalHeader()->hide();
  setWordWrap(false);
  // Tab leaves the table for the next control instead of walking its cells.
  setTabKeyNavigation(false);
}

void CameraTableWidget::Show(const CameraTable& table) {
  clear();
  setColumnCount(static_cast<int>(table.columns.size()));
  setRowCount(static_cast<int>(table.rows.size()));
  for (size_t c = 0; c < table.columns.size(); ++c) {
    setHorizontalHeaderItem(static_cast<int>(c), new QTableWidgetItem(FromSystemText(table.columns[c].title)));
    setColumnWidth(static_cast<int>(c), table.columns[c].width);
  }
  for (size_t r = 0; r < table.rows.size(); ++r) {
    const auto& row = table.rows[r];
    for (size_t c = 0; c < row.size() && c < table.columns.size(); ++c) {
      setItem(static_cast<int>(r), static_cast<int>(c), new QTableWidgetItem(FromSystemText(row[c])));
    }
  }
}

}  // namespace rovex
