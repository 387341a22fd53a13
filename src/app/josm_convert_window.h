#pragma once

#include <QDialog>

class QPushButton;

// The "Convert JOSM GPX to map project" dialog: a GPX file of several track
// sections into one NMEA log a section and a track editor map that lists
// them. Convert may be pressed again; OK closes.

namespace rovex {

class FileBox;
class UserPrompt;
namespace converters {
class ConvertJosmDialog;
}

class CDlgConvertJOSM final : public QDialog {
  Q_OBJECT
 public:
  CDlgConvertJOSM(converters::ConvertJosmDialog& model, UserPrompt& prompt, QWidget* parent = nullptr);

  FileBox* Source() const { return m_source; }
  FileBox* Destination() const { return m_destination; }
  QPushButton* ConvertButton() const { return m_convert; }

 private:
  void Convert();

  converters::ConvertJosmDialog& m_model;
  UserPrompt& m_prompt;
  FileBox* m_source;
  FileBox* m_destination;
  QPushButton* m_convert;
};

}  // namespace rovex
