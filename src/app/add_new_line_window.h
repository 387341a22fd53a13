#pragma once

#include <QDialog>

class QPushButton;

// The "Add new line characters" dialog: a GPX file written on one long line
// into one element a line. Convert may be pressed again; OK closes.

namespace rovex {

class FileBox;
class UserPrompt;
namespace converters {
class AddNewLineDialog;
}

class CDlgAddNewLine final : public QDialog {
  Q_OBJECT
 public:
  CDlgAddNewLine(converters::AddNewLineDialog& model, UserPrompt& prompt, QWidget* parent = nullptr);

  FileBox* Source() const { return m_source; }
  FileBox* Destination() const { return m_destination; }
  QPushButton* ConvertButton() const { return m_convert; }

 private:
  void Convert();

  converters::AddNewLineDialog& m_model;
  UserPrompt& m_prompt;
  FileBox* m_source;
  FileBox* m_destination;
  QPushButton* m_convert;
};

}  // namespace rovex
