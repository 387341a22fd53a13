#include "app/poi_select_window.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"

namespace rovex {

CDlgPoiSelect::CDlgPoiSelect(PoiSelectModel& model, QWidget* parent) : QDialog(parent), m_model(model) {
  setWindowTitle(QString::fromLatin1(PoiSelectModel::kTitle));
  auto* grid = new QGridLayout(this);
  m_available = new QListWidget(this);
  m_selected = new QListWidget(this);
  for (QListWidget* list : {m_available, m_selected}) list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  grid->addWidget(new QLabel(QStringLiteral("Available POI files"), this), 0, 0);
  grid->addWidget(new QLabel(QStringLiteral("Selected POI files"), this), 0, 2);
  grid->addWidget(m_available, 1, 0);
  grid->addWidget(m_selected, 1, 2);
  auto* middle = new QVBoxLayout;
  auto button = [this, middle](const char* text, auto action) {
    auto* b = new QPushButton(QString::fromLatin1(text), this);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, action] {
      action();
      Refill();
    });
    middle->addWidget(b);
  };
  middle->addStretch();
  button("&Add", [this] { m_model.Add(Highlighted(m_available)); });
  button("&Remove", [this] { m_model.Remove(Highlighted(m_selected)); });
  button("A&dd all", [this] { m_model.AddAll(); });
  button("Re&move all", [this] { m_model.RemoveAll(); });
  middle->addStretch();
  grid->addLayout(middle, 1, 1);
  grid->addWidget(OkCancelButtons(this), 2, 0, 1, 3);
  Refill();
  resize(560, 340);
}

std::vector<int> CDlgPoiSelect::Highlighted(const QListWidget* list) {
  std::vector<int> rows;
  for (const QListWidgetItem* item : list->selectedItems()) rows.push_back(list->row(item));
  return rows;
}

void CDlgPoiSelect::Refill() {
  auto fill = [](QListWidget* list, const std::vector<std::string>& names) {
    list->clear();
    for (const std::string& name : names) list->addItem(QString::fromStdString(name));
  };
  fill(m_available, m_model.Available());
  fill(m_selected, m_model.Selected());
}

}  // namespace rovex
