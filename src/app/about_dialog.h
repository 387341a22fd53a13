#pragma once

#include <string>

#include <QDialog>

// The About box: the program's name and version, and one button that opens the
// home page with the desktop's "open" action.

namespace rovex {

class ShellOpener;

class CAboutDlg final : public QDialog {
  Q_OBJECT
 public:
  CAboutDlg(ShellOpener* shell, const char* homePage, QWidget* parent = nullptr);
  void OpenHomePage();

 private:
  ShellOpener* m_shell;
  std::string m_homePage;
};

}  // namespace rovex
