#include "qtplatform/qt_message_poster.h"

#include <QCoreApplication>

namespace rovex {

QEvent::Type PostedMessageEvent::EventType() {
  static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

void QtMessagePoster::Post(uint32_t message, uintptr_t wParam, intptr_t lParam) {
  QCoreApplication::postEvent(m_receiver, new PostedMessageEvent(message, wParam, lParam));
}

}  // namespace rovex
