#include "support/fake_prompt.h"

namespace rovex::testing {

MsgResult FakePrompt::MessageBox(const std::string& text, MsgIcon icon, MsgButtons buttons,
                                 const std::string& caption) {
  shown.push_back({text, icon, buttons, caption});
  if (!m_answers.empty()) {
    MsgResult r = m_answers.front();
    m_answers.pop_front();
    return r;
  }
  return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgResult::Yes
         : buttons == MsgButtons::RetryCancel                               ? MsgResult::Retry
                                                                            : MsgResult::Ok;
}

std::optional<std::string> FakePrompt::OpenFile(const std::string&, const std::string& filter, const std::string&) {
  fileDialogFilters.push_back(filter);
  if (m_files.empty()) return std::nullopt;
  auto f = m_files.front();
  m_files.pop_front();
  return f;
}

std::optional<std::string> FakePrompt::SaveFile(const std::string& title, const std::string& filter,
                                                const std::string& initialPath, const std::string& extension) {
  saveDialogs.push_back(title + "|" + initialPath + "|" + extension);
  return OpenFile(title, filter, initialPath);
}

std::optional<std::string> FakePrompt::ChooseFolder(const std::string& title, const std::string& initialFolder) {
  return OpenFile(title, "", initialFolder);
}

bool FakePrompt::ConfirmDialog(const std::string& title, const std::vector<std::string>&) {
  confirmTitles.push_back(title);
  if (m_confirms.empty()) return true;
  bool ok = m_confirms.front();
  m_confirms.pop_front();
  return ok;
}

std::vector<std::string> FakePrompt::Texts() const {
  std::vector<std::string> t;
  for (const auto& s : shown) t.push_back(s.text);
  return t;
}

}  // namespace rovex::testing
