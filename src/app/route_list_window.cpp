#include "app/route_list_window.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"
#include "app/route_table_widget.h"

namespace rovex {

CDlg_Route_List::CDlg_Route_List(const RoutePointsList& list, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Route Points List"));
  setSizeGripEnabled(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(RouteListHeadingWidget(list.heading, this));
  m_table = new RouteTableWidget(kRouteListColumns, this);
  for (const auto& row : list.rows) m_table->AddRow(row);
  layout->addWidget(m_table, 1);
  layout->addWidget(OkButton(this));
  resize(800, 400);
}

}  // namespace rovex
