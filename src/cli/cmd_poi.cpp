#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/console_prompt.h"
#include "cli/replay_events.h"
#include "nmea/gps_fix.h"
#include "platform/memory_settings_store.h"
#include "routes/nearby_poi_list.h"
#include "settings/registry_settings.h"

namespace rovex::cli {
namespace {

constexpr const char* kUsage = "usage: rovex-cli poi --lat A --lon B [--radius M] [--files F,F,...]\n";

bool Number(const std::string& text, double* out) {
  char* end = nullptr;
  errno = 0;
  *out = std::strtod(text.c_str(), &end);
  return !text.empty() && *end == '\0' && errno == 0;
}

}  // namespace

int CmdPoi(const std::vector<std::string>& args, CliContext& ctx) {
  GpsFix fix;
  bool haveLat = false, haveLon = false, haveFiles = false;
  double radius = -1.0;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (i + 1 >= args.size()) {
      std::fputs(kUsage, ctx.err);
      return 2;
    }
    const std::string& value = args[++i];
    bool ok = true;
    if (args[i - 1] == "--lat") {
      ok = haveLat = Number(value, &fix.latitude);
    } else if (args[i - 1] == "--lon") {
      ok = haveLon = Number(value, &fix.longitude);
    } else if (args[i - 1] == "--radius") {
      ok = Number(value, &radius) && radius > 0.0;
    } else if (args[i - 1] == "--files") {
      haveFiles = true;
      for (std::size_t start = 0; start <= value.size();) {
        std::size_t comma = value.find(',', start);
        if (comma == std::string::npos) comma = value.size();
        if (comma > start) files.push_back(value.substr(start, comma - start));
        start = comma + 1;
      }
    } else {
      ok = false;
    }
    if (!ok) {
      std::fputs(kUsage, ctx.err);
      return 2;
    }
  }
  if (!haveLat || !haveLon) {
    std::fputs(kUsage, ctx.err);
    return 2;
  }
  MemorySettingsStore store;
  CopyStoredSettings(&store, ctx);
  RegistrySettings settings(store, nullptr);
  if (haveFiles) {
    // The files as given: no folder before them, and they alone are selected.
    settings.WriteTextSetting("POIFolder", "");
    for (const auto& [name, value] : store.Values(kPoiFilesKey)) store.Delete(kPoiFilesKey, name);
    for (std::size_t i = 0; i < files.size(); ++i) {
      store.Write(kPoiFilesKey, kPoiFileValuePrefix + std::to_string(i + 1), SettingValue::Text(files[i]));
    }
  }
  if (radius < 0.0) radius = settings.ReadMapScale();
  ConsolePrompt prompt(ctx.err);
  bool stopped = false;
  NearbyPoiList pois(settings, &prompt, [&stopped] { stopped = true; });
  if (pois.Load(fix, radius) == NearbyPoiList::LoadResult::NoFix) {
    std::fputs("rovex-cli: a latitude of 0 is no position\n", ctx.err);
    return 1;
  }
  if (const std::vector<PoiRecord>* list = pois.List()) {
    for (const PoiRecord& r : *list) {
      std::fprintf(ctx.out, "%s,%s,%s,%s\n", r.longitude.c_str(), r.latitude.c_str(), r.description.c_str(),
                   r.description2.c_str());
    }
  }
  return stopped ? 1 : 0;
}

}  // namespace rovex::cli
