#include "app/gpx_convert_window.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/conversion_progress.h"
#include "app/file_box.h"
#include "converters/gpx_convert_dialog.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {

using converters::GpxConvertDialog;

CDlgGPXConvert::CDlgGPXConvert(GpxConvertDialog& model, UserPrompt& prompt, QWidget* parent)
    : QDialog(parent), m_model(model), m_prompt(prompt) {
  setWindowTitle(FromSystemText(m_model.Title()));
  auto* layout = new QVBoxLayout(this);
  m_source = new FileBox(
      QStringLiteral("&Source file"), QStringLiteral("&Browse..."),
      [this](const std::string& current) {
        return m_prompt.OpenFile("Browse", GpxConvertDialog::kBrowseFilter, current);
      },
      this);
  m_destination = new FileBox(
      QStringLiteral("&Destination file"), QStringLiteral("B&rowse..."),
      [this](const std::string& current) {
        return m_prompt.ChooseOutputFile("Browse", GpxConvertDialog::kBrowseFilter, current, "");
      },
      this);
  m_append = new QCheckBox(FromSystemText(GpxConvertDialog::kAppendLabel), this);
  m_source->SetText(m_model.source);
  m_destination->SetText(m_model.destination);
  m_append->setChecked(m_model.append);
  layout->addWidget(m_source);
  layout->addWidget(m_destination);
  layout->addWidget(m_append);

  // Convert is this dialog's OK: Enter converts, Esc cancels.
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* convert = buttons->addButton(QStringLiteral("&Convert"), QDialogButtonBox::AcceptRole);
  convert->setDefault(true);
  buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &CDlgGPXConvert::Convert);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  setMinimumWidth(480);
}

void CDlgGPXConvert::Convert() {
  m_model.source = m_source->Text();
  m_model.destination = m_destination->Text();
  m_model.append = m_append->isChecked();
  ConversionProgress progress(this);
  m_model.Convert(m_prompt, progress.Function());
}

}  // namespace rovex
