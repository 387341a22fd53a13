#pragma once

#include <string>

#include "platform/user_prompt.h"
#include "settings/registry_settings.h"

// "Select Route File" (CDlg_Route_File): one field with the route file path.
// The route is loaded from RouteName after the dialog, whether OK or Cancel.

namespace rovex {

class RouteFileDialogModel {
 public:
  static constexpr const char* kFilter = "ROVEX route file (*.csv;*.txt)|*.csv; *.txt|All files (*.*)|*.*||";
  static constexpr const char* kTitle = "Select Route File";

  RouteFileDialogModel(RegistrySettings& settings, UserPrompt* prompt) : m_settings(settings), m_prompt(prompt) {}

  // The field from RouteName; empty, after a message, when it cannot be read.
  void Open();
  // The browse button: a chosen file replaces the field.
  void Browse();
  // Writes the field as RouteName.
  bool Ok();

  std::string path;

 private:
  RegistrySettings& m_settings;
  UserPrompt* m_prompt;
};

// The folder the route file choosers open in ("C:\ROVEX\Routes").
std::string RouteFolder();

}  // namespace rovex
