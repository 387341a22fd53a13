#include "app/camera_table_widget.h"

#include <QHeaderView>

#include "qtplatform/qt_user_prompt.h"

namespace rovex {

CameraTableWidget::CameraTableWidget(QWidget* parent) : QTableWidget(parent) {
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  setWordWrap(false);
  // Tab leaves the table for the next control instead of walking its cells.
  setTabKeyNavigation(false);
}

void CameraTableWidget::Show(const CameraTable& table) {
  clear();
  clearSpans();
  setColumnCount(static_cast<int>(table.columns.size()));
  setRowCount(static_cast<int>(table.rows.size()));
  for (size_t c = 0; c < table.columns.size(); ++c) {
    setHorizontalHeaderItem(static_cast<int>(c), new QTableWidgetItem(FromSystemText(table.columns[c].title)));
    setColumnWidth(static_cast<int>(c), table.columns[c].width);
  }
  for (size_t r = 0; r < table.rows.size(); ++r) {
    const auto& row = table.rows[r];
    // A message row ("List contains 3 items", "Camera list is empty") is read across the whole table.
    bool message = !row.empty() && table.columns.size() > 1;
    for (size_t c = 1; c < row.size(); ++c) message = message && row[c].empty();
    if (message) setSpan(static_cast<int>(r), 0, 1, static_cast<int>(table.columns.size()));
    for (size_t c = 0; c < row.size() && c < table.columns.size(); ++c) {
      setItem(static_cast<int>(r), static_cast<int>(c), new QTableWidgetItem(FromSystemText(row[c])));
    }
  }
}

}  // namespace rovex
