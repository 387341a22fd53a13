#pragma once

#include <QDialog>

#include "routes/poi_list_model.h"

class QPushButton;
class QTableWidget;

// "POI List - local points of interest" (CDlgPOIList): the nearby POI list
// with distances. The table fills the window from (10,50) and follows its size.

namespace rovex {

class CDlgPOIList final : public QDialog {
  Q_OBJECT
 public:
  CDlgPOIList(const PoiListTable& table, QWidget* parent = nullptr);
  QTableWidget* Table() const { return m_table; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QTableWidget* m_table;
  QPushButton* m_ok;
};

}  // namespace rovex
