#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
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
#include "platform/memory_settings_store.h"
#include "platform/speech_output.h"
#include "routes/current_route.h"
#include "routes/route_follower.h"
#include "routes/route_voice.h"
#include "settings/registry_settings.h"
#include "system/view_mode.h"
#include "trail/trail_reader.h"
#include "views/shown_heading.h"

namespace rovex::cli {
namespace {

constexpr const char* kUsage =
    "usage: rovex-cli follow LOG --route FILE | --trail FILE [--route FILE] [--cameras FILE]\n"
    "                        [--mode motorway|country|town] [--speech on|off] [--heading]\n";

struct Options {
  std::string log;
  std::string route;
  std::string cameras;
  std::string trail;  // follows as the trail view does
  bool heading = false;  // prints the shown heading as the compass views damp it
  int mode = -1;  // RouteMode, or -1 for the stored one
  int speech = -1;
};

bool ParseOptions(const std::vector<std::string>& args, Options* options) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string* out) {
      if (i + 1 >= args.size() || args[i + 1].empty()) return false;
      *out = args[++i];
      return true;
    };
    std::string v;
    if (a == "--route") {
      if (!value(&options->route)) return false;
    } else if (a == "--trail") {
      if (!value(&options->trail)) return false;
    } else if (a == "--heading") {
      options->heading = true;
    } else if (a == "--cameras") {
      if (!value(&options->cameras)) return false;
    } else if (a == "--mode") {
      if (!value(&v)) return false;
      if (v == "motorway") options->mode = static_cast<int>(RouteMode::Motorway);
      else if (v == "country") options->mode = static_cast<int>(RouteMode::Country);
      else if (v == "town") options->mode = static_cast<int>(RouteMode::Town);
      else return false;
    } else if (a == "--speech") {
      if (!value(&v)) return false;
      if (v == "on") options->speech = 1;
      else if (v == "off") options->speech = 0;
      else return false;
    } else if (!a.empty() && a[0] != '-' && options->log.empty()) {
      options->log = a;
    } else {
      return false;
    }
  }
  return !options->log.empty() && (!options->route.empty() || !options->trail.empty());
}

bool Readable(const std::string& what, const std::string& path, CliContext& ctx) {
  if (std::FILE* f = std::fopen(path.c_str(), "r")) {
    std::fclose(f);
    return true;
  }
  std::fprintf(ctx.err, "rovex-cli: can't open the %s %s: %s\n", what.c_str(), path.c_str(), std::strerror(errno));
  return false;
}

// Instead of speaking, prints what the route voice was handed ("say TEXT").
class PrintingSpeech final : public SpeechOutput {
 public:
  PrintingSpeech(std::FILE* out, const ReplayPosition& at) : m_out(out), m_at(at) {}
  void Speak(std::string_view text) override { PrintEvent(m_out, m_at, "say", text); }

 private:
  std::FILE* m_out;
  const ReplayPosition& m_at;
};

// Without a camera file the pipeline has no camera work to do.
class NoCameras final : public PipelineSteps {
 public:
  bool ListBeingRebuilt() const override { return false; }
  bool RebuildLists(const GpsFix&) override { return true; }
  void UpdateForFix(const GpsFix&) override {}
};

// A route-aware view's drawing pass without a screen: the route is followed
// (and announced) on every pass that would draw the view, and the pointer and
// trail views damp the shown heading. With out set, a change of the heading
// as shown to one decimal is printed ("heading H").
class FollowingPass final : public DrawingHooks {
 public:
  FollowingPass(RouteFollower& follower, CurrentRoute& route, SentencePipeline& pipeline, bool damps,
                std::FILE* headingOut, const ReplayPosition& at)
      : m_follower(follower), m_route(route), m_pipeline(pipeline), m_damps(damps), m_out(headingOut), m_at(at) {}
  void DrawMode(int, const char* sentence, bool) override {
    if (sentence[0] == '\0') return;
    const GpsFix& fix = m_pipeline.Fix();
    m_follower.Follow(m_route.Get(), fix);
    if (!m_damps || !m_heading.Damp(fix.courseDegrees, fix.speedKnots) || !m_out) return;
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", m_heading.Value());
    if (m_shown == text) return;
    m_shown = text;
    PrintEvent(m_out, m_at, "heading", m_shown);
  }

 private:
  RouteFollower& m_follower;
  CurrentRoute& m_route;
  SentencePipeline& m_pipeline;
  bool m_damps;
  std::FILE* m_out;
  const ReplayPosition& m_at;
  ShownHeading m_heading;
  std::string m_shown = "0.0";
};

}  // namespace

int CmdFollow(const std::vector<std::string>& args, CliContext& ctx) {
  Options options;
  if (!ParseOptions(args, &options)) {
    std::fputs(kUsage, ctx.err);
    return 2;
  }
  if (!Readable("log file", options.log, ctx) ||
      (!options.route.empty() && !Readable("route file", options.route, ctx)) ||
      (!options.trail.empty() && !Readable("trail file", options.trail, ctx)) ||
      (!options.cameras.empty() && !Readable("camera file", options.cameras, ctx))) {
    return 1;
  }

  // The stored settings with this run's choices on top, in memory only.
  MemorySettingsStore store;
  CopyStoredSettings(&store, ctx);
  RegistrySettings settings(store, nullptr);
  if (!options.cameras.empty()) settings.WriteTextSetting("CameraFile", options.cameras);
  if (options.mode >= 0) {
    const auto mode = static_cast<RouteMode>(options.mode);
    settings.WriteNumberSetting("RouteMotorway", mode == RouteMode::Motorway ? 1 : 0);
    settings.WriteNumberSetting("RouteCountry", mode == RouteMode::Country ? 1 : 0);
    settings.WriteNumberSetting("RouteTown", mode == RouteMode::Town ? 1 : 0);
  }
  if (options.speech >= 0) settings.WriteNumberSetting("RouteUseMSAgent", static_cast<uint32_t>(options.speech));
  ConsolePrompt prompt(ctx.err);

  ReplayPosition at;
  PrintingSpeech speech(ctx.out, at);
  PrintingVoice voice(ctx.out, at);
  RouteVoice routeVoice(settings, &speech);
  RouteFollower follower(settings, routeVoice);
  CurrentRoute route(settings, &prompt, follower, routeVoice);

  const double mapRadius = settings.ReadMapScale();
  std::unique_ptr<PipelineSteps> steps;
  std::unique_ptr<CameraTextEvents> cameraEvents;
  if (options.cameras.empty()) {
    steps = std::make_unique<NoCameras>();
  } else {
    // Stopping GPS input means nothing to a replay; a camera file failure is told on standard error.
    auto cameras = std::make_unique<CameraSteps>(settings, &prompt, &voice, mapRadius, [] {});
    cameras->SetExclusions(&route.Exclusions());
    cameraEvents = std::make_unique<CameraTextEvents>(ctx.out, at, *cameras);
    steps = std::move(cameras);
  }
  SentenceMailbox mailbox;
  SentencePipeline pipeline(mailbox, *steps);
  // The trail view with a trail, else the pointer view when the heading is
  // wanted (it follows the route as the route view does), else the route view.
  const int viewMode = !options.trail.empty() ? kTrailMode : options.heading ? kPointerMode : kRouteMode;
  pipeline.SetViewMode(viewMode);
  at.fix = &pipeline.Fix();

  // Loading speaks at line 0, before any fix; then the view is entered.
  if (!options.route.empty() && !route.LoadFrom(options.route)) return 1;
  if (!options.trail.empty()) {
    TrackList trail;
    if (ReadTrailFile(options.trail, &trail) != TrailReadResult::Read) {
      std::fprintf(ctx.err, "rovex-cli: can't read the trail file %s\n", options.trail.c_str());
      return 1;
    }
    PrintEvent(ctx.out, at, "trail", std::to_string(trail.Count()) + " points");
  }
  follower.ClearSayNearestNow();
  follower.ResetAnnouncements();

  LogReplay replay;
  std::string message;
  if (!replay.Open(options.log, &message)) {
    std::fprintf(ctx.err, "rovex-cli: %s\n", message.c_str());
    return 1;
  }
  pipeline.SetRefreshCounter(SentencePipeline::kRefreshReplay);

  FollowingPass pass(follower, route, pipeline, viewMode != kRouteMode, options.heading ? ctx.out : nullptr, at);
  PrintingReplayTarget target(mailbox, pipeline, at, replay, cameraEvents.get(),
                              [&pipeline, &pass] { pipeline.DrawingPass(&pass); });
  return PlayToEnd(replay, target, options.log, ctx);
}

}  // namespace rovex::cli
