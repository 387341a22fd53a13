#include "app/add_new_line_window.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/conversion_progress.h"
#include "app/file_box.h"
#include "converters/add_new_line_dialog.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {

using converters::AddNewLineDialog;

CDlgAddNewLine::CDlgAddNewLine(AddNewLineDialog& model, UserPrompt& prompt, QWidget* parent)
    : ConvertWindow(prompt, AddNewLineDialog::kBrowseFilter, QStringLiteral("&Source file"),
                    QStringLiteral("&Destination file"), model.source, model.destination, parent),
      m_model(model) {
  setWindowTitle(FromSystemText(AddNewLineDialog::kTitle));
  auto* markers = new QLabel(FromSystemText(AddNewLineDialog::kMarkersHint), this);
  markers->setWordWrap(true);
  markers->setTextFormat(Qt::PlainText);
  auto* usage = new QLabel(FromSystemText(AddNewLineDialog::kUsageHint), this);
  usage->setWordWrap(true);
  m_layout->addWidget(markers);
  AddFileBoxes();
  m_layout->addWidget(usage);
  m_convert = AddConvertThenOk();
}

void CDlgAddNewLine::Convert() {
  ReadPaths(m_model.source, m_model.destination);
  ConversionProgress progress(this);
  m_model.Convert(m_prompt, progress.Function());
}

}  // namespace rovex
