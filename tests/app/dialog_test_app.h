#pragma once

#include <QDir>
#include <QWidget>

// A place where tests leave pictures of the windows they opened (the docs use them).
// The one QApplication is made by qt_environment.cpp.

namespace rovex::testing {

// Saves a picture of the widget as BINARY_DIR/shots/NAME.png; returns the path.
inline QString SaveShot(QWidget& w, const QString& name) {
  QDir().mkpath(QStringLiteral(ROVEX_BINARY_DIR "/shots"));
  QString path = QStringLiteral(ROVEX_BINARY_DIR "/shots/") + name + QStringLiteral(".png");
  w.grab().save(path);
  return path;
}

}  // namespace rovex::testing
