#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cameras/camera_steps.h"
#include "cli/cli_command.h"
#include "cli/console_prompt.h"
#include "cli/replay_events.h"
#include "gps/log_replay.h"
#include "gps/sentence_mailbox.h"
#include "gps/sentence_pipeline.h"
#include "nmea/speed_units.h"
#include "platform/memory_settings_store.h"
#include "settings/registry_settings.h"

namespace rovex::cli {
namespace {

constexpr const char* kUsage =
    "usage: rovex-cli replay LOG --cameras FILE [--radius M] [--units mph|kph|knots] [--specs on|off]\n";

struct Options {
  std::string log;
  std::string cameras;
  long radius = -1;
  int units = -1;
  int specs = -1;
};

bool ParseOptions(const std::vector<std::string>& args, Options* options) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string* out) {
      if (i + 1 >= args.size()) return false;
      *out = args[++i];
      return true;
    };
    std::string v;
    if (a == "--cameras") {
      if (!value(&options->cameras) || options->cameras.empty()) return false;
    } else if (a == "--radius") {
      if (!value(&v)) return false;
      char* end = nullptr;
      errno = 0;
      long metres = std::strtol(v.c_str(), &end, 10);
      if (v.empty() || *end != '\0' || errno != 0 || metres <= 0 || metres > 100000000) return false;
      options->radius = metres;
    } else if (a == "--units") {
      if (!value(&v)) return false;
      std::optional<SpeedUnit> unit = SpeedUnitFromName(v);
      if (!unit) return false;
      options->units = static_cast<int>(*unit);
    } else if (a == "--specs") {
      if (!value(&v)) return false;
      if (v == "on") options->specs = 1;
      else if (v == "off") options->specs = 0;
      else return false;
    } else if (!a.empty() && a[0] != '-' && options->log.empty()) {
      options->log = a;
    } else {
      return false;
    }
  }
  return !options->log.empty() && !options->cameras.empty();
}

// The user's settings over the defaults, with the command line's on top, in
// memory: a replay never changes what is stored.
void PrepareSettings(const Options& options, MemorySettingsStore* memory, CliContext& ctx) {
  CopyStoredSettings(memory, ctx);
  RegistrySettings settings(*memory, nullptr);
  settings.WriteTextSetting("CameraFile", options.cameras);
  if (options.radius > 0) settings.WriteNumberSetting("MapScale", static_cast<uint32_t>(options.radius));
  if (options.units >= 0) settings.WriteNumberSetting("SpeedUnits", static_cast<uint32_t>(options.units));
  if (options.specs >= 0) settings.WriteNumberSetting("AverageSpeed", static_cast<uint32_t>(options.specs));
}

}  // namespace

int CmdReplay(const std::vector<std::string>& args, CliContext& ctx) {
  Options options;
  if (!ParseOptions(args, &options)) {
    std::fputs(kUsage, ctx.err);
    return 2;
  }
  if (std::FILE* cameras = std::fopen(options.cameras.c_str(), "r")) {
    std::fclose(cameras);
  } else {
    std::fprintf(ctx.err, "rovex-cli: can't open the camera file %s: %s\n", options.cameras.c_str(),
                 std::strerror(errno));
    return 1;
  }
  MemorySettingsStore store;
  PrepareSettings(options, &store, ctx);
  RegistrySettings settings(store, nullptr);
  ConsolePrompt prompt(ctx.err);

  ReplayPosition at;
  PrintingVoice voice(ctx.out, at);
  const double mapRadius = settings.ReadMapScale();
  // Stopping GPS input means nothing to a replay; a camera file failure is told on standard error.
  CameraSteps steps(settings, &prompt, &voice, mapRadius, [] {});
  SentenceMailbox mailbox;
  SentencePipeline pipeline(mailbox, steps);
  at.fix = &pipeline.Fix();

  LogReplay replay;
  std::string message;
  if (!replay.Open(options.log, &message)) {
    std::fprintf(ctx.err, "rovex-cli: can't open the log file %s: %s\n", options.log.c_str(), std::strerror(errno));
    return 1;
  }
  pipeline.SetRefreshCounter(SentencePipeline::kRefreshReplay);

  CameraTextEvents events(ctx.out, at, steps);
  PrintingReplayTarget target(mailbox, pipeline, at, replay, &events, [&pipeline] { pipeline.ParseSentence(); });
  return PlayToEnd(replay, target, options.log, ctx);
}

}  // namespace rovex::cli
