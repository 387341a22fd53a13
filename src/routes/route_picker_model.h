#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "platform/user_prompt.h"
#include "settings/registry_settings.h"

// "Route Pick List" (CDlgRoutePicker): nine favourite route files, RoutePick1
// to RoutePick9, listed by their names; a digit makes that slot's file the
// current route at once, and "Change" points a slot at another file.

namespace rovex {

inline constexpr int kRoutePickSlots = 9;

// The name a slot shows: the file's last comment line (at most 255
// characters), "No file" when the file cannot be read.
std::string RoutePickName(const std::string& path);

class RoutePickerModel {
 public:
  static constexpr const char* kTitle = "Route Pick List";
  // Route files come as .csv and .txt; the chooser offers both.
  static constexpr const char* kChangeFilter = "Route file (*.csv;*.txt)|*.csv; *.txt||";

  RoutePickerModel(RegistrySettings& settings, UserPrompt* prompt) : m_settings(settings), m_prompt(prompt) {}

  // Fills the nine entries; a slot that cannot be read says so and shows "No file".
  void Open();
  const std::array<std::string, kRoutePickSlots>& Entries() const { return m_entries; }

  // The buttons "1" to "9".
  void PickSlot(int slot);
  // OK or a double click: the selected entry's slot (selection 0 to 8), otherwise none.
  void Ok(int selection);
  void Cancel();
  // The key edit field after a change: its first character acts as a digit
  // button, "O"/"o" as OK (with the list's selection), "C"/"c" as Cancel.
  // The field is then emptied by the caller.
  void KeyTyped(std::string_view fieldText, int selection);
  // "Change" of a slot: a chosen file becomes the slot's value and its entry.
  void Change(int slot);

  bool Closed() const { return m_closed; }
  // 0 for none, else 1 to 9.
  int Picked() const { return m_picked; }

 private:
  RegistrySettings& m_settings;
  UserPrompt* m_prompt;
  std::array<std::string, kRoutePickSlots> m_entries;
  bool m_closed = false;
  int m_picked = 0;
};

// The picker command after the dialog: writes the picked slot's file as
// RouteName and returns it; nothing (after the messages when the slot cannot
// be read) leaves the current route as it is.
std::optional<std::string> UsePickedRoute(RegistrySettings& settings, UserPrompt* prompt, int picked);

}  // namespace rovex
