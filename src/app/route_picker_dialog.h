#pragma once

#include <array>

#include <QDialog>

#include "routes/route_picker_model.h"

class QLineEdit;
class QListWidget;
class QPushButton;

// "Route Pick List" (CDlgRoutePicker): nine favourite routes in large type.
// A digit typed (or its button) picks that slot and closes at once; O and C
// act as OK and Cancel; "Change" points a slot at another file.

namespace rovex {

class CDlgRoutePicker final : public QDialog {
  Q_OBJECT
 public:
  CDlgRoutePicker(RoutePickerModel& model, QWidget* parent = nullptr);
  void accept() override;
  void reject() override;

  QListWidget* List() const { return m_list; }
  QLineEdit* KeyField() const { return m_keys; }
  QPushButton* SlotButton(int slot) const { return m_slots[slot - 1]; }
  QPushButton* ChangeButton(int slot) const { return m_changes[slot - 1]; }

 private:
  // Ends the dialog as the model decided.
  void Close();
  int Selection() const;

  RoutePickerModel& m_model;
  QListWidget* m_list;
  QLineEdit* m_keys;
  std::array<QPushButton*, kRoutePickSlots> m_slots{};
  std::array<QPushButton*, kRoutePickSlots> m_changes{};
};

}  // namespace rovex
