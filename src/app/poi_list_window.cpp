#include "app/poi_list_window.h"

#include <algorithm>

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QTableWidget>

namespace rovex {
namespace {

QString Text(const std::string& text) { return QString::fromLatin1(text.data(), static_cast<int>(text.size())); }

}  // namespace

CDlgPOIList::CDlgPOIList(const PoiListTable& table, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromLatin1(PoiListTable::kTitle));
  setSizeGripEnabled(true);
  auto* note = new QLabel(QString::fromLatin1(PoiListTable::kNote), this);
  note->move(10, 15);
  m_table = new QTableWidget(static_cast<int>(table.rows.size()), 4, this);
  m_table->setHorizontalHeaderLabels({"Latitude", "Longitude", "Description", "Distance"});
  const int widths[] = {100, 100, 260, 95};
  for (int c = 0; c < 4; ++c) m_table->setColumnWidth(c, widths[c]);
  m_table->verticalHeader()->hide();
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
  for (int r = 0; r < static_cast<int>(table.rows.size()); ++r) {
    const PoiListRow& row = table.rows[static_cast<size_t>(r)];
    const std::string* cells[] = {&row.latitude, &row.longitude, &row.description, &row.distance};
    for (int c = 0; c < 4; ++c) m_table->setItem(r, c, new QTableWidgetItem(Text(*cells[c])));
  }
  m_ok = new QPushButton(QStringLiteral("&OK"), this);
  m_ok->setDefault(true);
  m_ok->resize(100, 30);
  connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
  resize(600, 360);
}

void CDlgPOIList::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  m_table->setGeometry(10, 50, std::max(width() - 20, 0), std::max(height() - 60, 0));
  m_ok->move(width() - 110, 10);
}

}  // namespace rovex
