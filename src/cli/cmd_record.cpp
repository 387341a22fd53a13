#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_command.h"
#include "cli/replay_events.h"
#include "gps/log_replay.h"
#include "gps/pipeline_steps.h"
#include "gps/position_record.h"
#include "gps/sentence_mailbox.h"
#include "gps/sentence_pipeline.h"
#include "platform/atomic_file.h"
#include "platform/c_format.h"
#include "platform/memory_settings_store.h"
#include "settings/registry_settings.h"

namespace rovex::cli {
namespace {

constexpr const char* kUsage = "usage: rovex-cli record LOG OUT [--lines K] | record --open FILE\n";

// A record needs only the fix and the displayed track: no nearby lists.
class NoLists final : public PipelineSteps {
 public:
  bool ListBeingRebuilt() const override { return false; }
  bool RebuildLists(const GpsFix&) override { return true; }
  void UpdateForFix(const GpsFix&) override {}
};

int OpenRecord(const std::string& path, CliContext& ctx) {
  std::string content;
  if (!ReadWholeFile(path, &content)) {
    std::fprintf(ctx.err, "rovex-cli: Error can't open the record file %s\n", path.c_str());
    return 1;
  }
  const PositionRecord record = ParsePositionRecord(content);
  if (record.status == PositionRecord::Status::NotARecord) {
    std::fprintf(ctx.err, "rovex-cli: %s is not a ROVEX record file\n", path.c_str());
    return 1;
  }
  if (record.linesRead >= 6) std::fprintf(ctx.out, "utc %d:%02d:%02d\n", record.utcHour, record.utcMinute, record.utcSecond);
  if (record.linesRead >= 8) std::fprintf(ctx.out, "latitude %s\n", FormatFixed(record.latitude, 6).c_str());
  if (record.linesRead >= 10) std::fprintf(ctx.out, "longitude %s\n", FormatFixed(record.longitude, 6).c_str());
  if (record.status != PositionRecord::Status::Complete) {
    std::fputs("rovex-cli: Error reading from record file\n", ctx.err);
    return 1;
  }
  // The ring as File Open makes it: the current TrackLength, the saved points and write index.
  MemorySettingsStore store;
  CopyStoredSettings(&store, ctx);
  std::unique_ptr<TrackRing> ring = TrackRing::Create(static_cast<int>(RegistrySettings(store, nullptr).ReadTrackLength()));
  if (!ring) {
    std::fputs("rovex-cli: not enough memory for the track\n", ctx.err);
    return 1;
  }
  RestoreRing(record, *ring);
  std::fprintf(ctx.out, "track %d slots, newest %d\n", ring->SlotCount(), ring->WriteIndex());
  const int count = std::min(static_cast<int>(record.points.size()), ring->SlotCount());
  for (int i = 0; i < count; ++i) {
    const TrackRing::Point& p = ring->Slot(i);
    std::fprintf(ctx.out, "%d %s,%s\n", i, FormatFixed(p.latitude, 6).c_str(), FormatFixed(p.longitude, 6).c_str());
  }
  return 0;
}

}  // namespace

int CmdRecord(const std::vector<std::string>& args, CliContext& ctx) {
  if (args.size() == 2 && args[0] == "--open") return OpenRecord(args[1], ctx);
  std::vector<std::string> paths;
  long maxLines = -1;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--lines" && i + 1 < args.size()) {
      char* end = nullptr;
      errno = 0;
      maxLines = std::strtol(args[++i].c_str(), &end, 10);
      if (args[i].empty() || *end != '\0' || errno != 0 || maxLines < 0) {
        std::fputs(kUsage, ctx.err);
        return 2;
      }
    } else if (!args[i].empty() && args[i][0] != '-') {
      paths.push_back(args[i]);
    } else {
      std::fputs(kUsage, ctx.err);
      return 2;
    }
  }
  if (paths.size() != 2) {
    std::fputs(kUsage, ctx.err);
    return 2;
  }
  MemorySettingsStore store;
  CopyStoredSettings(&store, ctx);
  RegistrySettings settings(store, nullptr);
  NoLists steps;
  SentenceMailbox mailbox;
  SentencePipeline pipeline(mailbox, steps);
  if (settings.ReadFlagSetting("LogTrack") == 1 &&
      !pipeline.SetTrackRecording(true, static_cast<int>(settings.ReadTrackLength()))) {
    std::fputs("rovex-cli: not enough memory for the track\n", ctx.err);
    return 1;
  }

  class Replaying final : public ReplayTarget {
   public:
    Replaying(SentenceMailbox& mailbox, SentencePipeline& pipeline) : m_mailbox(mailbox), m_pipeline(pipeline) {}
    bool PlaceAndDraw(std::string_view line) override {
      m_mailbox.Overwrite(line);
      m_pipeline.ParseSentence();
      return true;
    }
    bool RunPipeline() override {
      m_pipeline.RunPipeline();
      return true;
    }

   private:
    SentenceMailbox& m_mailbox;
    SentencePipeline& m_pipeline;
  } target(mailbox, pipeline);

  LogReplay replay;
  std::string message;
  if (!replay.Open(paths[0], &message)) {
    std::fprintf(ctx.err, "rovex-cli: can't open the log file %s: %s\n", paths[0].c_str(), std::strerror(errno));
    return 1;
  }
  pipeline.SetRefreshCounter(SentencePipeline::kRefreshReplay);
  while (maxLines < 0 || static_cast<long>(replay.LineNumber()) < maxLines) {
    LogReplay::Step step = replay.PlayNext(target);
    if (step == LogReplay::Step::ReadError) {
      std::fprintf(ctx.err, "rovex-cli: error reading %s: %s\n", paths[0].c_str(), replay.ErrorMessage().c_str());
      return 1;
    }
    if (step != LogReplay::Step::Played) break;
  }
  std::string error;
  if (!WriteFileAtomically(paths[1], FormatPositionRecord(pipeline.Fix(), settings.ReadTimeZoneSetting(), pipeline.Track()),
                           &error)) {
    std::fprintf(ctx.err, "rovex-cli: Error can't create the record file %s: %s\n", paths[1].c_str(), error.c_str());
    return 1;
  }
  return 0;
}

}  // namespace rovex::cli
