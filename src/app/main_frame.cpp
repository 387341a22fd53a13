#include "app/main_frame.h"

namespace rovex {

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("ROVEX"));
  resize(800, 600);
}

}  // namespace rovex
