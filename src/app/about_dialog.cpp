#include "app/about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/shell_opener.h"

namespace rovex {

CAboutDlg::CAboutDlg(ShellOpener* shell, const char* homePage, QWidget* parent)
    : QDialog(parent), m_shell(shell), m_homePage(homePage) {
  setWindowTitle(QStringLiteral("About ROVEX"));
  auto* layout = new QVBoxLayout(this);
  auto* name = new QLabel(QStringLiteral("<b>ROVEX</b> Version 1.0"), this);
  layout->addWidget(name);
  layout->addWidget(new QLabel(QStringLiteral("Speed camera warnings, routes and maps for the car PC."), this));
  auto* home = new QPushButton(QStringLiteral("ROVEX &home page"), this);
  home->setObjectName(QStringLiteral("homePage"));
  connect(home, &QPushButton::clicked, this, &CAboutDlg::OpenHomePage);
  layout->addWidget(home);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

void CAboutDlg::OpenHomePage() {
  if (m_shell) m_shell->Open(m_homePage);
}

}  // namespace rovex
