#include "app/track_rows_widget.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <algorithm>

#include "app/dialog_buttons.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {

TrackRowsWidget::TrackRowsWidget(bool withVisible, QWidget* parent) : QTableWidget(parent), m_withVisible(withVisible) {
  QStringList headers;
  if (withVisible) headers << QStringLiteral("Visible.");
  headers << QStringLiteral("Track description.") << QStringLiteral("File name.");
  setColumnCount(static_cast<int>(headers.size()));
  setHorizontalHeaderLabels(headers);
  int column = 0;
  if (withVisible) setColumnWidth(column++, 75);
  setColumnWidth(column++, 300);
  setColumnWidth(column, 420);
  verticalHeader()->hide();
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  horizontalHeader()->setStretchLastSection(true);
}

void TrackRowsWidget::Fill(const std::vector<trackeditor::TrackRow>& rows) {
  clearContents();
  setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const auto& row = rows[static_cast<std::size_t>(r)];
    int column = 0;
    if (m_withVisible) setItem(r, column++, new QTableWidgetItem(FromSystemText(row.visible)));
    setItem(r, column++, new QTableWidgetItem(FromSystemText(row.description)));
    setItem(r, column, new QTableWidgetItem(FromSystemText(row.path)));
  }
}

std::vector<std::size_t> TrackRowsWidget::SelectedRows() const {
  std::vector<std::size_t> rows;
  for (const QModelIndex& i : selectionModel()->selectedRows()) rows.push_back(static_cast<std::size_t>(i.row()));
  std::sort(rows.begin(), rows.end());
  return rows;
}

QHBoxLayout* TrackDialogButtons(QDialog* dialog, const std::vector<QPushButton*>& actions) {
  auto* row = new QHBoxLayout;
  for (QPushButton* b : actions) {
    b->setAutoDefault(false);
    row->addWidget(b);
  }
  row->addStretch(1);
  row->addWidget(OkCancelButtons(dialog));
  return row;
}

}  // namespace rovex
