#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <string>

class QLineEdit;
class QPushButton;

// A file name box of the converter dialogs: its label (whose mnemonic jumps
// to the box), the box and a browse button beside it that fills the box with
// the chosen name.

namespace rovex {

class UserPrompt;

class FileBox final : public QWidget {
  Q_OBJECT
 public:
  // choose is asked with the box's text; nothing chosen leaves the box as it was.
  using Chooser = std::function<std::optional<std::string>(const std::string& current)>;

  FileBox(const QString& label, const QString& browseText, Chooser choose, QWidget* parent);

  std::string Text() const;
  void SetText(const std::string& text);
  QLineEdit* Edit() const { return m_edit; }
  QPushButton* Browse() const { return m_browse; }

 private:
  QLineEdit* m_edit;
  QPushButton* m_browse;
};

// The two boxes of the converter dialogs, browsing with the title "Browse" from
// the box's text: an existing file to read, and an output file whose overwrite
// question the dialog asks itself when it converts.
FileBox* SourceFileBox(const QString& label, const QString& browseText, UserPrompt& prompt, std::string filter,
                       QWidget* parent);
FileBox* OutputFileBox(const QString& label, const QString& browseText, UserPrompt& prompt, std::string filter,
                       QWidget* parent);

}  // namespace rovex
