#include "app/josm_convert_window.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/conversion_progress.h"
#include "converters/josm_dialog.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {

using converters::ConvertJosmDialog;

CDlgConvertJOSM::CDlgConvertJOSM(ConvertJosmDialog& model, UserPrompt& prompt, QWidget* parent)
    : ConvertWindow(prompt, ConvertJosmDialog::kBrowseFilter, QStringLiteral("&JOSM GPX track source file."),
                    QStringLiteral("&Destination map project track folder/name."), model.source, model.destination,
                    parent),
      m_model(model) {
  setWindowTitle(FromSystemText(ConvertJosmDialog::kTitle));
  auto* hint = new QLabel(FromSystemText(ConvertJosmDialog::kHint), this);
  hint->setWordWrap(true);
  AddFileBoxes();
  m_layout->addWidget(hint);
  m_convert = AddConvertThenOk();
}

void CDlgConvertJOSM::Convert() {
  ReadPaths(m_model.source, m_model.destination);
  ConversionProgress progress(this);
  m_model.Convert(m_prompt, progress.Function());
}

}  // namespace rovex
