#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "cameras/camera_steps.h"
#include "cli/cli_command.h"
#include "gps/log_replay.h"
#include "nmea/gps_fix.h"
#include "platform/memory_settings_store.h"
#include "platform/voice_output.h"

// What the replaying commands (replay, follow) print: one event a line,
// "LINENO HH:MM:SS WHAT TEXT", the time being the fix's UTC time.

namespace rovex {
class SentenceMailbox;
class SentencePipeline;
}  // namespace rovex

namespace rovex::cli {

// Where the replay stands, for the events it prints.
struct ReplayPosition {
  std::size_t line = 0;
  const GpsFix* fix = nullptr;
};

// Control characters are shown as "?", so a text can never break its line.
void PrintEvent(std::FILE* out, const ReplayPosition& at, const char* what, std::string_view text);

// Instead of playing a wave file, names it ("play NAME").
class PrintingVoice final : public VoiceOutput {
 public:
  PrintingVoice(std::FILE* out, const ReplayPosition& at) : m_out(out), m_at(at) {}
  void Play(const std::string& path) override;

 private:
  std::FILE* m_out;
  const ReplayPosition& m_at;
};

// After each run of the pipeline: the distance line and the average-speed
// line when they changed ("distance TEXT", "specs TEXT").
class CameraTextEvents {
 public:
  CameraTextEvents(std::FILE* out, const ReplayPosition& at, const CameraSteps& steps)
      : m_out(out), m_at(at), m_steps(steps) {}
  void PrintChanges();

 private:
  std::FILE* m_out;
  const ReplayPosition& m_at;
  const CameraSteps& m_steps;
  std::string m_distance, m_specs;
};

// The replay's steps with no window: each line into the mailbox and parsed
// (as its drawing pass would, by parse), then the pipeline, then whatever it
// changed printed. Every event carries the log line it came from.
class PrintingReplayTarget final : public ReplayTarget {
 public:
  PrintingReplayTarget(SentenceMailbox& mailbox, SentencePipeline& pipeline, ReplayPosition& at,
                       const LogReplay& replay, CameraTextEvents* events, std::function<void()> parse)
      : m_mailbox(mailbox), m_pipeline(pipeline), m_at(at), m_replay(replay), m_events(events),
        m_parse(std::move(parse)) {}
  bool PlaceAndDraw(std::string_view line) override;
  bool RunPipeline() override;

 private:
  SentenceMailbox& m_mailbox;
  SentencePipeline& m_pipeline;
  ReplayPosition& m_at;
  const LogReplay& m_replay;
  CameraTextEvents* m_events;
  std::function<void()> m_parse;
};

// Plays the opened log to its end, then flushes the output. A read error
// (naming the log) or a failed write is told on err; the exit status.
int PlayToEnd(LogReplay& replay, ReplayTarget& target, const std::string& log, CliContext& ctx);

// The defaults with the user's stored settings over them, in memory: a
// replay never changes what is stored. A damaged settings file is told on err.
void CopyStoredSettings(MemorySettingsStore* memory, CliContext& ctx);

}  // namespace rovex::cli
