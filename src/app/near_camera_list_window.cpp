#include "app/near_camera_list_window.h"

#include <algorithm>

#include <QPushButton>
#include <QResizeEvent>

#include "app/camera_table_widget.h"
#include "cameras/near_camera_list.h"

namespace rovex {

NearCameraListWindow::NearCameraListWindow(const CameraTable& table, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Near Camera List"));
  setSizeGripEnabled(true);
  // Placed by hand: the layout is the resize rule below, not a layout manager's.
  m_table = new CameraTableWidget(this);
  m_table->Show(table);
  m_ok = new QPushButton(QStringLiteral("&OK"), this);
  m_ok->setDefault(true);
  m_ok->resize(100, 30);
  connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
  setTabOrder(m_ok, m_table);
  resize(900, 400);
}

void NearCameraListWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  const DialogLayout l = NearCameraList::Layout(width(), height());
  m_table->setGeometry(l.tableX, l.tableY, std::max(l.tableWidth, 0), std::max(l.tableHeight, 0));
  m_ok->move(l.buttonX, l.buttonY);
}

}  // namespace rovex
