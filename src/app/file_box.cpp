#include "app/file_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/user_prompt.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {

FileBox::FileBox(const QString& label, const QString& browseText, Chooser choose, QWidget* parent)
    : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* text = new QLabel(label, this);
  layout->addWidget(text);
  auto* row = new QHBoxLayout;
  m_edit = new QLineEdit(this);
  m_browse = new QPushButton(browseText, this);
  m_browse->setAutoDefault(false);
  text->setBuddy(m_edit);
  row->addWidget(m_edit, 1);
  row->addWidget(m_browse);
  layout->addLayout(row);
  connect(m_browse, &QPushButton::clicked, this, [this, choose] {
    if (auto path = choose(Text())) SetText(*path);
  });
}

std::string FileBox::Text() const { return ToSystemText(m_edit->text()); }

void FileBox::SetText(const std::string& text) { m_edit->setText(FromSystemText(text)); }

FileBox* SourceFileBox(const QString& label, const QString& browseText, UserPrompt& prompt, std::string filter,
                       QWidget* parent) {
  return new FileBox(
      label, browseText,
      [&prompt, filter](const std::string& current) { return prompt.OpenFile("Browse", filter, current); }, parent);
}

FileBox* OutputFileBox(const QString& label, const QString& browseText, UserPrompt& prompt, std::string filter,
                       QWidget* parent) {
  return new FileBox(
      label, browseText,
      [&prompt, filter](const std::string& current) { return prompt.ChooseOutputFile("Browse", filter, current, ""); },
      parent);
}

}  // namespace rovex
