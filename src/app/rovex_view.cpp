#include "app/rovex_view.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QPainter>
#include <QShowEvent>
#include <QTimer>
#include <algorithm>
#include <optional>

#include "app/main_frame.h"
#include "app/qt_key_press.h"
#include "qtplatform/qt_canvas.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {

CROVEXView::CROVEXView(const Services& services, QWidget* parent)
    : QWidget(parent), m_services(services), m_poster(this) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  m_services.poster = &m_poster;
  m_system = std::make_unique<RovexSystem>(m_services, *this);
  m_system->RunVersionCheck();
  m_picture = QImage(std::max(width(), 1), std::max(height(), 1), QImage::Format_RGB32);
  const Rgb bg = m_system->Colours().viewBackground;
  m_picture.fill(QColor(bg.red, bg.green, bg.blue));
}

CROVEXView::~CROVEXView() {
  // Posted messages still queued for this view must not reach a half-destroyed system.
  QCoreApplication::removePostedEvents(this);
  m_system.reset();
}

void CROVEXView::SetTitle(const std::string& title) { window()->setWindowTitle(FromSystemText(title)); }

void CROVEXView::Repaint() {
  RunDrawingPass();
  update();
}

void CROVEXView::Invalidate() {
  if (m_passQueued) return;
  m_passQueued = true;
  QTimer::singleShot(0, this, [this] {
    m_passQueued = false;
    Repaint();
  });
}

bool CROVEXView::RunDialog(const DialogRequest& request) { return m_dialogs.Run(request, this); }

void CROVEXView::RunDrawingPass() {
  if (!m_system) return;
  QtCanvas canvas(&m_picture);
  m_system->DrawingPass(canvas);
  ++m_passes;
}

bool CROVEXView::event(QEvent* event) {
  if (event->type() == PostedMessageEvent::EventType()) {
    auto* m = static_cast<PostedMessageEvent*>(event);
    if (m_system) m_system->OnPostedMessage(m->Message(), m->WParam(), m->LParam());
    return true;
  }
  return QWidget::event(event);
}

void CROVEXView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, m_picture);
  if (m_onFirstPaint) {
    auto callback = std::move(m_onFirstPaint);
    m_onFirstPaint = nullptr;
    callback();
  }
}

void CROVEXView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (width() <= 0 || height() <= 0) return;
  if (m_picture.size() == size()) return;
  // The whole view is drawn afresh, on the view background.
  m_picture = QImage(size(), QImage::Format_RGB32);
  const Rgb bg = m_system->Colours().viewBackground;
  m_picture.fill(QColor(bg.red, bg.green, bg.blue));
  m_system->OnViewResized(width(), height(), false);
  Repaint();
}

void CROVEXView::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && window()->isMinimized() && m_system) {
    m_system->OnViewResized(width(), height(), true);
  }
}

void CROVEXView::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Shown by the program, not brought back by the window system after minimising.
  if (!event->spontaneous() && m_system) m_system->OnWindowShown(m_unattended);
}

void CROVEXView::keyPressEvent(QKeyEvent* event) {
  // A view's own keys (the atlas's arrows) come before the accelerators.
  if (const int key = ToKeyPress(*event).virtualKey; key != 0 && m_system && m_system->OnKeyDown(key)) {
    event->accept();
    return;
  }
  if (auto* frame = qobject_cast<CMainFrame*>(window()); frame && frame->TranslateAccelerator(event)) {
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

namespace {

// Left and right buttons only; others are not the view's.
std::optional<MouseAction> ActionFor(Qt::MouseButton button, MouseAction left, MouseAction right) {
  if (button == Qt::LeftButton) return left;
  if (button == Qt::RightButton) return right;
  return std::nullopt;
}

}  // namespace

void CROVEXView::mousePressEvent(QMouseEvent* event) {
  if (auto a = ActionFor(event->button(), MouseAction::LeftDown, MouseAction::RightDown); a && m_system) {
    const QPoint p = event->position().toPoint();
    m_system->OnMouse(MouseEvent{*a, p.x(), p.y(), 0, width(), height()});
  }
  QWidget::mousePressEvent(event);
}

void CROVEXView::mouseReleaseEvent(QMouseEvent* event) {
  if (auto a = ActionFor(event->button(), MouseAction::LeftUp, MouseAction::RightUp); a && m_system) {
    const QPoint p = event->position().toPoint();
    m_system->OnMouse(MouseEvent{*a, p.x(), p.y(), 0, width(), height()});
  }
  QWidget::mouseReleaseEvent(event);
}

void CROVEXView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (auto a = ActionFor(event->button(), MouseAction::LeftDoubleClick, MouseAction::RightDoubleClick); a && m_system) {
    const QPoint p = event->position().toPoint();
    m_system->OnMouse(MouseEvent{*a, p.x(), p.y(), 0, width(), height()});
  }
  QWidget::mouseDoubleClickEvent(event);
}

void CROVEXView::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  const QPoint p = event->position().toPoint();
  if (delta != 0 && m_system && m_system->OnMouse(MouseEvent{MouseAction::Wheel, p.x(), p.y(), delta, width(), height()})) {
    event->accept();
    return;
  }
  QWidget::wheelEvent(event);
}

}  // namespace rovex
