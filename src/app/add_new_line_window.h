#pragma once

#include "app/convert_window.h"

// The "Add new line characters" dialog: a GPX file written on one long line
// into one element a line. Convert may be pressed again; OK closes.

namespace rovex {

namespace converters {
class AddNewLineDialog;
}

class CDlgAddNewLine final : public ConvertWindow {
  Q_OBJECT
 public:
  CDlgAddNewLine(converters::AddNewLineDialog& model, UserPrompt& prompt, QWidget* parent = nullptr);

  QPushButton* ConvertButton() const { return m_convert; }

 private:
  void Convert() override;

  converters::AddNewLineDialog& m_model;
  QPushButton* m_convert;
};

}  // namespace rovex
