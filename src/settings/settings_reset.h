#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/settings_store.h"
#include "platform/user_prompt.h"

// Check Registry: putting every setting back to its default, reached from the
// Test menu, from the version check while the view is created, and from the
// first-run question. The view keeps copies of some settings and a track ring;
// it hooks in before the reset (stop recording) and after it (reload copies).

namespace rovex {

// The reset dialog (CSetRegistry).
inline constexpr const char* kResetDialogTitle = "Reset ROVEX options";
std::vector<std::string> ResetDialogParagraphs();

class SettingsReset {
 public:
  SettingsReset(SettingsStore& store, UserPrompt& prompt, std::string dataRoot);

  void SetBeforeReset(std::function<void()> hook) { m_beforeReset = std::move(hook); }
  void SetAfterReset(std::function<void()> hook) { m_afterReset = std::move(hook); }

  // The whole reset; with askFirst the dialog comes first and Cancel ends it.
  // True when the reset ran (even if some writes failed and were reported).
  bool CheckRegistry(bool askFirst = true);

  // While the view is created: a Version below 11, or none, offers the reset.
  // True when the reset was offered.
  bool RunVersionCheck();

  // At the view's first update: with no settings at all, ask whether to set them up.
  void RunFirstRunQuestion();

 private:
  SettingsStore& m_store;
  UserPrompt& m_prompt;
  std::string m_dataRoot;
  std::function<void()> m_beforeReset;
  std::function<void()> m_afterReset;
};

}  // namespace rovex
