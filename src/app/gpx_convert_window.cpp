#include "app/gpx_convert_window.h"

#include "app/conversion_progress.h"
#include "converters/gpx_convert_dialog.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {

using converters::GpxConvertDialog;

CDlgGPXConvert::CDlgGPXConvert(GpxConvertDialog& model, UserPrompt& prompt, QWidget* parent)
    : AppendConvertWindow(prompt, GpxConvertDialog::kBrowseFilter, FromSystemText(GpxConvertDialog::kAppendLabel),
                          model.source, model.destination, model.append, parent),
      m_model(model) {
  setWindowTitle(FromSystemText(m_model.Title()));
}

void CDlgGPXConvert::Convert() {
  ReadFields(m_model.source, m_model.destination, m_model.append);
  ConversionProgress progress(this);
  m_model.Convert(m_prompt, progress.Function());
}

}  // namespace rovex
