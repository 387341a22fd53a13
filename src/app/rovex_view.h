#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

#include "app/dialog_table.h"
#include "platform/services.h"
#include "qtplatform/qt_message_poster.h"
#include "system/rovex_system.h"
#include "system/view_host.h"

// The view: the window of the running system. It owns the system, keeps the
// picture the drawing passes paint on (so a pass can run while the window is
// hidden or has no screen), answers the posted messages, and hands keys to the
// frame's accelerators.

namespace rovex {

class CROVEXView final : public QWidget, public ViewHost {
  Q_OBJECT
 public:
  // The services' poster is replaced by one that posts to this view.
  explicit CROVEXView(const Services& services, QWidget* parent = nullptr);
  ~CROVEXView() override;

  RovexSystem& System() { return *m_system; }
  const Services& ViewServices() const { return m_services; }
  // The picture of the last drawing pass, as large as the view.
  const QImage& Picture() const { return m_picture; }
  int DrawingPasses() const { return m_passes; }

  // ViewHost
  void SetTitle(const std::string& title) override;
  void Repaint() override;
  void Invalidate() override;
  bool RunDialog(const DialogRequest& request) override;

  // One drawing pass onto the picture now.
  void RunDrawingPass();

  // A run nobody watches (a picture from the command line): the start-up opens no port and starts no log.
  void SetUnattended(bool unattended) { m_unattended = unattended; }

  // Called once, when the window has shown its first frame.
  void SetOnFirstPaint(std::function<void()> callback) { m_onFirstPaint = std::move(callback); }

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // Mouse messages go to the running system (the track editor's buttons, markers, drag and wheel).
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  Services m_services;
  QtMessagePoster m_poster;
  DialogTable m_dialogs = RovexDialogs(m_services);
  std::unique_ptr<RovexSystem> m_system;
  QImage m_picture;
  bool m_passQueued = false;
  int m_passes = 0;
  std::function<void()> m_onFirstPaint;
  bool m_unattended = false;
};

}  // namespace rovex
