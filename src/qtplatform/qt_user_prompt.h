#pragma once

#include <QString>
#include <QStringList>

#include "platform/user_prompt.h"

class QWidget;

// The user prompt with real Qt dialogs, parented to the main window.

namespace rovex {

class QtUserPrompt final : public UserPrompt {
 public:
  explicit QtUserPrompt(QWidget* parent = nullptr) : m_parent(parent) {}
  void SetParent(QWidget* parent) { m_parent = parent; }

  MsgResult MessageBox(const std::string& text, MsgIcon icon, MsgButtons buttons, const std::string& caption) override;
  std::optional<std::string> OpenFile(const std::string& title, const std::string& filter,
                                      const std::string& initialPath) override;
  std::optional<std::string> SaveFile(const std::string& title, const std::string& filter,
                                      const std::string& initialPath, const std::string& defaultExtension) override;
  std::optional<std::vector<std::string>> OpenFiles(const std::string& title, const std::string& filter,
                                                    const std::string& initialFolder) override;
  std::optional<std::string> ChooseOutputFile(const std::string& title, const std::string& filter,
                                              const std::string& initialPath,
                                              const std::string& defaultExtension) override;
  std::optional<std::string> ChooseFolder(const std::string& title, const std::string& initialFolder) override;
  bool ConfirmDialog(const std::string& title, const std::vector<std::string>& paragraphs) override;

  // "Desc (*.a;*.b)|*.a; *.b|..." in the form QFileDialog takes: "Desc (*.a *.b);;...".
  static QString ToQtFilter(const std::string& filter);

 private:
  QWidget* m_parent;
};

// Texts of the system are 8-bit; show them as UTF-8 when they are valid, else as Latin-1.
QString FromSystemText(const std::string& text);
std::string ToSystemText(const QString& text);

}  // namespace rovex
