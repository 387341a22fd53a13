#include "app/exclude_list_window.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"
#include "app/route_table_widget.h"

namespace rovex {

CDlg_Exclude_List::CDlg_Exclude_List(const RouteExcludedList& list, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Route Excluded List"));
  setSizeGripEnabled(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(RouteListHeadingWidget(list.heading, this));
  m_table = new RouteTableWidget(kExcludeListColumns, this);
  for (const std::string& row : list.rows) m_table->AddRow({row});
  layout->addWidget(m_table, 1);
  layout->addWidget(OkButton(this));
  resize(420, 320);
}

}  // namespace rovex
