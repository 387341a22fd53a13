#include "app/snapshot.h"

#include <QApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>

#include "app/main_frame.h"
#include "app/rovex_app.h"
#include "app/rovex_view.h"
#include "platform/logging_prompt.h"
#include "system/command_ids.h"
#include "system/route_feature.h"
#include "system/trail_feature.h"
#include "system/track_editor_feature.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {
namespace {

bool ParseInt(const std::string& text, long low, long high, long* out) {
  if (text.empty()) return false;
  char* end = nullptr;
  long v = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0' || v < low || v > high) return false;
  *out = v;
  return true;
}

}  // namespace

bool WantsSnapshot(const std::vector<std::string>& args) {
  for (const std::string& a : args) {
    if (a == "--snapshot") return true;
  }
  return false;
}

std::optional<SnapshotOptions> ParseSnapshotArgs(const std::vector<std::string>& args, std::string* error) {
  SnapshotOptions o;
  bool havePicture = false;
  auto fail = [&](const std::string& text) -> std::optional<SnapshotOptions> {
    *error = text;
    return std::nullopt;
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string* out) {
      if (i + 1 >= args.size()) return false;
      *out = args[++i];
      return true;
    };
    std::string v;
    long n = 0;
    if (a == "--snapshot") {
      if (!value(&o.picture) || o.picture.empty()) return fail("--snapshot needs a PNG file name");
      havePicture = true;
    } else if (a == "--mode") {
      if (!value(&v) || !ParseInt(v, 0, 7, &n)) return fail("--mode needs a view mode from 0 to 7");
      o.mode = static_cast<int>(n);
    } else if (a == "--replay") {
      if (!value(&o.replayLog) || o.replayLog.empty()) return fail("--replay needs a log file");
    } else if (a == "--lines") {
      if (!value(&v) || !ParseInt(v, 0, 100000000, &n)) return fail("--lines needs a number of lines");
      o.lines = n;
    } else if (a == "--size") {
      long w = 0, h = 0;
      size_t x = std::string::npos;
      if (value(&v)) x = v.find('x');
      if (x == std::string::npos || !ParseInt(v.substr(0, x), 1, 8192, &w) || !ParseInt(v.substr(x + 1), 1, 8192, &h)) {
        return fail("--size needs WIDTHxHEIGHT, each 1 to 8192");
      }
      o.width = static_cast<int>(w);
      o.height = static_cast<int>(h);
    } else if (a == "--route") {
      if (!value(&o.route) || o.route.empty()) return fail("--route needs a route file");
    } else if (a == "--trail") {
      if (!value(&o.trail) || o.trail.empty()) return fail("--trail needs a trail file");
    } else if (a == "--trackmap") {
      if (!value(&o.trackMap) || o.trackMap.empty()) return fail("--trackmap needs a track editor map file");
    } else if (a == "--ondraw") {
      o.ondraw = true;
    } else {
      return fail("unknown argument '" + a + "'");
    }
  }
  if (!havePicture) return fail("--snapshot PNG is required");
  if (o.lines >= 0 && o.replayLog.empty()) return fail("--lines needs --replay");
  return o;
}

int RunSnapshot(const SnapshotOptions& options) {
  LoggingPrompt prompt(stderr);
  Services services;
  services.prompt = &prompt;
  CROVEXApp app(services);
  app.SetUnattended(true);
  app.InitInstance(true);
  CMainFrame& frame = app.MainFrame();
  CROVEXView& view = frame.View();
  QApplication::processEvents();

  // Size the window so that the view gets exactly the size asked for.
  QSize grow = QSize(options.width, options.height) - view.size();
  frame.resize(frame.size() + grow);
  QApplication::processEvents();
  if (view.size() != QSize(options.width, options.height)) {
    std::fprintf(stderr, "rovex: the view could not be given the size %dx%d (it is %dx%d)\n", options.width,
                 options.height, view.width(), view.height());
    return 1;
  }

  RovexSystem& system = view.System();
  if (!options.route.empty()) {
    if (!system.Get<RouteFeature>().Current().LoadFrom(options.route)) {
      std::fprintf(stderr, "rovex: cannot read the route %s\n", options.route.c_str());
      return 1;
    }
    static_cast<SystemContext&>(system).RebuildListsNow();
  }
  if (!options.trail.empty() && !system.Get<TrailFeature>().LoadFile(options.trail)) {
    std::fprintf(stderr, "rovex: cannot read the trail %s\n", options.trail.c_str());
    return 1;
  }
  if (!options.trackMap.empty() && !system.Get<TrackEditorFeature>().Session().OpenFile(options.trackMap, true)) {
    std::fprintf(stderr, "rovex: cannot read the track editor map %s\n", options.trackMap.c_str());
    return 1;
  }
  if (options.mode != 0) system.SwitchToMode(options.mode);
  if (options.ondraw) system.RunCommand(cmd::kDoAnOndraw);
  if (!options.replayLog.empty()) {
    std::string error;
    if (!system.ReplayLogNow(options.replayLog, options.lines, &error)) {
      std::fprintf(stderr, "rovex: %s\n", error.c_str());
      return 1;
    }
  }
  // Whatever was posted on the way (messages, calls from GPS input) is handled before the picture is taken.
  QApplication::processEvents();

  if (!view.Picture().save(FromSystemText(options.picture), "PNG")) {
    std::fprintf(stderr, "rovex: cannot write the picture %s\n", options.picture.c_str());
    return 1;
  }
  return 0;
}

}  // namespace rovex
