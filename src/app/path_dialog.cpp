#include "app/path_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "qtplatform/qt_user_prompt.h"

namespace rovex {

PathDialog::PathDialog(const QString& title, const QString& label, int maxLength, std::string& path,
                       std::function<void()> browse, QWidget* parent)
    : QDialog(parent), m_modelPath(path) {
  setWindowTitle(title);
  m_layout = new QVBoxLayout(this);
  auto* caption = new QLabel(label, this);
  auto* row = new QHBoxLayout;
  m_path = new QLineEdit(FromSystemText(path), this);
  m_path->setMaxLength(maxLength);
  caption->setBuddy(m_path);
  m_browse = new QPushButton(QStringLiteral("&Browse..."), this);
  m_browse->setAutoDefault(false);
  connect(m_browse, &QPushButton::clicked, this, [this, browse = std::move(browse)] {
    StorePath();
    browse();
    m_path->setText(FromSystemText(m_modelPath));
  });
  row->addWidget(m_path, 1);
  row->addWidget(m_browse);
  m_layout->addWidget(caption);
  m_layout->addLayout(row);
  setMinimumWidth(520);
}

void PathDialog::StorePath() { m_modelPath = ToSystemText(m_path->text()); }

}  // namespace rovex
