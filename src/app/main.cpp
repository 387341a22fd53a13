#include <QApplication>
#include <QTimer>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/rovex_app.h"
#include "app/rovex_view.h"
#include "app/snapshot.h"

int main(int argc, char** argv) {
  const auto started = std::chrono::steady_clock::now();
  std::vector<std::string> args(argv + 1, argv + argc);
  // --startup-time: start as usual, report when the first frame is on screen, and end.
  bool reportStartup = false;
  auto demo = rovex::CROVEXApp::Demo::Off;
  double pace = 1.0;
  for (auto it = args.begin(); it != args.end();) {
    if (*it == "--startup-time") {
      reportStartup = true;
      it = args.erase(it);
    } else if (*it == "--demo") {
      demo = rovex::CROVEXApp::Demo::Always;
      it = args.erase(it);
    } else if (*it == "--first-run-demo") {
      if (demo == rovex::CROVEXApp::Demo::Off) demo = rovex::CROVEXApp::Demo::FirstRun;
      it = args.erase(it);
    } else if (*it == "--pace") {
      // --pace N: the demo drive N times faster than it was driven.
      char* end = nullptr;
      pace = it + 1 != args.end() ? std::strtod((it + 1)->c_str(), &end) : 0.0;
      if (!end || *end != '\0' || !(pace > 0.0) || pace > 1000.0) {
        std::fprintf(stderr, "rovex: --pace needs a number above 0 (e.g. 4 for four times real speed)\n");
        return 2;
      }
      it = args.erase(it, it + 2);
    } else {
      ++it;
    }
  }
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
  rovexApp.SetDemo(demo, pace);
  if (reportStartup) {
    rovexApp.OnCreated([&](rovex::CROVEXView& view) {
      view.SetOnFirstPaint([started] {
        auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
        std::printf("first frame %lld ms after start\n", static_cast<long long>(ms.count()));
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
      });
    });
  }
  if (!rovexApp.InitInstance()) return 1;
  return app.exec();
}
