#include "app/josm_convert_window.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/conversion_progress.h"
#include "app/dialog_buttons.h"
#include "app/file_box.h"
#include "converters/josm_dialog.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {

using converters::ConvertJosmDialog;

CDlgConvertJOSM::CDlgConvertJOSM(ConvertJosmDialog& model, UserPrompt& prompt, QWidget* parent)
    : QDialog(parent), m_model(model), m_prompt(prompt) {
  setWindowTitle(FromSystemText(ConvertJosmDialog::kTitle));
  auto* layout = new QVBoxLayout(this);
  m_source = new FileBox(
      QStringLiteral("&JOSM GPX track source file."), QStringLiteral("&Browse..."),
      [this](const std::string& current) {
        return m_prompt.OpenFile("Browse", ConvertJosmDialog::kBrowseFilter, current);
      },
      this);
  // The map file's overwrite question is the dialog's own.
  m_destination = new FileBox(
      QStringLiteral("&Destination map project track folder/name."), QStringLiteral("B&rowse..."),
      [this](const std::string& current) {
        return m_prompt.ChooseOutputFile("Browse", ConvertJosmDialog::kBrowseFilter, current, "");
      },
      this);
  m_source->SetText(m_model.source);
  m_destination->SetText(m_model.destination);
  auto* hint = new QLabel(FromSystemText(ConvertJosmDialog::kHint), this);
  hint->setWordWrap(true);
  layout->addWidget(m_source);
  layout->addWidget(m_destination);
  layout->addWidget(hint);

  m_convert = new QPushButton(QStringLiteral("&Convert"), this);
  connect(m_convert, &QPushButton::clicked, this, &CDlgConvertJOSM::Convert);
  layout->addLayout(ActionsThenOk(this, {m_convert}));
  setMinimumWidth(480);
}

void CDlgConvertJOSM::Convert() {
  m_model.source = m_source->Text();
  m_model.destination = m_destination->Text();
  ConversionProgress progress(this);
  m_model.Convert(m_prompt, progress.Function());
}

}  // namespace rovex
