#pragma once

#include <QDialog>

#include "routes/poi_select_model.h"

class QListWidget;

// "Select Poi Files" (CDlgPoiSelect): the POI folder's files on the left, the
// selected ones on the right, moved between them with the four buttons.

namespace rovex {

class CDlgPoiSelect final : public QDialog {
  Q_OBJECT
 public:
  CDlgPoiSelect(PoiSelectModel& model, QWidget* parent = nullptr);
  QListWidget* AvailableList() const { return m_available; }
  QListWidget* SelectedList() const { return m_selected; }

 private:
  void Refill();
  static std::vector<int> Highlighted(const QListWidget* list);

  PoiSelectModel& m_model;
  QListWidget* m_available;
  QListWidget* m_selected;
};

}  // namespace rovex
