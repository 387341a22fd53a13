#pragma once

#include <QTableWidget>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <vector>

#include "trackeditor/track_rows.h"

// The report-style list of the track dialogs: the map's tracks as rows, with
// the column widths the dialogs give them.

namespace rovex {

class TrackRowsWidget final : public QTableWidget {
  Q_OBJECT
 public:
  // withVisible adds the "Visible." column first.
  TrackRowsWidget(bool withVisible, QWidget* parent = nullptr);
  void Fill(const std::vector<trackeditor::TrackRow>& rows);
  // The selected row numbers in order.
  std::vector<std::size_t> SelectedRows() const;

 private:
  bool m_withVisible;
};

// The dialog's own buttons on the left, OK and Cancel on the right.
QHBoxLayout* TrackDialogButtons(QDialog* dialog, const std::vector<QPushButton*>& actions);

}  // namespace rovex
