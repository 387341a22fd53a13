#include "qtplatform/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "qtplatform/qt_user_prompt.h"

namespace rovex {

ClipboardResult QtClipboard::SetText(const std::string& text) {
  QClipboard* clipboard = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                              ? QGuiApplication::clipboard()
                              : nullptr;
  if (!clipboard) return ClipboardResult::OpenFailed;
  const QString value = FromSystemText(text);
  clipboard->setText(value);
  return clipboard->text() == value ? ClipboardResult::Ok : ClipboardResult::SetFailed;
}

}  // namespace rovex
