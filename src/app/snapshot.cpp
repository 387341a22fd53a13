#include "app/snapshot.h"

#include <QApplication>
#include <QImage>
#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "app/main_frame.h"
#include "app/rovex_app.h"
#include "app/rovex_view.h"
#include "app/view_printer.h"
#include "atlas/atlas_layer.h"
#include "platform/data_root.h"
#include "platform/memory_settings_store.h"
#include "settings/settings_reset.h"
#include "system/atlas_feature.h"
#include "system/view_print_request.h"
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
    if (a == "--snapshot" || a == "--print-pdf") return true;
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
    } else if (a == "--osm") {
      if (!value(&o.osm) || o.osm.empty()) return fail("--osm needs an OSM file");
    } else if (a == "--hgt") {
      if (!value(&o.hgt) || o.hgt.empty()) return fail("--hgt needs an SRTM height file");
    } else if (a == "--icons") {
      o.icons = true;
    } else if (a == "--print-pdf") {
      if (!value(&o.printPdf) || o.printPdf.empty()) return fail("--print-pdf needs a PDF file name");
    } else if (a == "--atlas") {
      if (!value(&o.atlas) || o.atlas.empty()) return fail("--atlas needs an atlas folder");
    } else if (a == "--layer") {
      if (!value(&v) || !ParseInt(v, 0, 99, &n)) return fail("--layer needs a zoom level from 0 to 99");
      o.layer = static_cast<int>(n);
    } else if (a == "--ondraw") {
      o.ondraw = true;
    } else {
      return fail("unknown argument '" + a + "'");
    }
  }
  if (!havePicture && o.printPdf.empty()) return fail("--snapshot PNG or --print-pdf PDF is required");
  if (o.layer >= 0 && o.atlas.empty()) return fail("--layer needs --atlas");
  if (o.lines >= 0 && o.replayLog.empty()) return fail("--lines needs --replay");
  return o;
}

int RunSnapshot(const SnapshotOptions& options) {
  LoggingPrompt prompt(stderr);
  Services services;
  services.prompt = &prompt;
  // An atlas picture is drawn with default settings kept in memory: the user's settings are not touched.
  MemorySettingsStore memory;
  if (!options.atlas.empty()) {
    SettingsReset(memory, prompt, DataRoot()).CheckRegistry(false);
    services.store = &memory;
  }
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
  trackeditor::TrackEditorSession& editor = system.Get<TrackEditorFeature>().Session();
  if (!options.osm.empty() && !editor.LoadOsmFile(options.osm)) {
    std::fprintf(stderr, "rovex: no background map from %s\n", options.osm.c_str());
    return 1;
  }
  if (!options.hgt.empty() && !editor.LoadHeightFile(options.hgt)) {
    std::fprintf(stderr, "rovex: cannot read the height file %s\n", options.hgt.c_str());
    return 1;
  }
  if (options.icons) {
    ShellFlags& flags = system.View().flags;
    flags.showIcons = flags.showNodeNames = true;
  }
  if (!options.atlas.empty()) {
    int layer = options.layer;
    if (layer < 0) {
      // The first folder of the atlas whose name ends in a zoom level.
      for (const std::string& name : atlas::SortedListing(options.atlas)) {
        const size_t n = name.size();
        if (n >= 2 && std::isdigit(static_cast<unsigned char>(name[n - 2])) &&
            std::isdigit(static_cast<unsigned char>(name[n - 1]))) {
          layer = std::atoi(name.substr(n - 2).c_str());
          break;
        }
      }
    }
    system.Registry().WriteTextSetting("AtlasFolder", options.atlas);
    system.Registry().WriteNumberSetting("AtlasZoom", static_cast<uint32_t>(layer < 0 ? 0 : layer));
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

  if (!options.printPdf.empty()) {
    bool printed = false;
    if (options.mode == kTrekbuddyMode && !options.atlas.empty()) {
      printed = system.Get<AtlasFeature>().PrintAtlasToPdf(options.printPdf);
    } else {
      ViewPrintRequest request;
      request.mode = system.ViewMode();
      request.pdfFile = options.printPdf;
      printed = RunViewPrint(request, view);
    }
    if (!printed) {
      std::fprintf(stderr, "rovex: cannot print to %s\n", options.printPdf.c_str());
      return 1;
    }
    if (options.picture.empty()) return 0;
  }
  if (!view.Picture().save(FromSystemText(options.picture), "PNG")) {
    std::fprintf(stderr, "rovex: cannot write the picture %s\n", options.picture.c_str());
    return 1;
  }
  return 0;
}

}  // namespace rovex
