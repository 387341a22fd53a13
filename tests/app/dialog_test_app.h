#pragma once

#include <QApplication>
#include <QDir>
#include <QWidget>

// The test program's QApplication, and a place where tests leave pictures of the windows they opened.

namespace rovex::testing {

inline QApplication& QtTestApp() {
  // qt_environment.cpp makes the one QApplication before any test runs and deletes it after the last.
  return *static_cast<QApplication*>(QCoreApplication::instance());
}

// Saves a picture of the widget as BINARY_DIR/shots/NAME.png; returns the path.
inline QString SaveShot(QWidget& w, const QString& name) {
  QDir().mkpath(QStringLiteral(ROVEX_BINARY_DIR "/shots"));
  QString path = QStringLiteral(ROVEX_BINARY_DIR "/shots/") + name + QStringLiteral(".png");
  w.grab().save(path);
  return path;
}

}  // namespace rovex::testing
