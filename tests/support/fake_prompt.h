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

  MsgResult MessageBox(const std::string& text, MsgIcon icon, MsgButtons buttons, const std::string& caption) override {
    shown.push_back({text, icon, buttons, caption});
    if (!m_answers.empty()) return Next(m_answers);
    return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgResult::Yes
           : buttons == MsgButtons::RetryCancel                               ? MsgResult::Retry
                                                                              : MsgResult::Ok;
  }
  std::optional<std::string> OpenFile(const std::string&, const std::string& filter, const std::string&) override {
    fileDialogFilters.push_back(filter);
    return m_files.empty() ? std::nullopt : Next(m_files);
  }
  std::optional<std::string> SaveFile(const std::string& title, const std::string& filter,
                                      const std::string& initialPath, const std::string& extension) override {
    saveDialogs.push_back(title + "|" + initialPath + "|" + extension);
    return OpenFile(title, filter, initialPath);
  }
  std::optional<std::string> ChooseFolder(const std::string& title, const std::string& initialFolder) override {
    return OpenFile(title, "", initialFolder);
  }
  bool ConfirmDialog(const std::string& title, const std::vector<std::string>&) override {
    confirmTitles.push_back(title);
    return m_confirms.empty() || Next(m_confirms);
  }

  // Script.
  void QueueAnswer(MsgResult r) { m_answers.push_back(r); }
  void QueueConfirm(bool ok) { m_confirms.push_back(ok); }
  void QueueFile(std::optional<std::string> path) { m_files.push_back(std::move(path)); }

  // Record.
  std::vector<Shown> shown;
  std::vector<std::string> confirmTitles;
  std::vector<std::string> fileDialogFilters;
  std::vector<std::string> saveDialogs;  // "title|initial path|default extension"

  std::vector<std::string> Texts() const {
    std::vector<std::string> t;
    for (const auto& s : shown) t.push_back(s.text);
    return t;
  }

 private:
  template <typename T>
  static T Next(std::deque<T>& queue) {
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
  }
  std::deque<MsgResult> m_answers;
  std::deque<bool> m_confirms;
  std::deque<std::optional<std::string>> m_files;
};

}  // namespace rovex::testing
