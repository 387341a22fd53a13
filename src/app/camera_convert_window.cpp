#include "app/camera_convert_window.h"

#include "app/conversion_progress.h"
#include "converters/camera_convert_dialog.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {

using converters::CameraConvertDialog;

CDlgCameraConvert::CDlgCameraConvert(CameraConvertDialog& model, UserPrompt& prompt, QWidget* parent)
    : AppendConvertWindow(prompt, CameraConvertDialog::kBrowseFilter, QStringLiteral("&Append to existing file."),
                          model.source, model.destination, model.append, parent),
      m_model(model) {
  setWindowTitle(FromSystemText(m_model.Title()));
}

void CDlgCameraConvert::Convert() {
  ReadFields(m_model.source, m_model.destination, m_model.append);
  ConversionProgress progress(this);
  if (m_model.Convert(m_prompt, progress.Function())) accept();
}

}  // namespace rovex
