#include "app/add_new_line_window.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/conversion_progress.h"
#include "app/dialog_buttons.h"
#include "app/file_box.h"
#include "converters/add_new_line_dialog.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {

using converters::AddNewLineDialog;

CDlgAddNewLine::CDlgAddNewLine(AddNewLineDialog& model, UserPrompt& prompt, QWidget* parent)
    : QDialog(parent), m_model(model), m_prompt(prompt) {
  setWindowTitle(FromSystemText(AddNewLineDialog::kTitle));
  auto* layout = new QVBoxLayout(this);
  m_source = new FileBox(
      QStringLiteral("&Source file"), QStringLiteral("&Browse..."),
      [this](const std::string& current) {
        return m_prompt.OpenFile("Browse", AddNewLineDialog::kBrowseFilter, current);
      },
      this);
  // The overwrite question is the dialog's own.
  m_destination = new FileBox(
      QStringLiteral("&Destination file"), QStringLiteral("B&rowse..."),
      [this](const std::string& current) {
        return m_prompt.ChooseOutputFile("Browse", AddNewLineDialog::kBrowseFilter, current, "");
      },
      this);
  m_source->SetText(m_model.source);
  m_destination->SetText(m_model.destination);
  auto* markers = new QLabel(FromSystemText(AddNewLineDialog::kMarkersHint), this);
  markers->setWordWrap(true);
  markers->setTextFormat(Qt::PlainText);
  auto* usage = new QLabel(FromSystemText(AddNewLineDialog::kUsageHint), this);
  usage->setWordWrap(true);
  layout->addWidget(markers);
  layout->addWidget(m_source);
  layout->addWidget(m_destination);
  layout->addWidget(usage);

  m_convert = new QPushButton(QStringLiteral("&Convert"), this);
  connect(m_convert, &QPushButton::clicked, this, &CDlgAddNewLine::Convert);
  layout->addLayout(ActionsThenOk(this, {m_convert}));
  setMinimumWidth(480);
}

void CDlgAddNewLine::Convert() {
  m_model.source = m_source->Text();
  m_model.destination = m_destination->Text();
  ConversionProgress progress(this);
  m_model.Convert(m_prompt, progress.Function());
}

}  // namespace rovex
