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
#include "gps/log_replay.h"
#include "gps/sentence_mailbox.h"
#include "gps/sentence_pipeline.h"
#include "nmea/speed_units.h"
#include "platform/data_root.h"
#include "platform/file_settings_store.h"
#include "platform/memory_settings_store.h"
#include "platform/voice_output.h"
#include "settings/registry_settings.h"
#include "settings/settings_table.h"

namespace rovex::cli {
namespace {

constexpr const char* kUsage =
    "usage: rovex-cli replay LOG --cameras FILE [--radius M] [--units mph|kph|knots] [--specs on|off]\n";

// Where the replay stands, for the events it prints.
struct ReplayPosition {
  std::size_t line = 0;
  const GpsFix* fix = nullptr;
};

// One event a line: "LINENO HH:MM:SS WHAT TEXT", the time being the fix's UTC time.
void PrintEvent(std::FILE* out, const ReplayPosition& at, const char* what, std::string_view text) {
  std::string shown;
  for (unsigned char c : text) shown += c < 0x20 || c == 0x7f ? '?' : static_cast<char>(c);
  std::fprintf(out, "%zu %02u:%02u:%02u %s %s\n", at.line, at.fix->utcHour, at.fix->utcMinute, at.fix->utcSecond, what,
               shown.c_str());
}

// Instead of playing a wave file, names it.
class PrintingVoice final : public VoiceOutput {
 public:
  PrintingVoice(std::FILE* out, const ReplayPosition& at) : m_out(out), m_at(at) {}
  void Play(const std::string& path) override {
    std::size_t slash = path.find_last_of('/');
    PrintEvent(m_out, m_at, "play", slash == std::string::npos ? path : path.substr(slash + 1));
  }

 private:
  std::FILE* m_out;
  const ReplayPosition& m_at;
};

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
  for (const SettingDefinition& d : SettingsTable(DataRoot())) memory->Write(kRovexKey, d.name, d.defaultValue);
  FileSettingsStore stored(FileSettingsStore::DefaultPath());
  if (std::string damage = stored.TakeDamageReport(); !damage.empty()) {
    std::fprintf(ctx.err, "rovex-cli: %s\n", damage.c_str());
  }
  for (const auto& [name, value] : stored.Values(kRovexKey)) memory->Write(kRovexKey, name, value);
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

  // The replay's steps with no window: each line parsed as its drawing pass
  // would, then the pipeline, then whatever it changed printed.
  class Printing final : public ReplayTarget {
   public:
    Printing(SentenceMailbox& mailbox, SentencePipeline& pipeline, CameraSteps& steps, ReplayPosition& at,
             const LogReplay& replay, std::FILE* out)
        : m_mailbox(mailbox), m_pipeline(pipeline), m_steps(steps), m_at(at), m_replay(replay), m_out(out) {}
    bool PlaceAndDraw(std::string_view line) override {
      m_at.line = m_replay.LineNumber();
      m_mailbox.Overwrite(line);
      m_pipeline.ParseSentence();
      return true;
    }
    bool RunPipeline() override {
      m_at.line = m_replay.LineNumber();
      m_pipeline.RunPipeline();
      if (m_steps.Warning().DistanceLine().view() != m_distance) {
        m_distance = m_steps.Warning().DistanceLine().str();
        PrintEvent(m_out, m_at, "distance", m_distance);
      }
      if (m_steps.Specs().SpecsLine().view() != m_specs) {
        m_specs = m_steps.Specs().SpecsLine().str();
        PrintEvent(m_out, m_at, "specs", m_specs);
      }
      return true;
    }

   private:
    SentenceMailbox& m_mailbox;
    SentencePipeline& m_pipeline;
    CameraSteps& m_steps;
    ReplayPosition& m_at;
    const LogReplay& m_replay;
    std::FILE* m_out;
    std::string m_distance, m_specs;
  } target(mailbox, pipeline, steps, at, replay, ctx.out);

  LogReplay::Step step;
  while ((step = replay.PlayNext(target)) == LogReplay::Step::Played) {
  }
  if (step == LogReplay::Step::ReadError) {
    std::fprintf(ctx.err, "rovex-cli: error reading %s: %s\n", options.log.c_str(), std::strerror(replay.ErrorNumber()));
    return 1;
  }
  if (std::fflush(ctx.out) != 0 || std::ferror(ctx.out)) {
    std::fputs("rovex-cli: error writing the output\n", ctx.err);
    return 1;
  }
  return 0;
}

}  // namespace rovex::cli
