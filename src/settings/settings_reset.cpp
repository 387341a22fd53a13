#include "settings/settings_reset.h"

#include "settings/registry_settings.h"
#include "settings/settings_table.h"

namespace rovex {

std::vector<std::string> ResetDialogParagraphs() {
  return {
      "Click OK to reset the ROVEX options.\n\nThis will create any missing registry values for the program and set "
      "all the program options to default values.",
      "If you are running this because you have obtained a newer version of the ROVEX program you might want to make "
      "a note of your exisiting com port settings before resetting the ROVEX options.",
      "You will need to set options such as your GPS com port after resetting the options.",
  };
}

SettingsReset::SettingsReset(SettingsStore& store, UserPrompt& prompt, std::string dataRoot)
    : m_store(store), m_prompt(prompt), m_dataRoot(std::move(dataRoot)) {}

bool SettingsReset::CheckRegistry(bool askFirst) {
  if (askFirst && !m_prompt.ConfirmDialog(kResetDialogTitle, ResetDialogParagraphs())) return false;

  if (m_beforeReset) m_beforeReset();

  const std::string where = "HKEY_CURRENT_USER\n";
  if (!m_store.CreateKey(kRovexKey)) {
    m_prompt.MessageBox(std::string("An error occurred creating the registry key\n") + where + kRovexKey);
  } else {
    bool anyFailed = false;
    SettingsBatch batch(m_store);
    for (const SettingDefinition& d : SettingsTable(m_dataRoot)) {
      if (!m_store.Write(kRovexKey, d.name, d.defaultValue)) anyFailed = true;
    }
    if (!batch.Commit()) anyFailed = true;
    if (anyFailed) {
      m_prompt.MessageBox(std::string("An error occurred creating the registry values in\n") + where + kRovexKey);
    }
  }

  if (!m_store.CreateKey(kPoiFilesKey)) {
    m_prompt.MessageBox(std::string("An error occurred creating the registry key\n") + where + kPoiFilesKey);
  }

  if (m_afterReset) m_afterReset();

  m_prompt.MessageBox(
      "Registry check complete.\nThis programs settings are now reset to default values.\n\nYou may need to use the "
      "Options menu and set your com port.",
      MsgIcon::Information, MsgButtons::Ok);
  return true;
}

bool SettingsReset::RunVersionCheck() {
  RegistrySettings settings(m_store, nullptr);
  if (settings.ReadVersion() >= static_cast<uint32_t>(kSettingsVersion)) return false;
  CheckRegistry(true);
  return true;
}

void SettingsReset::RunFirstRunQuestion() {
  if (m_store.KeyExists(kRovexKey)) return;
  MsgResult answer = m_prompt.MessageBox(
      "Setup registry values?\n\nSetup options for this program are\nstored in the registry.\n\nThe first time you run "
      "the program\nyou will be asked this question. ",
      MsgIcon::Question, MsgButtons::OkCancel);
  if (answer == MsgResult::Ok) {
    CheckRegistry(true);
  } else {
    m_prompt.MessageBox(
        "Some parts of the ROVEX program will not operate properly without\nsettings in the registry.\n\nYou can create "
        "the registry settings for ROVEX by using Check Registry in the Test menu.\n\n ");
  }
}

}  // namespace rovex
