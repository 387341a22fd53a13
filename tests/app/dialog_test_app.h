#pragma once

#include <QApplication>
#include <QDir>
#include <QWidget>

// One QApplication for the whole test program (offscreen, set by CTest), and a
// place where tests leave pictures of the windows they opened.

namespace rovex::testing {

inline QApplication& QtTestApp() {
  // The test program's environment normally made it already; a second one would never be freed.
  if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) return *existing;
  static int argc = 1;
  static char name[] = "rovex-tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  return *app;
}

// Saves a picture of the widget as BINARY_DIR/shots/NAME.png; returns the path.
inline QString SaveShot(QWidget& w, const QString& name) {
  QDir().mkpath(QStringLiteral(ROVEX_BINARY_DIR "/shots"));
  QString path = QStringLiteral(ROVEX_BINARY_DIR "/shots/") + name + QStringLiteral(".png");
  w.grab().save(path);
  return path;
}

}  // namespace rovex::testing
