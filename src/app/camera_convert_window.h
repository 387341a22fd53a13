#pragma once

#include "app/convert_window.h"

// The "Pocket GPS camera to CSV file" and "Garmin to CSV file" dialogs: a
// camera list (comma-separated or OV2) into the camera file, replacing it or
// appending. Convert closes the dialog when the conversion went through.

namespace rovex {

namespace converters {
class CameraConvertDialog;
}

class CDlgCameraConvert final : public AppendConvertWindow {
  Q_OBJECT
 public:
  CDlgCameraConvert(converters::CameraConvertDialog& model, UserPrompt& prompt, QWidget* parent = nullptr);

 private:
  void Convert() override;

  converters::CameraConvertDialog& m_model;
};

}  // namespace rovex
