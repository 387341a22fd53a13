#pragma once

#include <QEvent>
#include <QPointer>

#include "platform/message_poster.h"

class QObject;

// Posts the view's private messages as Qt events to the receiver on the user
// interface thread; safe to call from worker threads.

namespace rovex {

class PostedMessageEvent final : public QEvent {
 public:
  static QEvent::Type EventType();
  PostedMessageEvent(uint32_t message, uintptr_t wParam, intptr_t lParam)
      : QEvent(EventType()), m_message(message), m_wParam(wParam), m_lParam(lParam) {}
  uint32_t Message() const { return m_message; }
  uintptr_t WParam() const { return m_wParam; }
  intptr_t LParam() const { return m_lParam; }

 private:
  uint32_t m_message;
  uintptr_t m_wParam;
  intptr_t m_lParam;
};

class QtMessagePoster final : public MessagePoster {
 public:
  explicit QtMessagePoster(QObject* receiver) : m_receiver(receiver) {}
  void Post(uint32_t message, uintptr_t wParam, intptr_t lParam) override;

 private:
  QObject* m_receiver;  // outlives every worker thread that posts to it
};

}  // namespace rovex
