#include "app/qt_key_press.h"

#include <QKeyEvent>

namespace rovex {
namespace {

int VirtualKey(int key, bool keypad) {
  if (keypad) {
    if (key == Qt::Key_Minus) return vk::kSubtract;
    if (key == Qt::Key_Plus) return vk::kAdd;
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
  if (key >= Qt::Key_0 && key <= Qt::Key_9 && !keypad) return '0' + (key - Qt::Key_0);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return vk::kF1 + (key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Space: return vk::kSpace;
    case Qt::Key_Escape: return vk::kEscape;
    case Qt::Key_PageUp: return vk::kPageUp;
    case Qt::Key_PageDown: return vk::kPageDown;
    case Qt::Key_End: return vk::kEnd;
    case Qt::Key_Home: return vk::kHome;
    case Qt::Key_Left: return vk::kLeft;
    case Qt::Key_Up: return vk::kUp;
    case Qt::Key_Right: return vk::kRight;
    case Qt::Key_Down: return vk::kDown;
    case Qt::Key_Insert: return vk::kInsert;
    case Qt::Key_Delete: return vk::kDelete;
    case Qt::Key_Plus: return 0xBB;   // the main keyboard's plus
    case Qt::Key_Minus: return 0xBD;  // and minus
    default: return 0;
  }
}

}  // namespace

KeyPress ToKeyPress(const QKeyEvent& event) {
  const Qt::KeyboardModifiers m = event.modifiers();
  KeyPress k;
  k.virtualKey = VirtualKey(event.key(), m.testFlag(Qt::KeypadModifier));
  k.text = event.text().toLatin1().toStdString();
  k.ctrl = m.testFlag(Qt::ControlModifier);
  k.alt = m.testFlag(Qt::AltModifier);
  k.shift = m.testFlag(Qt::ShiftModifier);
  return k;
}

}  // namespace rovex
