#pragma once

#include <QMainWindow>

// The main window of ROVEX.

namespace rovex {

class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  explicit CMainFrame(QWidget* parent = nullptr);
};

}  // namespace rovex
