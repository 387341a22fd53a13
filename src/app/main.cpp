#include <QApplication>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/rovex_app.h"
#include "app/snapshot.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const bool snapshot = rovex::WantsSnapshot(args);
  std::optional<rovex::SnapshotOptions> options;
  if (snapshot) {
    std::string error;
    options = rovex::ParseSnapshotArgs(args, &error);
    if (!options) {
      std::fprintf(stderr, "rovex: %s\n%s\n", error.c_str(), rovex::kSnapshotUsage);
      return 2;
    }
    // A picture needs no screen: draw off-screen unless a platform was chosen explicitly.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ROVEX"));
  // Qt takes the user's locale for the C library too; numbers in files and on
  // screen are always written and read with a decimal point.
  std::setlocale(LC_NUMERIC, "C");
  if (snapshot) return rovex::RunSnapshot(*options);

  rovex::CROVEXApp rovexApp;
  if (!rovexApp.InitInstance()) return 1;
  return app.exec();
}
