#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// The SRTM height tile to GPX contours dialog: the tile, the GPX file, the
// three numbers of the walk. Convert may be pressed again; OK closes.

namespace rovex {

namespace converters {
class HgtToGpxDialog;
}

class FileBox;
class UserPrompt;

class CDlgConvertHGT_GPX final : public QDialog {
  Q_OBJECT
 public:
  CDlgConvertHGT_GPX(converters::HgtToGpxDialog& model, UserPrompt& prompt, QWidget* parent = nullptr);

  FileBox* Source() const { return m_source; }
  FileBox* Destination() const { return m_destination; }
  QLineEdit* EraseRange() const { return m_erase; }
  QLineEdit* ContourRange() const { return m_range; }
  QLineEdit* Step() const { return m_step; }
  QPushButton* ConvertButton() const { return m_convert; }

 private:
  void Convert();

  converters::HgtToGpxDialog& m_model;
  UserPrompt& m_prompt;
  FileBox* m_source;
  FileBox* m_destination;
  QLineEdit* m_erase;
  QLineEdit* m_range;
  QLineEdit* m_step;
  QPushButton* m_convert;
};

}  // namespace rovex
