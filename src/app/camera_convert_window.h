#pragma once

#include <QDialog>

class QCheckBox;

// The "Pocket GPS camera to CSV file" and "Garmin to CSV file" dialogs: a
// camera list (comma-separated or OV2) into the camera file, replacing it or
// appending. Convert closes the dialog when the conversion went through.

namespace rovex {

class FileBox;
class UserPrompt;
namespace converters {
class CameraConvertDialog;
}

class CDlgCameraConvert final : public QDialog {
  Q_OBJECT
 public:
  CDlgCameraConvert(converters::CameraConvertDialog& model, UserPrompt& prompt, QWidget* parent = nullptr);

  FileBox* Source() const { return m_source; }
  FileBox* Destination() const { return m_destination; }
  QCheckBox* Append() const { return m_append; }

 private:
  void Convert();

  converters::CameraConvertDialog& m_model;
  UserPrompt& m_prompt;
  FileBox* m_source;
  FileBox* m_destination;
  QCheckBox* m_append;
};

}  // namespace rovex
