#include "app/hgt_convert_window.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/conversion_progress.h"
#include "app/dialog_buttons.h"
#include "app/file_box.h"
#include "converters/hgt_dialog.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {

using converters::HgtToGpxDialog;

CDlgConvertHGT_GPX::CDlgConvertHGT_GPX(HgtToGpxDialog& model, UserPrompt& prompt, QWidget* parent)
    : QDialog(parent), m_model(model), m_prompt(prompt) {
  setWindowTitle(FromSystemText(HgtToGpxDialog::kTitle));
  setMinimumWidth(480);
  auto* layout = new QVBoxLayout(this);
  AddHint(layout, HgtToGpxDialog::kCurio, this);
  m_source = SourceFileBox(QStringLiteral("Source SRTM  *.hgt  file."), QStringLiteral("&Browse..."), m_prompt,
                           HgtToGpxDialog::kSourceFilter, this);
  // The overwrite question is asked when converting.
  m_destination = OutputFileBox(QStringLiteral("Destination GPX file"), QStringLiteral("B&rowse..."), m_prompt,
                                HgtToGpxDialog::kDestinationFilter, this);
  m_source->SetText(model.source);
  m_destination->SetText(model.destination);
  layout->addWidget(m_source);
  layout->addWidget(m_destination);

  auto* numbers = new QFormLayout;
  auto number = [this, numbers](const char* text, const std::string& value) {
    auto* edit = new QLineEdit(FromSystemText(value), this);
    edit->setMaximumWidth(80);
    numbers->addRow(FromSystemText(text), edit);
    return edit;
  };
  m_erase = number("Erase flat space height range.", model.eraseRange);
  m_range = number("Contour height range.", model.contourRange);
  m_step = number("Contour step.", model.step);
  layout->addLayout(numbers);
  AddHint(layout, HgtToGpxDialog::kHint, this);

  m_convert = new QPushButton(QStringLiteral("&Convert"), this);
  m_convert->setAutoDefault(false);
  connect(m_convert, &QPushButton::clicked, this, [this] { Convert(); });
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(m_convert);
  // Cancel without a mnemonic: Alt+C is Convert's.
  QDialogButtonBox* close = OkButton(this);
  close->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
  row->addWidget(close);
  layout->addLayout(row);
}

void CDlgConvertHGT_GPX::Convert() {
  m_model.source = m_source->Text();
  m_model.destination = m_destination->Text();
  m_model.eraseRange = ToSystemText(m_erase->text());
  m_model.contourRange = ToSystemText(m_range->text());
  m_model.step = ToSystemText(m_step->text());
  ConversionProgress progress(this);
  m_model.Convert(m_prompt, progress.Function());
}

}  // namespace rovex
