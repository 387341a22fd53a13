#pragma once

#include <QDialog>
#include <string>

class QCheckBox;
class QPushButton;
class QVBoxLayout;

// What the converter dialogs have in common: a source file box, a
// destination file box (both browsing with one filter and filled from the
// model's paths), a column layout and the Convert button. Each dialog adds
// its own widgets between and says what Convert does.

namespace rovex {

class FileBox;
class UserPrompt;

class ConvertWindow : public QDialog {
 public:
  FileBox* Source() const { return m_source; }
  FileBox* Destination() const { return m_destination; }

 protected:
  ConvertWindow(UserPrompt& prompt, const char* browseFilter, const QString& sourceLabel,
                const QString& destinationLabel, const std::string& source, const std::string& destination,
                QWidget* parent);

  // Puts the two file boxes into the layout, source first.
  void AddFileBoxes();
  // Convert is the dialog's OK: Enter converts, Esc cancels.
  void AddConvertAsOk();
  // Convert may be pressed again; "&OK" at the right end closes.
  QPushButton* AddConvertThenOk();
  // The boxes' texts, back into the model before converting.
  void ReadPaths(std::string& source, std::string& destination) const;

  virtual void Convert() = 0;

  UserPrompt& m_prompt;
  QVBoxLayout* m_layout;
  FileBox* m_source;
  FileBox* m_destination;
};

// The camera and GPX dialogs: the file boxes, an append box under them and
// Convert as OK.
class AppendConvertWindow : public ConvertWindow {
 public:
  QCheckBox* Append() const { return m_append; }

 protected:
  AppendConvertWindow(UserPrompt& prompt, const char* browseFilter, const QString& appendLabel,
                      const std::string& source, const std::string& destination, bool append, QWidget* parent);

  // The boxes and the append tick, back into the model before converting.
  void ReadFields(std::string& source, std::string& destination, bool& append) const;

  QCheckBox* m_append;
};

}  // namespace rovex
