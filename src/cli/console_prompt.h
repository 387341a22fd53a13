#pragma once

#include <cstdio>

#include "platform/user_prompt.h"

// The user prompt of rovex-cli: messages go to standard error, questions are
// answered OK/Yes (the command line already said what to do), and there are
// no file dialogs.

namespace rovex {

class ConsolePrompt final : public UserPrompt {
 public:
  explicit ConsolePrompt(std::FILE* out = stderr) : m_out(out) {}

  MsgResult MessageBox(const std::string& text, MsgIcon icon, MsgButtons buttons, const std::string& caption) override;
  std::optional<std::string> OpenFile(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> SaveFile(const std::string&, const std::string&, const std::string&,
                                      const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> ChooseFolder(const std::string&, const std::string&) override { return std::nullopt; }
  bool ConfirmDialog(const std::string&, const std::vector<std::string>&) override { return true; }

 private:
  std::FILE* m_out;
};

}  // namespace rovex
