#include "app/convert_window.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"
#include "app/file_box.h"
#include "platform/user_prompt.h"

namespace rovex {

ConvertWindow::ConvertWindow(UserPrompt& prompt, const char* browseFilter, const QString& sourceLabel,
                             const QString& destinationLabel, const std::string& source,
                             const std::string& destination, QWidget* parent)
    : QDialog(parent), m_prompt(prompt), m_layout(new QVBoxLayout(this)) {
  m_source = SourceFileBox(sourceLabel, QStringLiteral("&Browse..."), m_prompt, browseFilter, this);
  // Any overwrite question is the dialog's own, asked when converting.
  m_destination = OutputFileBox(destinationLabel, QStringLiteral("B&rowse..."), m_prompt, browseFilter, this);
  m_source->SetText(source);
  m_destination->SetText(destination);
  setMinimumWidth(480);
}

void ConvertWindow::AddFileBoxes() {
  m_layout->addWidget(m_source);
  m_layout->addWidget(m_destination);
}

void ConvertWindow::AddConvertAsOk() {
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* convert = buttons->addButton(QStringLiteral("&Convert"), QDialogButtonBox::AcceptRole);
  convert->setDefault(true);
  buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] { Convert(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  m_layout->addWidget(buttons);
}

QPushButton* ConvertWindow::AddConvertThenOk() {
  auto* convert = new QPushButton(QStringLiteral("&Convert"), this);
  connect(convert, &QPushButton::clicked, this, [this] { Convert(); });
  m_layout->addLayout(ActionsThenOk(this, {convert}));
  return convert;
}

void ConvertWindow::ReadPaths(std::string& source, std::string& destination) const {
  source = m_source->Text();
  destination = m_destination->Text();
}

AppendConvertWindow::AppendConvertWindow(UserPrompt& prompt, const char* browseFilter, const QString& appendLabel,
                                         const std::string& source, const std::string& destination, bool append,
                                         QWidget* parent)
    : ConvertWindow(prompt, browseFilter, QStringLiteral("&Source file"), QStringLiteral("&Destination file"), source,
                    destination, parent) {
  m_append = new QCheckBox(appendLabel, this);
  m_append->setChecked(append);
  AddFileBoxes();
  m_layout->addWidget(m_append);
  AddConvertAsOk();
}

void AppendConvertWindow::ReadFields(std::string& source, std::string& destination, bool& append) const {
  ReadPaths(source, destination);
  append = m_append->isChecked();
}

}  // namespace rovex
