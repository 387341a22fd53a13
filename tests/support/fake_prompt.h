#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/user_prompt.h"

// A user prompt that records every question and answers from a script:
// queued answers first, then the default (OK, or the first button).

namespace rovex::testing {

class FakePrompt final : public UserPrompt {
 public:
  struct Shown {
    std::string text;
    MsgIcon icon;
    MsgButtons buttons;
    std::string caption;
  };

  MsgResult MessageBox(const std::string& text, MsgIcon icon, MsgButtons buttons, const std::string& caption) override;
  std::optional<std::string> OpenFile(const std::string& title, const std::string& filter,
                                      const std::string& initialPath) override;
  std::optional<std::string> SaveFile(const std::string& title, const std::string& filter,
                                      const std::string& initialPath, const std::string& defaultExtension) override;
  std::optional<std::string> ChooseFolder(const std::string& title, const std::string& initialFolder) override;
  bool ConfirmDialog(const std::string& title, const std::vector<std::string>& paragraphs) override;

  // Script.
  void QueueAnswer(MsgResult r) { m_answers.push_back(r); }
  void QueueConfirm(bool ok) { m_confirms.push_back(ok); }
  void QueueFile(std::optional<std::string> path) { m_files.push_back(std::move(path)); }

  // Record.
  std::vector<Shown> shown;
  std::vector<std::string> confirmTitles;
  std::vector<std::string> fileDialogFilters;
  std::vector<std::string> saveDialogs;  // "title|initial path|default extension"

  std::vector<std::string> Texts() const;

 private:
  std::deque<MsgResult> m_answers;
  std::deque<bool> m_confirms;
  std::deque<std::optional<std::string>> m_files;
};

}  // namespace rovex::testing
