#pragma once

#include <cstdio>

#include "platform/user_prompt.h"

// A prompt for runs nobody watches (pictures made from the command line): every
// message is written to a stream instead of waiting in a dialog, questions take
// the first answer (OK, Yes, Retry), and file choosers are cancelled.

namespace rovex {

class LoggingPrompt final : public UserPrompt {
 public:
  explicit LoggingPrompt(std::FILE* out = stderr) : m_out(out) {}

  MsgResult MessageBox(const std::string& text, MsgIcon icon, MsgButtons buttons, const std::string& caption) override;
  std::optional<std::string> OpenFile(const std::string& title, const std::string& filter,
                                      const std::string& initialPath) override;
  std::optional<std::string> SaveFile(const std::string& title, const std::string& filter,
                                      const std::string& initialPath, const std::string& defaultExtension) override;
  std::optional<std::string> ChooseFolder(const std::string& title, const std::string& initialFolder) override;
  bool ConfirmDialog(const std::string& title, const std::vector<std::string>& paragraphs) override;

 private:
  std::FILE* m_out;
};

}  // namespace rovex
