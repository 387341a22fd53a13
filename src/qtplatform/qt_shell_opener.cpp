#include "qtplatform/qt_shell_opener.h"

#include <QDesktopServices>
#include <QUrl>

#include "qtplatform/qt_user_prompt.h"

namespace rovex {

bool QtShellOpener::Open(const std::string& target) {
  if (target.empty()) return false;
  QString text = FromSystemText(target);
  QUrl url = target.front() == '/' ? QUrl::fromLocalFile(text) : QUrl(text, QUrl::StrictMode);
  if (!url.isValid()) return false;
  return QDesktopServices::openUrl(url);
}

}  // namespace rovex
